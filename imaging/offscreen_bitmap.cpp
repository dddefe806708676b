#include "imaging/offscreen_bitmap.h"

#include <new>

namespace tl {

BitmapPtr OffscreenBitmapNew(int32_t width, int32_t height) {
  if (width < 1 || height < 1 || width > OffscreenBitmap::kMaxSide || height > OffscreenBitmap::kMaxSide)
    return nullptr;
  if (int64_t(width) * height > OffscreenBitmap::kMaxPixels) return nullptr;

  BitmapPtr bitmap(new (std::nothrow) OffscreenBitmap);
  if (!bitmap) return nullptr;
  bitmap->Width = width;
  bitmap->Height = height;
  bitmap->Pixels.reset(new (std::nothrow) uint8_t[bitmap->ByteSize()]());
  if (!bitmap->Pixels) return nullptr;
  return bitmap;
}

}  // namespace tl
