// The largest picture a decoder builds at full size. Files state their own
// size, and a few bytes can claim a huge one; beyond the limit a decode
// fails instead of taking the memory.
#pragma once

#include <cstdint>

namespace tl {

// OffscreenBitmap::kMaxPixels unless lowered (fuzzers lower it).
int64_t DecodePixelLimit();
void SetDecodePixelLimit(int64_t pixels);

inline bool WithinDecodeLimit(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width * height <= DecodePixelLimit();
}

}  // namespace tl
