#include "imaging/photoshop_resources.h"

#include <cstring>
#include <utility>
#include <vector>

#include "imaging/byte_source.h"
#include "imaging/jpeg_reader.h"

namespace tl {
namespace {

constexpr uint8_t kSignature[4] = {'8', 'B', 'I', 'M'};
constexpr uint64_t kThumbnailHeaderBytes = 28;
constexpr uint64_t kCompressedSizeOffset = 20;

}  // namespace

void ForEachPhotoshopResource(const ByteSource& resources,
                              const std::function<bool(const PhotoshopResource&)>& visit) {
  uint64_t at = 0;
  for (;;) {
    uint8_t head[7];  // signature, id, name length
    if (!resources.Read(at, head, sizeof head) || std::memcmp(head, kSignature, 4) != 0) return;
    PhotoshopResource block;
    block.Id = Big16(head + 4);
    const uint64_t nameLength = head[6];
    char name[256];
    if (!resources.Read(at + 7, name, size_t(nameLength))) return;
    block.Name.assign(name, size_t(nameLength));
    const uint64_t sizeAt = at + 6 + ((1 + nameLength + 1) & ~uint64_t(1));  // name padded to even
    uint8_t size[4];
    if (!resources.Read(sizeAt, size, 4)) return;
    block.Size = Big32(size);
    block.Offset = sizeAt + 4;
    if (!resources.Contains(block.Offset, block.Size)) return;
    if (!visit(block)) return;
    at = block.Offset + ((block.Size + 1) & ~uint64_t(1));
  }
}

BitmapPtr ReadPhotoshopThumbnail(const ByteSource& resources) {
  BitmapPtr thumbnail;
  ForEachPhotoshopResource(resources, [&](const PhotoshopResource& block) {
    if (block.Id != kResourceThumbnail && block.Id != kResourceThumbnailBgr) return true;
    uint8_t header[kThumbnailHeaderBytes];
    if (block.Size < sizeof header || !resources.Read(block.Offset, header, sizeof header)) return true;
    const uint64_t compressed = Big32(header + kCompressedSizeOffset);
    std::vector<uint8_t> jpeg;
    if (compressed > block.Size - sizeof header ||
        !resources.ReadBlock(block.Offset + sizeof header, compressed, jpeg))
      return true;
    thumbnail = DecodeJpegMemory(jpeg.data(), jpeg.size(), kMaxThumbnailPixels);
    if (thumbnail && block.Id == kResourceThumbnailBgr) SwapRedBlue(*thumbnail);
    return !thumbnail;
  });
  return thumbnail;
}

void SwapRedBlue(OffscreenBitmap& bitmap) {
  uint8_t* p = bitmap.Pixels.get();
  const size_t pixels = size_t(bitmap.Width) * size_t(bitmap.Height);
  for (size_t i = 0; i < pixels; ++i, p += OffscreenBitmap::kBytesPerPixel) std::swap(p[0], p[2]);
}

}  // namespace tl
