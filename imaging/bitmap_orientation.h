// Turning and mirroring decoded pixels by an image's Rotate and Flip bits,
// in the orientation model of layout/orientation.h: the file's picture is
// mirrored left to right when the flip bit is set, then turned clockwise.
#pragma once

#include <cstdint>

#include "imaging/offscreen_bitmap.h"

namespace tl {

// The oriented bitmap (the same one when no new buffer is needed); null
// when memory for a quarter turn cannot be had.
BitmapPtr ApplyRotateFlip(BitmapPtr bitmap, int16_t rotateFlip);

}  // namespace tl
