// PixelMatcher: colour matching of decoded pixels, asked for by the
// decoders and implemented by the colour layer (which sits above imaging).
#pragma once

namespace tl {

struct ImageObject;
struct OffscreenBitmap;

// Matching purposes.
enum MatchPurpose : int {
  kMatchNone = 0,
  kMatchScreen = 1,
  kMatchScreenTuned = 2,
  kMatchOutput = 3,
};

class PixelMatcher {
 public:
  virtual ~PixelMatcher() = default;
  // Converts `pixels`, decoded from `image`, in place for `purpose` with the
  // settings of the image and of its document (image.Owner). False when a
  // profile the conversion needs cannot be had (message code 10409).
  virtual bool MatchPixels(const ImageObject& image, OffscreenBitmap& pixels, int purpose) = 0;
};

}  // namespace tl
