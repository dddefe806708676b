#include "imaging/decode_finish.h"

#include <utility>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "imaging/pixel_matcher.h"
#include "imaging/resample_bitmap.h"

namespace tl {
namespace {

bool Resize(BitmapPtr& bitmap, const LSize& size) {
  if (!bitmap || (bitmap->Width == size.cx && bitmap->Height == size.cy)) return true;
  bitmap = ResampledCopy(*bitmap, size.cx, size.cy);
  return bitmap != nullptr;
}

}  // namespace

BitmapPtr FinishDecode(const ImageObject& image, const DecodeRequest& request, BitmapPtr pixels, BitmapPtr mask,
                       int& message) {
  if (!pixels) return nullptr;
  const bool covers = request.Covering && request.Requested && pixels->Width >= request.Requested->cx &&
                      pixels->Height >= request.Requested->cy;
  if (request.Requested && !covers &&
      (!Resize(pixels, *request.Requested) || !Resize(mask, *request.Requested))) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  // Colour images need no conversion for the raw preview; CMYK data
  // always does, to be shown at all.
  const bool match = request.Purpose != kMatchNone || image.ColorSpace == kSpaceCmyk;
  if (request.Matcher && match && !request.Matcher->MatchPixels(image, *pixels, request.Purpose)) {
    message = kMessageMissingProfiles;
    return nullptr;
  }
  if (request.Mask) *request.Mask = std::move(mask);
  return pixels;
}

}  // namespace tl
