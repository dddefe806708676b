#include "layout/crop.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "document/message_box.h"
#include "layout/arrange.h"
#include "layout/image_geometry.h"
#include "layout/orientation.h"

namespace tl {
namespace {

// The shortest side a crop may keep: 0.004 inch, as thousandths.
constexpr int64_t kMinSideThousandthsInch = 4;

int32_t Scale(int64_t v, int64_t to, int64_t from) { return from > 0 ? int32_t(v * to / from) : 0; }

LRect ScaleRect(const LRect& r, LSize to, LSize from) {
  return {Scale(r.left, to.cx, from.cx), Scale(r.top, to.cy, from.cy), Scale(r.right, to.cx, from.cx),
          Scale(r.bottom, to.cy, from.cy)};
}

ImageObject* ReferenceImage(LayoutDocument& d, const std::vector<ImageObject*>& selected) {
  if (d.CurrentImage && d.CurrentImage->Selected) return d.CurrentImage;
  return selected.empty() ? nullptr : selected.front();
}

// Keeps `kept` (pixels of the picture as shown) of one image.
void CropImage(ImageObject& image, const LRect& kept, int16_t mode) {
  const LRect inFile = MapRect(Inverse(OrientationOf(image.RotateFlip)), kept, ShownPixelSize(image));
  const int32_t w = image.ImageDesc.Width(), h = image.ImageDesc.Height();
  image.CropArea = {inFile.left, inFile.top, w - inFile.right, h - inFile.bottom};
  image.CropMode = mode;
}

void TurnAutoCropOff(ImageObject& image) {
  image.SizeImageOption = kImageOptionNone;
  image.EffectiveImageOption = kImageOptionNone;
  image.SizeRatio = 1;
}

}  // namespace

LRect CropRectFromPreview(const LRect& drawn, LSize previewSize, LSize pictureSize) {
  if (previewSize.cx <= 0 || previewSize.cy <= 0) return {};
  LRect r = ScaleRect(drawn, pictureSize, previewSize);
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

int CropRefusal(const LRect& kept, LSize pictureSize, int32_t resolution) {
  if (resolution < 1 || resolution > kCropMaxResolution) return kCropBadResolution;
  const int64_t w = int64_t(kept.right) - kept.left;
  const int64_t h = int64_t(kept.bottom) - kept.top;
  if (w <= 0 || h <= 0) return kCropEmptySide;
  if (kept.left < 0 || kept.top < 0 || kept.right > pictureSize.cx || kept.bottom > pictureSize.cy)
    return kCropBeyondPicture;
  if (std::max(w, h) > kCropMaxSideRatio * std::min(w, h)) return kCropRatioTooLow;
  if (std::min(w, h) * 1000 < kMinSideThousandthsInch * resolution) return kCropLengthTooShort;
  return 0;
}

bool ConfirmCropOverAutoCrop(ImageObject& image) {
  if (EffectiveImageOptionFor(image) != kAutoCrop) return true;
  if (ShowMessage(kCropOverAutoCrop, MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No) !=
      MessageAnswer::Yes)
    return false;
  TurnAutoCropOff(image);
  return true;
}

bool ApplyCrop(LayoutDocument& d, const LRect& kept, int32_t resolution, int16_t mode, LayoutServices& services) {
  CropChoice choice;
  choice.Mode = mode;
  return ApplyCropChoice(d, kept, resolution, choice, services);
}

bool ApplyCropChoice(LayoutDocument& d, const LRect& kept, int32_t resolution, const CropChoice& choice,
                     LayoutServices& services) {
  std::vector<ImageObject*> selected;
  for (LayoutObject* o : d.Objects)
    if (ImageObject* image = AsImage(o); image && image->Selected) selected.push_back(image);
  ImageObject* reference = ReferenceImage(d, selected);
  if (!reference) return false;

  const LSize shown = ShownPixelSize(*reference);
  if (const int refusal = CropRefusal(kept, shown, resolution)) {
    ShowMessage(refusal, MessageIcon::Exclamation);
    return false;
  }
  if (!services.RecordUndo(d, kChangeAddObject)) return false;

  for (ImageObject* image : selected) {
    if (choice.AutoCropOff && EffectiveImageOptionFor(*image) == kAutoCrop) TurnAutoCropOff(*image);
    // Other images keep the same share of their own pictures.
    const LSize own = ShownPixelSize(*image);
    CropImage(*image, image == reference ? kept : ScaleRect(kept, own, shown), choice.Mode);
    image->CropDialogResolution = resolution;
    image->CropDialogUnit = choice.Unit;
    image->CropFrameColor = choice.FrameColor;
    image->CropFixedRatio = choice.FixedRatio;
    ResizeImageBox(*image);
    services.ComposeLabel(*image);
    image->NeedsRedraw = 1;
  }
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

}  // namespace tl
