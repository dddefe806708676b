#include "imaging/bitmap_orientation.h"

#include <algorithm>
#include <cstring>

#include "document/layout_object.h"
#include "layout/orientation.h"

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
  const Orientation orientation = OrientationOf(rotateFlip);
  if (orientation.flipped) MirrorRows(*bitmap);
  switch (orientation.quarterTurns) {
    case 1: return TurnQuarter(*bitmap, true);
    case 2: TurnHalf(*bitmap); break;
    case 3: return TurnQuarter(*bitmap, false);
  }
  return bitmap;
}

}  // namespace tl
