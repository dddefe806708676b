#include "imaging/bitmap_orientation.h"

#include <algorithm>
#include <cstring>

#include "document/layout_object.h"

namespace tl {
namespace {

using Pixel = uint32_t;  // the four bytes of one pixel, moved as one

Pixel* PixelRow(OffscreenBitmap& b, int32_t y) { return reinterpret_cast<Pixel*>(b.Row(y)); }
const Pixel* PixelRow(const OffscreenBitmap& b, int32_t y) { return reinterpret_cast<const Pixel*>(b.Row(y)); }

void MirrorRows(OffscreenBitmap& b) {
  for (int32_t y = 0; y < b.Height; ++y) std::reverse(PixelRow(b, y), PixelRow(b, y) + b.Width);
}

void TurnHalf(OffscreenBitmap& b) {
  for (int32_t top = 0, bottom = b.Height - 1; top <= bottom; ++top, --bottom) {
    Pixel* a = PixelRow(b, top);
    Pixel* z = PixelRow(b, bottom);
    if (top == bottom) {
      std::reverse(a, a + b.Width);
      break;
    }
    for (int32_t x = 0; x < b.Width; ++x) std::swap(a[x], z[b.Width - 1 - x]);
  }
}

// A quarter turn clockwise (or counter-clockwise) into a new bitmap.
BitmapPtr TurnQuarter(const OffscreenBitmap& b, bool clockwise) {
  BitmapPtr turned = OffscreenBitmapNew(b.Height, b.Width);
  if (!turned) return nullptr;
  for (int32_t y = 0; y < b.Height; ++y) {
    const Pixel* row = PixelRow(b, y);
    for (int32_t x = 0; x < b.Width; ++x) {
      // Clockwise: (x, y) goes to (H - 1 - y, x); counter-clockwise to (y, W - 1 - x).
      if (clockwise)
        PixelRow(*turned, x)[b.Height - 1 - y] = row[x];
      else
        PixelRow(*turned, b.Width - 1 - x)[y] = row[x];
    }
  }
  return turned;
}

}  // namespace

BitmapPtr ApplyRotateFlip(BitmapPtr bitmap, int16_t rotateFlip) {
  if (!bitmap) return nullptr;
  if (rotateFlip & kRotate90)
    bitmap = TurnQuarter(*bitmap, true);
  else if (rotateFlip & kRotate270)
    bitmap = TurnQuarter(*bitmap, false);
  else if (rotateFlip & kRotate180)
    TurnHalf(*bitmap);
  if (bitmap && (rotateFlip & kFlipHorizontal)) MirrorRows(*bitmap);
  return bitmap;
}

}  // namespace tl
