#include "imaging/file_kind.h"

#include <strings.h>

#include "imaging/byte_source.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"

namespace tl {
namespace {

constexpr size_t kSignatureBytes = 8;
constexpr size_t kBitmapHeaderBytes = 54;
constexpr uint32_t kBitmapV4HeaderSize = 108;
constexpr uint32_t kBitmapV5HeaderSize = 124;
constexpr uint16_t kBitmapAlphaDepth = 32;

bool IsLeadByte(uint8_t c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrailByte(uint8_t c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// Marks the bytes of `path` that are the second byte of a double-byte
// character; only a forward scan knows which bytes pair up.
std::string TrailBytes(const std::string& path) {
  std::string trail(path.size(), 0);
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(uint8_t(path[i])) && i + 1 < path.size() && IsTrailByte(uint8_t(path[i + 1]))) trail[++i] = 1;
  }
  return trail;
}

// Windows bitmaps with the V4/V5 headers or an alpha channel are left to
// the extended-formats importer.
bool IsPlainBitmap(FILE* file) {
  uint8_t header[kBitmapHeaderBytes];
  if (!SeekTo(file, 0) || !ReadExact(file, header, sizeof header)) return false;
  const uint32_t headerSize = Little32(header + 14);
  const uint16_t bitCount = Little16(header + 28);
  return headerSize != kBitmapV4HeaderSize && headerSize != kBitmapV5HeaderSize && bitCount != kBitmapAlphaDepth;
}

}  // namespace

std::string PathExtension(const std::string& path) {
  const std::string trail = TrailBytes(path);
  for (size_t i = path.size(); i > 0; --i) {
    const char c = path[i - 1];
    if (c == '.') return path.substr(i);
    if ((c == '\\' && !trail[i - 1]) || c == '/') return {};
  }
  return {};
}

int DetectFileKind(const std::string& path, uint32_t& kind) {
  const std::string extension = PathExtension(path);
  if (strcasecmp(extension.c_str(), "EPS") == 0) {
    kind = kKindEps;
    return 0;
  }
  if (strcasecmp(extension.c_str(), "EFF") == 0) {
    kind = kKindEff;
    return 0;
  }

  FilePtr file = OpenForReading(path);
  if (!file) return -1;
  uint8_t head[kSignatureBytes] = {};
  const size_t got = std::fread(head, 1, sizeof head, file.get());
  if (got < 2) return -1;
  if (head[0] == 0xFF && head[1] == 0xD8) {
    kind = kKindJpeg;
    return 0;
  }
  if ((head[0] == 'I' && head[1] == 'I') || (head[0] == 'M' && head[1] == 'M')) {
    kind = kKindTiff;
    return 0;
  }
  if (head[0] == 'B' && head[1] == 'M' && IsPlainBitmap(file.get())) {
    kind = kKindBmp;
    return 0;
  }
  return -1;
}

}  // namespace tl
