// ByteSource: bounded random access to a region of a file or of memory, for
// the readers that follow offsets through a structure (Exif directories,
// Photoshop resources). Every read is checked against the end of the
// region, so a bogus offset or count ends a walk instead of reading outside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace tl {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Copies the `count` bytes at `offset`; false, with nothing copied, unless
  // they all lie inside the region.
  virtual bool Read(uint64_t offset, void* out, size_t count) const = 0;

  bool Contains(uint64_t offset, uint64_t count) const { return offset <= Size() && count <= Size() - offset; }
  // The bytes at `offset` into `out`, resized; false when they do not fit.
  bool ReadBlock(uint64_t offset, uint64_t count, std::vector<uint8_t>& out) const;
};

class MemoryByteSource final : public ByteSource {
 public:
  MemoryByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint64_t Size() const override { return size_; }
  bool Read(uint64_t offset, void* out, size_t count) const override;

 private:
  const uint8_t* data_;
  size_t size_;
};

// A window of an open file: offsets count from `base`; the window ends at
// base + size or at the end of the file, whichever comes first.
class FileByteSource final : public ByteSource {
 public:
  FileByteSource(FILE* file, uint64_t base, uint64_t size);
  uint64_t Size() const override { return size_; }
  bool Read(uint64_t offset, void* out, size_t count) const override;

 private:
  FILE* file_;
  uint64_t base_;
  uint64_t size_;
};

// A window of another source.
class SubByteSource final : public ByteSource {
 public:
  SubByteSource(const ByteSource& parent, uint64_t base, uint64_t size);
  uint64_t Size() const override { return size_; }
  bool Read(uint64_t offset, void* out, size_t count) const override;

 private:
  const ByteSource& parent_;
  uint64_t base_;
  uint64_t size_;
};

// Integers in either byte order.
inline uint16_t Big16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }
inline uint32_t Big32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
inline uint16_t Little16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t Little32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

}  // namespace tl
