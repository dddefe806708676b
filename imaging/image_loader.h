// Decoding an image's pixels at a requested size: dispatch to the decoder
// of its codec (or the capture-matching path), colour matching for the
// purpose, and the image's Rotate and Flip applied to the result.
#pragma once

#include "document/geometry.h"
#include "imaging/decode_finish.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;
class PixelMatcher;

// The pixels of `image`, at most `requested` in size (in the image's shown
// orientation; null for its full size), matched for `purpose` through
// `matcher` (null: no matching). `mask`, when given, receives the mask of
// formats that carry one (left null otherwise). On failure the load's
// message (10413, 10417, 10401 or 10409) is shown in a stop box and the
// result is null.
BitmapPtr LoadImagePixels(ImageObject& image, int purpose, const LSize* requested, BitmapPtr* mask,
                          PixelMatcher* matcher);

// The same without showing anything: on failure `message` holds the code.
BitmapPtr DecodeImagePixels(ImageObject& image, int purpose, const LSize* requested, BitmapPtr* mask,
                            PixelMatcher* matcher, int& message);

// The pixels from the decoder of the image's own codec (or the extended-
// formats importer), never through the capture-matching path; the request
// is in the file's stored orientation and nothing is turned.
BitmapPtr DecodeWithFileDecoder(const ImageObject& image, const DecodeRequest& request, int& message);

}  // namespace tl
