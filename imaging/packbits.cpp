#include "imaging/packbits.h"

#include <cstring>

namespace tl {
namespace {

constexpr uint8_t kNoOp = 128;

// The common loop: `unit` bytes per counted element.
bool Unpack(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t unit, size_t& used) {
  size_t at = 0, filled = 0;
  while (filled < outSize) {
    if (at >= inSize) return false;
    const uint8_t n = in[at++];
    if (n == kNoOp) continue;
    if (n < kNoOp) {
      const size_t bytes = (size_t(n) + 1) * unit;
      if (bytes > inSize - at || bytes > outSize - filled) return false;
      std::memcpy(out + filled, in + at, bytes);
      at += bytes;
      filled += bytes;
    } else {
      const size_t count = 257 - size_t(n);
      if (unit > inSize - at || count * unit > outSize - filled) return false;
      if (unit == 1) {
        std::memset(out + filled, in[at], count);
      } else {
        for (size_t i = 0; i < count; ++i) std::memcpy(out + filled + i * unit, in + at, unit);
      }
      at += unit;
      filled += count * unit;
    }
  }
  used = at;
  return true;
}

}  // namespace

bool UnpackBits(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t& used) {
  return Unpack(in, inSize, out, outSize, 1, used);
}

bool UnpackWords(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t& used) {
  if (outSize % 2 != 0) return false;
  return Unpack(in, inSize, out, outSize, 2, used);
}

}  // namespace tl
