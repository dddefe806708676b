// The preview bitmap of an image: the thumbnail the file stores where it
// has one, else a decode at the size the image is shown at, and the facts
// measured on the preview (average brightness, gray pictures).
#pragma once

#include <cstdint>

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;
class PixelMatcher;

// Makes the raw (not colour-matched) preview of an image whose header was
// read, in its shown orientation; stores its average brightness and turns
// an 8-bit "RGB " image whose preview is all gray into "GRAY". `mask`, when
// given, receives the mask of a decoded preview of a format that has one.
// Null (the load's message shown) when no preview can be made.
BitmapPtr MakePreview(ImageObject& image, BitmapPtr* mask = nullptr);

// The colour-matched view of one image: decodes it again for the tuned
// screen (purpose 2, matched through `matcher`) at PreviewRequestSize,
// with its mask, and replaces the preview and mask. On failure the load's
// message is shown, the old ones stay and the result is false.
bool MatchPreview(ImageObject& image, PixelMatcher* matcher);

// The size a preview decode asks for, in the image's shown orientation:
// the frame box taken as pixels when that is smaller than the picture, else
// the picture's size; scaled up to the whole picture when it is cropped.
LSize PreviewRequestSize(const ImageObject& image);

// The mean green value inside the preview without a 15 % border on each side.
int16_t AverageBrightness(const OffscreenBitmap& preview);

// Whether every pixel has equal blue, green and red bytes.
bool IsGrayBitmap(const OffscreenBitmap& bitmap);

}  // namespace tl
