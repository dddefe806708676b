#include "imaging/byte_source.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "imaging/file_handle.h"

namespace tl {

bool ByteSource::ReadBlock(uint64_t offset, uint64_t count, std::vector<uint8_t>& out) const {
  if (!Contains(offset, count)) return false;
  if (count > out.max_size()) return false;
  out.resize(size_t(count));
  return count == 0 || Read(offset, out.data(), size_t(count));
}

bool MemoryByteSource::Read(uint64_t offset, void* out, size_t count) const {
  if (!Contains(offset, count)) return false;
  if (count) std::memcpy(out, data_ + offset, count);
  return true;
}

FileByteSource::FileByteSource(FILE* file, uint64_t base, uint64_t size) : file_(file), base_(base), size_(0) {
  const int64_t length = file ? FileLength(file) : -1;
  if (length >= 0 && base <= uint64_t(length)) size_ = std::min(size, uint64_t(length) - base);
}

bool FileByteSource::Read(uint64_t offset, void* out, size_t count) const {
  if (!Contains(offset, count)) return false;
  if (count == 0) return true;
  return SeekTo(file_, int64_t(base_ + offset)) && ReadExact(file_, out, count);
}

SubByteSource::SubByteSource(const ByteSource& parent, uint64_t base, uint64_t size)
    : parent_(parent), base_(base), size_(0) {
  if (base <= parent.Size()) size_ = std::min(size, parent.Size() - base);
}

bool SubByteSource::Read(uint64_t offset, void* out, size_t count) const {
  return Contains(offset, count) && parent_.Read(base_ + offset, out, count);
}

}  // namespace tl
