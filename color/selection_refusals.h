// The grayscale refusals of colour operations on the selected images.
#pragma once

#include <vector>

namespace tl {

struct ImageObject;
struct LayoutDocument;

constexpr int kGrayscaleNotMatchedMessage = 10408;  // "Unable to match colors.\n\r(Grayscale ...)"
constexpr int kGrayscaleDetectedMessage = 10449;    // "Grayscale image is detected."

// The colour management and tone tuning dialogs open only for a selection
// without grayscale images: false (after message 10449, stop icon) when it
// holds one.
bool SelectionAllowsColorDialog(const LayoutDocument& document);

// The selected images the colour-matched view rebuilds: every selected
// image that is not grayscale. When any was, message 10408 is shown once
// (stop icon).
std::vector<ImageObject*> ImagesForMatchedView(LayoutDocument& document);

// Whether the image's colour space is "GRAY".
bool IsGrayscaleImage(const ImageObject& image);

}  // namespace tl
