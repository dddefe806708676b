// The YCbCr conversion of the mask JPEG variant and of YCbCr TIFF files.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tl {

// Writes blue, green, red. Blue and red come first; green is derived from
// the already clamped blue and red. Each value is truncated toward zero,
// then clamped to 0..255.
inline void YccToBgr(int y, int cb, int cr, uint8_t* bgr) {
  auto clamp = [](double v) { return std::clamp(int(v), 0, 255); };
  const int blue = clamp(y + 1.772 * (cb - 128));
  const int red = clamp(y + 1.542 * (cr - 128));
  const int green = clamp((y - 0.114 * blue - 0.299 * red) * 1.7035775127768313);
  bgr[0] = uint8_t(blue);
  bgr[1] = uint8_t(green);
  bgr[2] = uint8_t(red);
}

}  // namespace tl
