#include "document/undo_slots.h"

#include <new>
#include <utility>

namespace tl {
namespace {

// The fields a slot keeps, one list per kind, walked in both directions:
// f(to, from) for every field.
template <typename To, typename From, typename F>
void ImageFields(To& to, From& from, F&& f) {
  f(to.PictureSize, from.PictureSize);
  f(to.PictureRect, from.PictureRect);
  f(to.ImageNumber, from.ImageNumber);
  f(to.RotateFlip, from.RotateFlip);
  f(to.SizeRatio, from.SizeRatio);
  f(to.SizeAbsolute, from.SizeAbsolute);
  f(to.SizeRelative, from.SizeRelative);
  f(to.FrameSetting, from.FrameSetting);
  f(to.FrameRect, from.FrameRect);
  f(to.FrameColor, from.FrameColor);
  f(to.FrameColorValid, from.FrameColorValid);
  f(to.FrameRotation, from.FrameRotation);
  f(to.EffectiveImageOption, from.EffectiveImageOption);
  f(to.SizeImageOption, from.SizeImageOption);
  f(to.CropArea, from.CropArea);
  f(to.SizeMethod, from.SizeMethod);
  f(to.CropMode, from.CropMode);
  f(to.CropFrameColor, from.CropFrameColor);
  f(to.CropFixedRatio, from.CropFixedRatio);
  f(to.CropDialogUnit, from.CropDialogUnit);
  f(to.CropDialogResolution, from.CropDialogResolution);
  f(to.CropDialogState, from.CropDialogState);
  f(to.CropDialogSize, from.CropDialogSize);
  f(to.ImageSrcManagementMode, from.ImageSrcManagementMode);
  f(to.ImageSrcUseEmbedProfile, from.ImageSrcUseEmbedProfile);
  f(to.SrcProfileState, from.SrcProfileState);
  f(to.ImageSrcProfile, from.ImageSrcProfile);
  f(to.ImageSrcIntent, from.ImageSrcIntent);
  f(to.ImageSimMethod, from.ImageSimMethod);
  f(to.SimProfileState, from.SimProfileState);
  f(to.ImageSimProfile, from.ImageSimProfile);
  f(to.ImageSimIntent, from.ImageSimIntent);
  f(to.ColorTune, from.ColorTune);
  f(to.ColorTuneMode, from.ColorTuneMode);
  f(to.FrameRotate, from.FrameRotate);
  f(to.LabelItems, from.LabelItems);
  f(to.LabelLocation, from.LabelLocation);
  f(to.LabelUpsideDown, from.LabelUpsideDown);
  f(to.LabelAlign, from.LabelAlign);
  f(to.LabelText, from.LabelText);
  f(to.LabelFontName, from.LabelFontName);
  f(to.LabelFontSize, from.LabelFontSize);
  f(to.LabelAutoSize, from.LabelAutoSize);
  f(to.LabelFontColor, from.LabelFontColor);
  f(to.CaptionAlign, from.CaptionAlign);
  f(to.CaptionLocation, from.CaptionLocation);
  f(to.CaptionUpsideDown, from.CaptionUpsideDown);
  f(to.CaptionString, from.CaptionString);
  f(to.CaptionFontName, from.CaptionFontName);
  f(to.CaptionFontSize, from.CaptionFontSize);
  f(to.CaptionAutoSize, from.CaptionAutoSize);
  f(to.CaptionFontColor, from.CaptionFontColor);
  f(to.ImagePath, from.ImagePath);
  f(to.CaptureMatchingLevel, from.CaptureMatchingLevel);
}

// The corners and anchor are derived from the box and angle, but kept so a
// restored text draws at its restored angle without being measured again.
template <typename To, typename From, typename F>
void FreeTextFields(To& to, From& from, F&& f) {
  f(to.Style, from.Style);
  f(to.String, from.String);
  f(to.ColumnarWriting, from.ColumnarWriting);
  f(to.Angle, from.Angle);
  f(to.DispBackGround, from.DispBackGround);
  f(to.BackGroundColor, from.BackGroundColor);
  f(to.BoxSize, from.BoxSize);
  f(to.Anchor, from.Anchor);
  f(to.Corners, from.Corners);
}

template <typename To, typename From, typename F>
void FreeLineFields(To& to, From& from, F&& f) {
  f(to.Anchor, from.Anchor);
  f(to.LineStyle, from.LineStyle);
  f(to.Thickness, from.Thickness);
  f(to.Length, from.Length);
  f(to.Angle, from.Angle);
  f(to.LineColor, from.LineColor);
  f(to.ArrowMark, from.ArrowMark);
  f(to.ArrowAngle, from.ArrowAngle);
  f(to.ArrowFill, from.ArrowFill);
  f(to.ArrowSize, from.ArrowSize);
  f(to.End1, from.End1);
  f(to.End2, from.End2);
}

constexpr auto kAssign = [](auto& to, const auto& from) { to = from; };

// Copies the kind's fields from `from` to `to`, both of the same kind.
void CopyKindFields(LayoutObject& to, const LayoutObject& from) {
  if (ImageObject* image = AsImage(&to)) ImageFields(*image, *AsImage(&from), kAssign);
  else if (FreeTextObject* text = AsFreeText(&to)) FreeTextFields(*text, *AsFreeText(&from), kAssign);
  else if (FreeLineObject* line = AsFreeLine(&to)) FreeLineFields(*line, *AsFreeLine(&from), kAssign);
}

// An empty record of the object's kind to hold its saved fields; null for
// kinds that keep none. `failed` tells a missing record from no memory.
std::unique_ptr<LayoutObject> ValuesFor(const LayoutObject& o, bool& failed) {
  LayoutObject* values = nullptr;
  switch (o.ObjectKind) {
    case kKindImage: values = new (std::nothrow) ImageObject(); break;
    case kKindFreeText: values = new (std::nothrow) FreeTextObject(); break;
    case kKindFreeLine: values = new (std::nothrow) FreeLineObject(); break;
    default: return nullptr;
  }
  failed = values == nullptr;
  return std::unique_ptr<LayoutObject>(values);
}

}  // namespace

bool UndoSlotArray::Take(const ObjectList& list) {
  Clear();
  const size_t count = size_t(ObjectCount(list));
  std::unique_ptr<UndoSlot[]> slots(new (std::nothrow) UndoSlot[count]);
  if (!slots) return false;
  size_t i = 0;
  for (LayoutObject* o = list.Head; o; o = o->Next, ++i) {
    UndoSlot& slot = slots[i];
    slot.Object = o;
    slot.Kind = o->ObjectKind;
    slot.Selected = o->Selected;
    slot.Origin = o->Origin;
    slot.Size = o->Size;
    bool failed = false;
    slot.Values = ValuesFor(*o, failed);
    if (failed) return false;
    if (slot.Values) CopyKindFields(*slot.Values, *o);
  }
  slots_ = std::move(slots);
  count_ = count;
  return true;
}

void UndoSlotArray::Clear() {
  slots_.reset();
  count_ = 0;
}

void UndoSlotArray::Restore(const UndoSlot& slot) {
  LayoutObject* o = slot.Object;
  if (!o || o->ObjectKind != slot.Kind) return;
  o->Selected = slot.Selected;
  o->Origin = slot.Origin;
  o->Size = slot.Size;
  if (slot.Values) CopyKindFields(*o, *slot.Values);
}

void UndoSlotArray::Forget(const std::unordered_set<const LayoutObject*>& freed) {
  if (freed.empty()) return;
  for (size_t i = 0; i < count_; ++i) {
    UndoSlot& slot = slots_[i];
    if (slot.Object && freed.count(slot.Object)) {
      slot.Object = nullptr;
      slot.Values.reset();
    }
  }
}

}  // namespace tl
