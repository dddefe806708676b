// The imaging layer's pixel buffers as Qt images, for drawing. The byte
// order of an OffscreenBitmap (blue, green, red, fourth byte) is Qt's
// 32-bit RGB layout on a little-endian machine, so a bitmap is drawn in
// place without a copy; a masked bitmap becomes a new image with alpha.
#pragma once

#include <QImage>

#include "imaging/offscreen_bitmap.h"

namespace tl {

// The pixels as an opaque image that reads the bitmap's own memory: valid
// only while the bitmap lives and is not changed.
QImage BitmapImage(const OffscreenBitmap& pixels);

// The pixels with the mask's transparency (a gray mask: 0 where the picture
// shows, 255 where it is transparent); a mask of another size is ignored.
// Null when memory cannot be had.
QImage DrawableImage(const OffscreenBitmap& pixels, const OffscreenBitmap* mask);

}  // namespace tl
