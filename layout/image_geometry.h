// The geometry of an image object: the extent of its picture (in pixels or
// layout units, cropped and turned), the size of its frame box from the
// size settings, the automatic frame, and the limits those sizes keep to.
#pragma once

#include <cstdint>

#include "document/layout_object.h"

namespace tl {

enum SizeMethodCode : int16_t {
  kSizeFixed = 1,     // the box has a given size
  kSizeRelative = 2,  // the box is a percentage of the picture's physical size
};

enum FrameSettingCode : int16_t { kFrameNone = 0, kFrameAuto = 1, kFrameCustom = 2 };
enum ImageOptionCode : int16_t { kImageOptionNone = 0, kAutoFit = 1, kAutoCrop = 2 };
enum CropModeCode : int16_t { kCropNone = 0, kCropCut = 1, kCropDrawFrame = 2 };

// SizeRelative is in tenths of a percent.
constexpr int32_t kRelativeFull = 1000;

// A computed box side must lie in 1..kMaxBoxSide; a relative size side
// beyond kMaxRelativeSide is invalid; a new image must fit 1..kMaxNewImageSide.
constexpr int32_t kMaxBoxSide = 150000;
constexpr int32_t kMaxRelativeSide = 30000;
constexpr int32_t kMaxNewImageSide = 30000;
// The sizes the size dialog accepts.
constexpr int32_t kMinTypedImageSide = 141;
constexpr int32_t kMaxTypedImageSide = 212598;

// Resolution assumed where a description gives none.
constexpr int32_t kDefaultResolution = 72;

// The picture's width and height: in pixels, or with `physical` in layout
// units at the picture's resolution (a side of more than kMaxBoxSide units
// becomes 0). A cut crop is taken off; quarter turns exchange the sides.
LSize PictureExtent(const ImageObject& image, bool physical);

// The picture's pixel size as it is shown (turned), before any crop.
LSize ShownPixelSize(const ImageObject& image);

// The box for the image's size settings and a given box: a percentage of
// the physical extent (relative size), the picture's proportions scaled to
// touch the given box (when the ratio is kept), or the given box itself.
// False, with both sides -1, when a side would be 0 or too large.
bool ImageBoxSize(const ImageObject& image, int32_t boxWidth, int32_t boxHeight, LSize& box);

// The fitting rule in force: AutoFit for relative sizes, else SizeImageOption.
int16_t EffectiveImageOptionFor(const ImageObject& image);
void UpdateEffectiveImageOption(ImageObject& image);

// An automatic frame is 5 % of the box's smaller side on every side.
void ApplyAutomaticFrame(ImageObject& image);

// Sizes a new image made from the default settings: the default box (with
// an automatic frame of 5 % of its width) or the relative box. False when
// the box is invalid or outside 1..kMaxNewImageSide.
bool SizeNewImage(ImageObject& image);

// Sizes the box again after the picture changed (a crop): a relative box
// follows the new extent; a box that keeps the picture's ratio is fitted
// to it within a square of its longer side; other boxes stay. False (box
// unchanged) when the new box would be invalid.
bool ResizeImageBox(ImageObject& image);

}  // namespace tl
