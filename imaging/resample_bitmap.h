// Smooth scaling of one pixel buffer into another: area averaging along an
// axis where the picture shrinks, bilinear interpolation where it grows.
// All four bytes of a pixel are treated alike, so CMYK data and masks scale
// the same way as colour.
#pragma once

#include <cstdint>

#include "imaging/offscreen_bitmap.h"

namespace tl {

// Draws `source` scaled into the whole of `destination`. False when a
// bitmap is empty or working memory cannot be had.
bool ResampleBitmap(const OffscreenBitmap& source, OffscreenBitmap& destination);

// A new width x height bitmap holding `source` scaled; null on failure.
BitmapPtr ResampledCopy(const OffscreenBitmap& source, int32_t width, int32_t height);

}  // namespace tl
