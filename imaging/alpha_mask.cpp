#include "imaging/alpha_mask.h"

namespace tl {

BitmapPtr SplitAlphaMask(OffscreenBitmap& pixels, bool makeMask, bool& failed) {
  failed = false;
  BitmapPtr mask;
  if (makeMask) {
    mask = OffscreenBitmapNew(pixels.Width, pixels.Height);
    if (!mask) {
      failed = true;
      return nullptr;
    }
  }
  const size_t count = size_t(pixels.Width) * size_t(pixels.Height);
  uint8_t* p = pixels.Pixels.get();
  uint8_t* m = mask ? mask->Pixels.get() : nullptr;
  for (size_t i = 0; i < count; ++i, p += OffscreenBitmap::kBytesPerPixel) {
    if (m) {
      m[0] = m[1] = m[2] = uint8_t(255 - p[3]);
      m += OffscreenBitmap::kBytesPerPixel;
    }
    p[3] = 0;
  }
  return mask;
}

}  // namespace tl
