// ImageDescBlock: the image description an image object keeps for its file,
// laid out like the image description record the readers fill in (codec
// type, pixel size, resolution, depth at fixed offsets). Values are stored
// in the machine's byte order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tl {

class ImageDescBlock {
 public:
  static constexpr size_t kOffsetBlockSize = 0;
  static constexpr size_t kOffsetCodecType = 4;
  static constexpr size_t kOffsetWidth = 32;
  static constexpr size_t kOffsetHeight = 34;
  static constexpr size_t kOffsetHResolution = 36;
  static constexpr size_t kOffsetVResolution = 40;
  static constexpr size_t kOffsetDepth = 82;

  static constexpr size_t kBasicSize = 86;       // JPEG, TIFF, bitmap
  static constexpr size_t kEpsSize = 100;        // plus the seven %ImageData numbers
  static constexpr size_t kExtendedSize = 2152;  // extended-formats importer

  ImageDescBlock() = default;
  explicit ImageDescBlock(size_t size) : bytes_(size, 0) {}

  bool Valid() const { return bytes_.size() >= kBasicSize; }
  size_t ByteSize() const { return bytes_.size(); }
  const uint8_t* Data() const { return bytes_.data(); }
  uint8_t* Data() { return bytes_.data(); }

  uint32_t BlockSize() const { return Get<uint32_t>(kOffsetBlockSize); }
  uint32_t CodecType() const { return Get<uint32_t>(kOffsetCodecType); }
  uint16_t Width() const { return Get<uint16_t>(kOffsetWidth); }
  uint16_t Height() const { return Get<uint16_t>(kOffsetHeight); }
  int32_t HResolution() const { return Get<int32_t>(kOffsetHResolution); }
  int32_t VResolution() const { return Get<int32_t>(kOffsetVResolution); }
  int16_t Depth() const { return Get<int16_t>(kOffsetDepth); }

  void SetBlockSize(uint32_t v) { Put(kOffsetBlockSize, v); }
  void SetCodecType(uint32_t v) { Put(kOffsetCodecType, v); }
  void SetWidth(uint16_t v) { Put(kOffsetWidth, v); }
  void SetHeight(uint16_t v) { Put(kOffsetHeight, v); }
  void SetHResolution(int32_t v) { Put(kOffsetHResolution, v); }
  void SetVResolution(int32_t v) { Put(kOffsetVResolution, v); }
  void SetDepth(int16_t v) { Put(kOffsetDepth, v); }

  friend bool operator==(const ImageDescBlock&, const ImageDescBlock&) = default;

 private:
  template <typename T>
  T Get(size_t offset) const {
    T v{};
    if (offset + sizeof(T) <= bytes_.size()) std::memcpy(&v, bytes_.data() + offset, sizeof(T));
    return v;
  }
  template <typename T>
  void Put(size_t offset, T v) {
    if (offset + sizeof(T) <= bytes_.size()) std::memcpy(bytes_.data() + offset, &v, sizeof(T));
  }

  std::vector<uint8_t> bytes_;
};

}  // namespace tl
