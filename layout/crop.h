// Cropping: turning the rectangle drawn on a preview into the part of the
// picture to keep, the checks a crop must pass, and applying it to the
// selected images. The dialog that draws the rectangle lives with the user
// interface.
#pragma once

#include <cstdint>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

// Messages of the crop checks.
enum CropMessage : int {
  kCropRatioTooLow = 10430,      // sides below 1:50
  kCropEmptySide = 10431,        // a side of 0
  kCropBeyondPicture = 10432,    // more pixels than the picture has
  kCropLengthTooShort = 10433,   // a side below 0.004 inch
  kCropBadResolution = 10434,
  kCropOverAutoCrop = 10440,     // the question before cropping an AutoCrop image
};

constexpr int32_t kCropMaxSideRatio = 50;
constexpr int32_t kCropMaxResolution = 65535;  // pixels per inch

// The rectangle drawn on a preview of `previewSize`, scaled per axis to a
// picture of `pictureSize` pixels and normalised (left <= right, top <=
// bottom). An empty preview gives an empty rectangle.
LRect CropRectFromPreview(const LRect& drawn, LSize previewSize, LSize pictureSize);

// The message that refuses keeping `kept` (pixels of a picture of
// `pictureSize`, at `resolution` pixels per inch), or 0 when it may be kept.
int CropRefusal(const LRect& kept, LSize pictureSize, int32_t resolution);

// Before cropping an image that is AutoCropped, asks whether AutoCrop may
// go. Yes turns AutoCrop off and keeps the picture's ratio; false on No.
// True at once for other images.
bool ConfirmCropOverAutoCrop(ImageObject& image);

// Keeps `kept` of the picture of the current image (pixels of the picture
// as it is shown, turned) and the same share of every other selected
// image, then sizes the boxes again and re-arranges. `mode` is kCropCut or
// kCropDrawFrame. A refused crop shows its message; false then, and when
// no image is selected or the undo snapshot fails.
bool ApplyCrop(LayoutDocument& document, const LRect& kept, int32_t resolution, int16_t mode,
               LayoutServices& services = NoLayoutServices());

// What the crop dialog keeps with a crop besides the rectangle.
struct CropChoice {
  int16_t Mode = 1;  // kCropCut or kCropDrawFrame
  ColorRef FrameColor = kBlack;
  int16_t FixedRatio = 0;
  int16_t Unit = 2;
  // The user agreed to lose AutoCrop: it goes from every image cropped,
  // after the undo snapshot, so that undo brings it back.
  bool AutoCropOff = false;
};

// ApplyCrop with the dialog's choices stored in every image cropped.
bool ApplyCropChoice(LayoutDocument& document, const LRect& kept, int32_t resolution, const CropChoice& choice,
                     LayoutServices& services = NoLayoutServices());

}  // namespace tl
