// The "Image Size" dialog without its widgets: the Size tab (a box in the
// dialog's unit or a percentage of the picture's physical size, whether
// the proportions are kept, how the picture fills the box) and the Frame
// tab (none, automatic or custom widths, transparent or coloured), for the
// default settings of new images, one image, or several selected images.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum ImageSizeTarget : int { kSizeDefaults, kSizeOneImage, kSizeSeveralImages };

// The edits, for the one to select after a refusal.
enum ImageSizeField : int {
  kSizeWidthField,
  kSizeHeightField,
  kSizeWidthPercentField,
  kSizeHeightPercentField,
  kFrameLeftField,
  kFrameTopField,
  kFrameRightField,
  kFrameBottomField,
};

// The largest percentage the Ratio edits take, in tenths (10000 %).
constexpr int32_t kMaxSizePercentTenths = 100000;

struct ImageSizeValues {
  int Target = kSizeDefaults;
  int16_t Method = 1;  // SizeMethod: 1 "Dimensions:", 2 "Ratio:"
  int Unit = 0;
  std::string Width, Height;                // the box, in Unit
  std::string WidthPercent, HeightPercent;  // one decimal
  int32_t Constrain = 1;                    // SizeRatio
  int16_t ImageOption = 0;                  // 0 "Off", 1 "AutoFit", 2 "AutoCrop"
  int16_t FrameSetting = 0;                 // 0 "Off", 1 "Automatic", 2 "Custom"
  int FrameUnit = 0;
  std::array<std::string, 4> Frame;  // left, top, right, bottom in FrameUnit
  int32_t FrameColorValid = 0;       // 0 "Transparent", 1 "Color"
  ColorRef FrameColor = kWhite;
  // What "Constrain Proportions" keeps: the picture's physical extent for
  // images, the box itself for the default settings; and the percentages'
  // own proportion.
  LSize Proportions;
  LSize PercentProportions;
};

// The image whose values the dialog shows for the selected images: the
// current image when it is selected, else the first selected image.
const ImageObject* ImageSizeSource(const LayoutDocument& document);

// False when the target has no image to show (nothing selected).
bool OpenImageSize(const LayoutDocument& document, int target, ImageSizeValues& values);

void ChooseImageSizeUnit(ImageSizeValues& values, int unit);
void ChooseFrameUnit(ImageSizeValues& values, int unit);

// With "Constrain Proportions" set, the field paired with `changed` (width
// with height, and the two percentages) follows what was typed into it.
void KeepSizeProportions(ImageSizeValues& values, int changed);

// OK. Sizes outside 141 ... 212598 layout units, percentages that make a
// box the limits refuse, and frame widths that do not leave room for the
// picture are refused with "Out of range." (`badField` names the edit);
// nothing changes then. Otherwise the values are stored under the undo
// snapshot of image geometry (the default settings forget the snapshot),
// the boxes sized, labels rebuilt and the layout arranged again.
bool ApplyImageSize(ImageSizeValues& values, LayoutDocument& document, int& badField,
                    LayoutServices& services = NoLayoutServices());

}  // namespace tl
