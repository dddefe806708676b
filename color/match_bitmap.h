// Colour matching of decoded pixels: the chain of one image for one
// purpose, applied in place. This is the colour layer's PixelMatcher,
// handed to the image decoders.
#pragma once

#include <utility>

#include "color/profile_chain.h"
#include "imaging/pixel_matcher.h"

namespace tl {

constexpr int kMissingProfilesMessage = 10409;  // "Missing application profiles."

// Converts `bitmap`, decoded from `image`, for `purpose`. Images whose
// colour space is neither RGB nor CMYK stay as they are (success); so do
// printed pixels of capture-matched images when the document leaves them
// unmatched. False when the chain cannot be built or applied; the decoder
// then reports message 10409.
bool MatchBitmap(OffscreenBitmap& bitmap, const ImageObject& image, int purpose,
                 const ColorMatchHooks& hooks = DefaultColorMatchHooks());

class ColorPixelMatcher final : public PixelMatcher {
 public:
  explicit ColorPixelMatcher(ColorMatchHooks hooks = DefaultColorMatchHooks()) : hooks_(std::move(hooks)) {}
  bool MatchPixels(const ImageObject& image, OffscreenBitmap& pixels, int purpose) override {
    return MatchBitmap(pixels, image, purpose, hooks_);
  }

 private:
  ColorMatchHooks hooks_;
};

}  // namespace tl
