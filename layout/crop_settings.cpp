#include "layout/crop_settings.h"

#include <algorithm>
#include <utility>

#include "document/message_box.h"
#include "document/typed_number.h"
#include "layout/image_geometry.h"
#include "layout/orientation.h"
#include "layout/typed_length.h"
#include "layout/units.h"

namespace tl {
namespace {

int32_t Resolution(const CropValues& v) {
  int32_t resolution = 0;
  return ReadTypedInteger(v.Resolution, resolution) ? resolution : 0;
}

std::string PixelText(int32_t pixels, const CropValues& v) {
  const int32_t resolution = Resolution(v);
  if (v.Unit == kUnitPixels || resolution <= 0) return std::to_string(pixels);
  const int64_t units = (int64_t(pixels) * kLayoutUnitsPerInch + resolution / 2) / resolution;
  return LengthText(int32_t(std::clamp<int64_t>(units, INT32_MIN, INT32_MAX)), v.Unit);
}

bool ReadPixels(const std::string& text, const CropValues& v, int32_t& pixels) {
  if (v.Unit == kUnitPixels) return ReadTypedInteger(text, pixels);
  const int32_t resolution = Resolution(v);
  int32_t units = 0;
  if (resolution <= 0 || !ReadTypedLength(text, v.Unit, units)) return false;
  const int64_t p = int64_t(units) * resolution;
  pixels = int32_t(std::clamp<int64_t>((p + (p < 0 ? -1 : 1) * kLayoutUnitsPerInch / 2) / kLayoutUnitsPerInch,
                                       INT32_MIN, INT32_MAX));
  return true;
}

void ShowRect(CropValues& v) {
  const LRect& k = v.Kept;
  v.Texts = {PixelText(k.left, v), PixelText(k.top, v), PixelText(k.Width(), v), PixelText(k.Height(), v)};
}

// Reads the edits as a rectangle; the first edit that is no number in `bad`.
bool ReadRect(const CropValues& v, LRect& kept, int& bad) {
  int32_t x = 0, y = 0, w = 0, h = 0;
  int32_t* values[] = {&x, &y, &w, &h};
  for (int i = 0; i < 4; ++i)
    if (!ReadPixels(v.Texts[i], v, *values[i])) {
      bad = i;
      return false;
    }
  kept = {x, y, int32_t(std::min<int64_t>(int64_t(x) + w, INT32_MAX)),
          int32_t(std::min<int64_t>(int64_t(y) + h, INT32_MAX))};
  return true;
}

// The edit a refusal of the crop checks points at.
int FieldOf(int message, const LRect& k, LSize picture) {
  switch (message) {
    case kCropBadResolution: return kCropResolutionField;
    case kCropEmptySide: return k.Width() <= 0 ? kCropWidthField : kCropHeightField;
    case kCropBeyondPicture:
      if (k.left < 0) return kCropXField;
      if (k.top < 0) return kCropYField;
      return k.right > picture.cx ? kCropWidthField : kCropHeightField;
    default: return k.Width() <= k.Height() ? kCropWidthField : kCropHeightField;
  }
}

bool Refuse(int message, int field, int& badField) {
  badField = field;
  ShowMessage(message, MessageIcon::Exclamation);
  return false;
}

}  // namespace

const ImageObject* CropSourceImage(const LayoutDocument& d) {
  if (d.CurrentImage && d.CurrentImage->Selected) return d.CurrentImage;
  for (const LayoutObject* o : d.Objects)
    if (const ImageObject* image = AsImage(o); image && image->Selected) return image;
  return nullptr;
}

bool OpenCrop(const LayoutDocument& d, CropValues& v) {
  const ImageObject* image = CropSourceImage(d);
  if (!image) return false;
  const LSize file = {image->ImageDesc.Width(), image->ImageDesc.Height()};
  v.Picture = ShownPixelSize(*image);
  v.Kept = {0, 0, v.Picture.cx, v.Picture.cy};
  if (image->CropMode != kCropNone) {
    const LRect& c = image->CropArea;
    const LRect inFile = {c.left, c.top, file.cx - c.right, file.cy - c.bottom};
    v.Kept = MapRect(OrientationOf(image->RotateFlip), inFile, file);
  }
  v.Unit = image->CropDialogUnit >= 0 && image->CropDialogUnit < kCropUnitCount ? int(image->CropDialogUnit) : int(kUnitInch);
  // A picture never cropped is measured at its own resolution.
  const int32_t own = image->ImageDesc.HResolution();
  const int32_t resolution =
      image->CropMode == kCropNone && own > 0 ? own : std::max(1, image->CropDialogResolution);
  v.Resolution = std::to_string(resolution);
  v.Choice.Mode = image->CropMode == kCropDrawFrame ? kCropDrawFrame : kCropCut;
  v.Choice.FrameColor = image->CropFrameColor;
  v.Choice.FixedRatio = image->CropFixedRatio ? 1 : 0;
  v.Choice.Unit = int16_t(v.Unit);
  v.AutoCropped = EffectiveImageOptionFor(*image) == kAutoCrop;
  ShowRect(v);
  return true;
}

LRect CropRectWithRatio(const LRect& k, LSize ratio) {
  if (ratio.cx <= 0 || ratio.cy <= 0) return k;
  const int64_t h = (int64_t(k.Width()) * ratio.cy + ratio.cx / 2) / ratio.cx;
  return {k.left, k.top, k.right, int32_t(std::min<int64_t>(int64_t(k.top) + h, INT32_MAX))};
}

void SetCropRect(CropValues& v, LRect k) {
  if (k.left > k.right) std::swap(k.left, k.right);
  if (k.top > k.bottom) std::swap(k.top, k.bottom);
  if (v.Choice.FixedRatio) k = CropRectWithRatio(k, {v.Kept.Width(), v.Kept.Height()});
  k.left = std::clamp(k.left, 0, v.Picture.cx);
  k.right = std::clamp(k.right, k.left, v.Picture.cx);
  k.top = std::clamp(k.top, 0, v.Picture.cy);
  k.bottom = std::clamp(k.bottom, k.top, v.Picture.cy);
  v.Kept = k;
  ShowRect(v);
}

void ChooseCropUnit(CropValues& v, int unit) {
  if (unit < 0 || unit >= kCropUnitCount) return;
  LRect kept;
  int bad = 0;
  const bool typed = ReadRect(v, kept, bad);
  v.Unit = unit;
  v.Choice.Unit = int16_t(unit);
  if (typed) v.Kept = kept;
  ShowRect(v);
}

bool ReadCropTexts(CropValues& v) {
  LRect kept;
  int bad = 0;
  if (!ReadRect(v, kept, bad)) return false;
  v.Kept = kept;
  return true;
}

bool ApplyCropValues(CropValues& v, LayoutDocument& d, int& badField, LayoutServices& services) {
  badField = -1;
  if (v.AutoCropped) {
    // Asked once: a refusal below keeps the answer for the next OK.
    if (ShowMessage(kCropOverAutoCrop, MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No) !=
        MessageAnswer::Yes)
      return false;
    v.AutoCropped = false;
    v.Choice.AutoCropOff = true;
  }
  int32_t resolution = 0;
  if (!ReadTypedInteger(v.Resolution, resolution) || resolution < 1 || resolution > kCropMaxResolution)
    return Refuse(kCropBadResolution, kCropResolutionField, badField);
  LRect kept;
  int bad = 0;
  if (!ReadRect(v, kept, bad)) return Refuse(kCropEmptySide, bad, badField);
  if (const int message = CropRefusal(kept, v.Picture, resolution))
    return Refuse(message, FieldOf(message, kept, v.Picture), badField);
  v.Kept = kept;
  return ApplyCropChoice(d, kept, resolution, v.Choice, services);
}

}  // namespace tl
