#include "imaging/jpeg_segments.h"

#include "imaging/byte_source.h"

namespace tl {
namespace {

constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kFill = 0xFF;

bool HasNoLength(uint8_t code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD7); }

}  // namespace

bool ForEachJpegSegment(const ByteSource& file,
                        const std::function<bool(uint8_t code, uint64_t data, uint64_t size)>& visit) {
  uint8_t head[4];
  if (!file.Read(0, head, 2) || head[0] != 0xFF || head[1] != 0xD8) return false;
  uint64_t at = 2;
  for (;;) {
    if (!file.Read(at, head, 2) || head[0] != 0xFF) return true;
    const uint8_t code = head[1];
    if (code == kFill) {
      ++at;
      continue;
    }
    if (code == kStartOfScan || code == kEndOfImage) return true;
    if (HasNoLength(code)) {
      at += 2;
      continue;
    }
    if (!file.Read(at + 2, head + 2, 2) || Big16(head + 2) < 2) return true;
    const uint64_t data = at + 4, size = Big16(head + 2) - 2;
    if (!visit(code, data, size)) return true;
    at = data + size;
  }
}

}  // namespace tl
