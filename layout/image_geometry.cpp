#include "layout/image_geometry.h"

#include <algorithm>
#include <utility>

#include "document/geometry.h"
#include "layout/orientation.h"

namespace tl {
namespace {

constexpr int32_t kAutomaticFrameDivisor = 20;  // 5 %

int64_t PhysicalSide(int64_t pixels, int32_t resolution) {
  if (resolution <= 0) resolution = kDefaultResolution;
  const int64_t units = pixels * kLayoutUnitsPerInch / resolution;
  return units > kMaxBoxSide ? 0 : units;
}

int64_t Cropped(int64_t pixels, int32_t before, int32_t after) {
  return std::max<int64_t>(0, pixels - std::max(0, before) - std::max(0, after));
}

// The box keeps the picture's proportions when asked to, and also when
// nothing else (a frame, a fitting rule) says how the picture fills it.
bool KeepsPictureRatio(const ImageObject& image) {
  return image.SizeRatio || (image.FrameSetting == kFrameNone && EffectiveImageOptionFor(image) == kImageOptionNone);
}

bool ValidBoxSide(int64_t side) { return side > 0 && side <= kMaxBoxSide; }

}  // namespace

LSize PictureExtent(const ImageObject& image, bool physical) {
  int64_t w = image.ImageDesc.Width();
  int64_t h = image.ImageDesc.Height();
  if (image.CropMode == kCropCut) {
    w = Cropped(w, image.CropArea.left, image.CropArea.right);
    h = Cropped(h, image.CropArea.top, image.CropArea.bottom);
  }
  if (physical) {
    w = PhysicalSide(w, image.ImageDesc.HResolution());
    h = PhysicalSide(h, image.ImageDesc.VResolution());
  }
  if (IsQuarterTurned(image.RotateFlip)) std::swap(w, h);
  return {int32_t(w), int32_t(h)};
}

LSize ShownPixelSize(const ImageObject& image) {
  LSize size = {image.ImageDesc.Width(), image.ImageDesc.Height()};
  if (IsQuarterTurned(image.RotateFlip)) std::swap(size.cx, size.cy);
  return size;
}

bool ImageBoxSize(const ImageObject& image, int32_t boxWidth, int32_t boxHeight, LSize& box) {
  int64_t w = boxWidth, h = boxHeight;
  if (image.SizeMethod == kSizeRelative) {
    const LSize extent = PictureExtent(image, true);
    w = (int64_t(extent.cx) * image.SizeRelative.cx + kRelativeFull / 2) / kRelativeFull;
    h = (int64_t(extent.cy) * image.SizeRelative.cy + kRelativeFull / 2) / kRelativeFull;
    if (w > kMaxRelativeSide || h > kMaxRelativeSide) w = h = 0;
  } else if (KeepsPictureRatio(image)) {
    const LSize picture = PictureExtent(image, false);
    const int64_t pw = picture.cx, ph = picture.cy;
    if (pw <= 0 || ph <= 0) {
      w = h = 0;
    } else if (ph * w >= pw * h) {
      w = (pw * h + ph / 2) / ph;
    } else {
      h = (ph * w + pw / 2) / pw;
    }
  }
  if (!ValidBoxSide(w) || !ValidBoxSide(h)) {
    box = {-1, -1};
    return false;
  }
  box = {int32_t(w), int32_t(h)};
  return true;
}

int16_t EffectiveImageOptionFor(const ImageObject& image) {
  return image.SizeMethod == kSizeRelative ? int16_t(kAutoFit) : image.SizeImageOption;
}

void UpdateEffectiveImageOption(ImageObject& image) { image.EffectiveImageOption = EffectiveImageOptionFor(image); }

void ApplyAutomaticFrame(ImageObject& image) {
  if (image.FrameSetting != kFrameAuto) return;
  const int32_t side = std::max(0, std::min(image.Size.cx, image.Size.cy) / kAutomaticFrameDivisor);
  image.FrameRect = {side, side, side, side};
}

bool SizeNewImage(ImageObject& image) {
  if (image.SizeMethod == kSizeRelative) {
    LSize box;
    if (!ImageBoxSize(image, 0, 0, box)) return false;
    image.Size = box;
    ApplyAutomaticFrame(image);
  } else if (image.FrameSetting == kFrameAuto) {
    // The default box is the frame box; its frame follows the box width.
    const int32_t side = std::max(0, image.Size.cx / kAutomaticFrameDivisor);
    image.FrameRect = {side, side, side, side};
  }
  UpdateEffectiveImageOption(image);
  const auto inRange = [](int32_t side) { return side >= 1 && side <= kMaxNewImageSide; };
  return inRange(image.Size.cx) && inRange(image.Size.cy);
}

bool ResizeImageBox(ImageObject& image) {
  LSize box;
  if (image.SizeMethod == kSizeRelative) {
    if (!ImageBoxSize(image, 0, 0, box)) return false;
  } else if (KeepsPictureRatio(image)) {
    const int32_t side = std::max(image.Size.cx, image.Size.cy);
    if (!ImageBoxSize(image, side, side, box)) return false;
  } else {
    return true;
  }
  image.Size = box;
  ApplyAutomaticFrame(image);
  return true;
}

}  // namespace tl
