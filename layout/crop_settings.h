// The crop dialog without its widgets: the rectangle of the picture to
// keep -- drawn on the preview or typed as X, Y, width and height in
// pixels, millimetres or inches at a resolution -- whether it cuts or only
// draws a frame, and the checks OK makes before the crop is applied to the
// selected images.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/crop.h"
#include "layout/layout_services.h"

namespace tl {

// The edits, in this order.
enum CropField : int { kCropXField, kCropYField, kCropWidthField, kCropHeightField, kCropResolutionField };

// The unit box offers the unit codes 0 "pixels", 1 "mm", 2 "inch" in this order.
constexpr int kCropUnitCount = 3;

struct CropValues {
  LSize Picture;  // the current image's picture in pixels, as it is shown (turned)
  LRect Kept;     // the part of it to keep, pixels
  int Unit = 2;
  std::string Resolution;  // pixels per inch
  std::array<std::string, 4> Texts;  // X, Y, width, height in Unit
  CropChoice Choice;
  bool AutoCropped = false;  // the current image is AutoCropped: OK asks first
};

// The image the dialog shows: the current image when it is selected, else
// the first selected image; null when no image is selected.
const ImageObject* CropSourceImage(const LayoutDocument& document);

// Opens on the source image's crop (the whole picture when it has none).
bool OpenCrop(const LayoutDocument& document, CropValues& values);

// The rectangle drawn or moved on the preview (pixels of the picture):
// normalised, kept inside the picture, with the fixed ratio when it is
// set, and shown in the edits.
void SetCropRect(CropValues& values, LRect kept);

// A rectangle of `kept`'s top-left and width with the height that the
// proportions of `ratio` give.
LRect CropRectWithRatio(const LRect& kept, LSize ratio);

void ChooseCropUnit(CropValues& values, int unit);

// An edit changed: the rectangle follows what was typed (false, and the
// rectangle kept, while the edits do not read as numbers).
bool ReadCropTexts(CropValues& values);

// OK. An AutoCropped image asks whether AutoCrop may go (No keeps the
// dialog open). Edits that are no numbers, an empty side, a side beyond
// the picture, a ratio beyond 1:50, a side shorter than 0.004 inch and a
// bad resolution are refused with their messages (`badField` names the
// edit). Otherwise the crop is applied to every selected image.
bool ApplyCropValues(CropValues& values, LayoutDocument& document, int& badField,
                     LayoutServices& services = NoLayoutServices());

}  // namespace tl
