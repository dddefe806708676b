// Turning and mirroring decoded pixels by an image's Rotate and Flip bits.
// The stored picture is first turned clockwise by the rotation bit (90,
// 180 or 270 degrees), then mirrored left to right when the flip bit is set.
#pragma once

#include <cstdint>

#include "imaging/offscreen_bitmap.h"

namespace tl {

// The oriented bitmap (the same one when no new buffer is needed); null
// when memory for a quarter turn cannot be had.
BitmapPtr ApplyRotateFlip(BitmapPtr bitmap, int16_t rotateFlip);

}  // namespace tl
