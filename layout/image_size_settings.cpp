#include "layout/image_size_settings.h"

#include <vector>

#include "document/message_box.h"
#include "document/typed_number.h"
#include "document/undo_store.h"
#include "layout/arrange.h"
#include "layout/image_geometry.h"
#include "layout/typed_length.h"

namespace tl {
namespace {

constexpr int kOutOfRange = 10410;

// What OK has read from the edits.
struct TypedSize {
  LSize box;            // kSizeWidthField, kSizeHeightField
  LSize percent;        // tenths
  bool boxValid = false;
  bool percentValid = false;
  LRect frame;
};

std::vector<ImageObject*> SelectedImages(LayoutDocument& d) {
  std::vector<ImageObject*> images;
  for (LayoutObject* o : d.Objects)
    if (ImageObject* image = AsImage(o); image && image->Selected) images.push_back(image);
  return images;
}

LSize ShownPercent(const ImageObject& m) {
  return {m.SizeRelative.cx > 0 ? m.SizeRelative.cx : kRelativeFull,
          m.SizeRelative.cy > 0 ? m.SizeRelative.cy : kRelativeFull};
}

void ShowFrame(ImageSizeValues& v, const LRect& frame) {
  const int32_t sides[] = {frame.left, frame.top, frame.right, frame.bottom};
  for (int i = 0; i < 4; ++i) v.Frame[i] = LengthText(sides[i], v.FrameUnit);
}

bool Refuse(int field, int& badField) {
  badField = field;
  ShowMessage(kOutOfRange, MessageIcon::Stop);
  return false;
}

bool TypedSideInRange(int32_t side) { return side >= kMinTypedImageSide && side <= kMaxTypedImageSide; }
bool PercentInRange(int32_t tenths) { return tenths >= 1 && tenths <= kMaxSizePercentTenths; }

bool ReadBox(const ImageSizeValues& v, LSize& box) {
  return ReadTypedLength(v.Width, v.Unit, box.cx) && ReadTypedLength(v.Height, v.Unit, box.cy) &&
         TypedSideInRange(box.cx) && TypedSideInRange(box.cy);
}

bool ReadPercent(const ImageSizeValues& v, LSize& percent) {
  return ReadTypedTenths(v.WidthPercent, percent.cx) && ReadTypedTenths(v.HeightPercent, percent.cy) &&
         PercentInRange(percent.cx) && PercentInRange(percent.cy);
}

// The first edit of the chosen method that is refused; -1 when none.
int RefusedSizeField(const ImageSizeValues& v) {
  int32_t value = 0;
  if (v.Method == kSizeRelative) {
    if (!ReadTypedTenths(v.WidthPercent, value) || !PercentInRange(value)) return kSizeWidthPercentField;
    if (!ReadTypedTenths(v.HeightPercent, value) || !PercentInRange(value)) return kSizeHeightPercentField;
    return -1;
  }
  if (!ReadTypedLength(v.Width, v.Unit, value) || !TypedSideInRange(value)) return kSizeWidthField;
  if (!ReadTypedLength(v.Height, v.Unit, value) || !TypedSideInRange(value)) return kSizeHeightField;
  return -1;
}

int RefusedFrameField(const ImageSizeValues& v, LRect& frame) {
  int32_t* sides[] = {&frame.left, &frame.top, &frame.right, &frame.bottom};
  for (int i = 0; i < 4; ++i)
    if (!ReadTypedLength(v.Frame[i], v.FrameUnit, *sides[i]) || *sides[i] < 0) return kFrameLeftField + i;
  return -1;
}

// A custom frame must leave room for the picture inside the box.
int FrameRefusedFor(const LRect& frame, LSize box) {
  if (int64_t(frame.left) + frame.right >= box.cx) return kFrameLeftField;
  if (int64_t(frame.top) + frame.bottom >= box.cy) return kFrameTopField;
  return -1;
}

// The image's settings as the dialog sets them, on a copy, to compute its box.
void StoreSettings(const ImageSizeValues& v, const TypedSize& t, ImageObject& m) {
  m.SizeMethod = v.Method;
  m.SizeRatio = v.Constrain ? 1 : 0;
  m.SizeImageOption = v.ImageOption;
  if (t.boxValid) m.SizeAbsolute = t.box;
  if (t.percentValid) m.SizeRelative = t.percent;
  // Turning the frame off takes its widths away; a frame that was off
  // keeps whatever band it had.
  if (v.FrameSetting == kFrameCustom) m.FrameRect = t.frame;
  if (v.FrameSetting == kFrameNone && m.FrameSetting != kFrameNone) m.FrameRect = {};
  m.FrameSetting = v.FrameSetting;
  m.FrameColorValid = v.FrameColorValid;
  m.FrameColor = v.FrameColor;
  UpdateEffectiveImageOption(m);
}

// The box an image gets: for one image the typed box or its percentage of
// the picture; for several the typed box fitted to each picture.
bool BoxFor(const ImageSizeValues& v, const TypedSize& t, const ImageObject& image, LSize& box) {
  ImageObject m = image;
  StoreSettings(v, t, m);
  if (v.Target == kSizeOneImage && v.Method != kSizeRelative) {
    box = t.box;
    return true;
  }
  return ImageBoxSize(m, t.box.cx, t.box.cy, box);
}

void Resize(ImageObject& image, const ImageSizeValues& v, const TypedSize& t, LSize box, LayoutServices& services) {
  StoreSettings(v, t, image);
  image.Size = box;
  ApplyAutomaticFrame(image);
  services.ComposeLabel(image);
  image.NeedsRedraw = 1;
}

}  // namespace

const ImageObject* ImageSizeSource(const LayoutDocument& d) {
  if (d.CurrentImage && d.CurrentImage->Selected) return d.CurrentImage;
  for (const LayoutObject* o : d.Objects)
    if (const ImageObject* image = AsImage(o); image && image->Selected) return image;
  return nullptr;
}

bool OpenImageSize(const LayoutDocument& d, int target, ImageSizeValues& v) {
  const ImageObject* m = target == kSizeDefaults ? d.DefaultImageSettings : ImageSizeSource(d);
  if (!m) return false;
  v.Target = target;
  v.Method = m->SizeMethod == kSizeRelative ? kSizeRelative : kSizeFixed;
  v.Unit = v.FrameUnit = DialogUnitFor(d.DisplayUnit);
  v.Width = LengthText(m->Size.cx, v.Unit);
  v.Height = LengthText(m->Size.cy, v.Unit);
  v.PercentProportions = ShownPercent(*m);
  v.WidthPercent = TenthsText(v.PercentProportions.cx);
  v.HeightPercent = TenthsText(v.PercentProportions.cy);
  v.Constrain = m->SizeRatio ? 1 : 0;
  v.ImageOption = m->SizeImageOption;
  v.FrameSetting = m->FrameSetting;
  ShowFrame(v, m->FrameRect);
  v.FrameColorValid = m->FrameColorValid ? 1 : 0;
  v.FrameColor = m->FrameColor;
  v.Proportions = target == kSizeDefaults ? m->Size : PictureExtent(*m, true);
  if (v.Proportions.cx <= 0 || v.Proportions.cy <= 0) v.Proportions = m->Size;
  return true;
}

void ChooseImageSizeUnit(ImageSizeValues& v, int unit) {
  v.Width = ConvertLengthText(v.Width, v.Unit, unit);
  v.Height = ConvertLengthText(v.Height, v.Unit, unit);
  v.Unit = unit;
}

void ChooseFrameUnit(ImageSizeValues& v, int unit) {
  for (std::string& side : v.Frame) side = ConvertLengthText(side, v.FrameUnit, unit);
  v.FrameUnit = unit;
}

void KeepSizeProportions(ImageSizeValues& v, int changed) {
  if (!v.Constrain) return;
  const auto follow = [](int64_t typed, int64_t from, int64_t to) { return from > 0 ? (typed * to + from / 2) / from : typed; };
  int32_t typed = 0;
  switch (changed) {
    case kSizeWidthField:
      if (ReadTypedLength(v.Width, v.Unit, typed))
        v.Height = LengthText(int32_t(follow(typed, v.Proportions.cx, v.Proportions.cy)), v.Unit);
      break;
    case kSizeHeightField:
      if (ReadTypedLength(v.Height, v.Unit, typed))
        v.Width = LengthText(int32_t(follow(typed, v.Proportions.cy, v.Proportions.cx)), v.Unit);
      break;
    case kSizeWidthPercentField:
      if (ReadTypedTenths(v.WidthPercent, typed))
        v.HeightPercent =
            TenthsText(int32_t(follow(typed, v.PercentProportions.cx, v.PercentProportions.cy)));
      break;
    case kSizeHeightPercentField:
      if (ReadTypedTenths(v.HeightPercent, typed))
        v.WidthPercent = TenthsText(int32_t(follow(typed, v.PercentProportions.cy, v.PercentProportions.cx)));
      break;
  }
}

bool ApplyImageSize(ImageSizeValues& v, LayoutDocument& d, int& badField, LayoutServices& services) {
  badField = -1;
  if (const int field = RefusedSizeField(v); field >= 0) return Refuse(field, badField);
  TypedSize t;
  t.boxValid = ReadBox(v, t.box);
  t.percentValid = ReadPercent(v, t.percent);
  if (v.FrameSetting == kFrameCustom)
    if (const int field = RefusedFrameField(v, t.frame); field >= 0) return Refuse(field, badField);

  if (v.Target == kSizeDefaults) {
    ImageObject& m = *d.DefaultImageSettings;
    // The default box stays the typed one: new images sized by ratio take
    // their box from their own picture.
    if (v.FrameSetting == kFrameCustom)
      if (const int field = FrameRefusedFor(t.frame, t.box); field >= 0) return Refuse(field, badField);
    UndoClear();
    StoreSettings(v, t, m);
    m.Size = t.box;
    ApplyAutomaticFrame(m);
    d.Modified = 1;
    return true;
  }

  std::vector<ImageObject*> images = SelectedImages(d);
  if (v.Target == kSizeOneImage) {
    ImageObject* one = const_cast<ImageObject*>(ImageSizeSource(d));
    images.assign(one ? 1 : 0, one);
  }
  if (images.empty()) return false;
  std::vector<LSize> boxes(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    if (!BoxFor(v, t, *images[i], boxes[i]) ||
        (v.Method == kSizeRelative && (boxes[i].cx > kMaxRelativeSide || boxes[i].cy > kMaxRelativeSide)))
      return Refuse(v.Method == kSizeRelative ? kSizeWidthPercentField : kSizeWidthField, badField);
    if (v.FrameSetting == kFrameCustom)
      if (const int field = FrameRefusedFor(t.frame, boxes[i]); field >= 0) return Refuse(field, badField);
  }
  if (!services.RecordUndo(d, kUndoImageGeometry)) return false;
  for (size_t i = 0; i < images.size(); ++i) Resize(*images[i], v, t, boxes[i], services);
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

}  // namespace tl
