// The small JPEG pictures that layout and template files carry as their
// previews: 128 x 128 pixels, RGB, quality 75.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/offscreen_bitmap.h"

namespace tl {

inline constexpr int32_t kPreviewJpegSide = 128;
inline constexpr int kPreviewJpegQuality = 75;

// Compresses `pixels` (normally 128 x 128), top row first, as a 3-component
// RGB JPEG with the library's defaults at quality 75. False on failure.
bool EncodePreviewJpeg(const OffscreenBitmap& pixels, std::vector<uint8_t>& jpeg);

// A 128 x 128 bitmap holding the decoded picture (a picture of another
// size is copied from its top-left corner). Null, with "Not enough memory."
// shown, when the bitmap cannot be made; null when the data does not decode.
BitmapPtr DecodePreviewJpeg(const uint8_t* data, size_t size);

}  // namespace tl
