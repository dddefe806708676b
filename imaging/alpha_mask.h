// Masks from alpha: the readers of formats with transparency leave each
// pixel's alpha in its fourth byte; the mask beside the picture holds
// 255 - alpha in its blue, green and red bytes (0 shows the pixel, 255
// hides it) and the picture's fourth bytes go back to 0.
#pragma once

#include "imaging/offscreen_bitmap.h"

namespace tl {

// Clears the fourth bytes of `pixels`; with `makeMask`, returns the mask
// made from them first (null when memory cannot be had, `failed` set).
BitmapPtr SplitAlphaMask(OffscreenBitmap& pixels, bool makeMask, bool& failed);

}  // namespace tl
