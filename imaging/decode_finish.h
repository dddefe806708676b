// What every pixel decoder is asked for, and the common end of a decode:
// resampling into the requested bounds and colour matching for the purpose.
#pragma once

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;
class PixelMatcher;

struct DecodeRequest {
  int Purpose = 0;                   // MatchPurpose
  const LSize* Requested = nullptr;  // the bounds to deliver; null: the image's own size
  BitmapPtr* Mask = nullptr;         // where a mask goes; null: none is wanted
  PixelMatcher* Matcher = nullptr;   // null: no colour matching
  // A decoder's reduced size that covers Requested serves as it is: a
  // printer scales the pixels itself, and resampling them first costs time
  // and gains nothing.
  bool Covering = false;
};

// Resamples `pixels` (and `mask`) into the requested bounds (unless they
// cover them and the request allows that), then matches
// the colours for the purpose. Hands the mask to request.Mask. On failure
// both bitmaps are disposed, `message` tells why and the result is null.
BitmapPtr FinishDecode(const ImageObject& image, const DecodeRequest& request, BitmapPtr pixels, BitmapPtr mask,
                       int& message);

}  // namespace tl
