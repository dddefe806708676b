#include "imaging/label_settings.h"

#include "document/exif_fields.h"
#include "document/undo_store.h"
#include "imaging/format_image_item.h"
#include "layout/arrange.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr LabelPreset kPresets[] = {
    {41103, 0x0},       {41104, 0x1},       {41105, 0x2},       {41106, 0x4},        {41107, 0x8},
    {41108, 0x2000},    {41109, 0x3},       {41110, 0x7},       {41111, 0xB},        {41112, 0x2003},
    {41113, 0x3FF},     {41114, 0x1FFFC00}, {41115, 0x1FFFFFF},
};

constexpr int32_t kAllItems = (int32_t(1) << kLabelItemCount) - 1;

void StoreLabel(const LabelValues& v, ImageObject& m) {
  m.LabelItems = v.Items;
  m.LabelFontName = v.FontName;
  m.LabelFontSize = v.FontSize;
  m.LabelAutoSize = v.AutoSize ? 1 : 0;
  m.LabelFontColor = v.FontColor;
  m.LabelAlign = v.Align;
  m.LabelLocation = v.Location;
  m.LabelUpsideDown = v.UpsideDown ? 1 : 0;
}

bool HasExif(const ImageObject& image) { return (image.Exif.ExifPresence & kExifBlockFound) != 0; }

}  // namespace

std::span<const LabelPreset> LabelPresets() { return kPresets; }

int LabelPresetOf(int32_t items) {
  for (size_t i = 0; i < std::size(kPresets); ++i)
    if (kPresets[i].Items == items) return int(i);
  return -1;
}

std::string LabelItemName(int item) { return StringCopy(kInformationCaptionFirst + item); }

const ImageObject* TextDialogSource(const LayoutDocument& d, int target) {
  if (target == kTextDefaults) return d.DefaultImageSettings;
  if (d.CurrentImage && d.CurrentImage->Selected) return d.CurrentImage;
  for (const LayoutObject* o : d.Objects)
    if (const ImageObject* image = AsImage(o); image && image->Selected) return image;
  return nullptr;
}

bool ApplyTextChoice(LayoutDocument& d, LayoutServices& services, int target, int16_t undoCode,
                     const std::function<void(ImageObject&)>& store) {
  if (target == kTextDefaults) {
    UndoClear();
    store(*d.DefaultImageSettings);
    d.Modified = 1;
    return true;
  }
  if (!TextDialogSource(d, target) || !services.RecordUndo(d, undoCode)) return false;
  for (LayoutObject* o : d.Objects) {
    ImageObject* image = AsImage(o);
    if (!image || !image->Selected) continue;
    store(*image);
    services.ComposeLabel(*image);  // the automatic text size follows the frame
    image->NeedsRedraw = 1;
  }
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

bool OpenLabels(const LayoutDocument& d, int target, LabelValues& v) {
  const ImageObject* m = TextDialogSource(d, target);
  if (!m) return false;
  v.Target = target;
  v.Items = m->LabelItems & kAllItems;
  bool exif = target == kTextDefaults;
  for (const LayoutObject* o : d.Objects)
    if (const ImageObject* image = AsImage(o); image && image->Selected && HasExif(*image)) exif = true;
  v.ItemsShown = exif ? kLabelItemCount : kFileLabelItemCount;
  v.FontName = m->LabelFontName.str();
  v.FontSize = m->LabelFontSize;
  v.AutoSize = m->LabelAutoSize ? 1 : 0;
  v.FontColor = m->LabelFontColor;
  v.Align = m->LabelAlign;
  v.Location = m->LabelLocation;
  v.UpsideDown = m->LabelUpsideDown ? 1 : 0;
  v.CaptionLocation = m->CaptionString.empty() ? -1 : m->CaptionLocation;
  return true;
}

void ChooseLabelPreset(LabelValues& v, int preset) {
  if (preset >= 0 && preset < int(std::size(kPresets))) v.Items = kPresets[preset].Items;
}

void SetLabelItem(LabelValues& v, int item, bool shown) {
  if (item < 0 || item >= kLabelItemCount) return;
  const int32_t bit = int32_t(1) << item;
  v.Items = shown ? v.Items | bit : v.Items & ~bit;
}

std::string LabelSample(const LayoutDocument& d, const LabelValues& v, LayoutServices& services) {
  const ImageObject* source = TextDialogSource(d, v.Target);
  if (!source) return {};
  ImageObject sample = *source;
  StoreLabel(v, sample);
  services.ComposeLabel(sample);
  return sample.LabelText;
}

bool ApplyLabels(const LabelValues& v, LayoutDocument& d, LayoutServices& services) {
  return ApplyTextChoice(d, services, v.Target, kUndoLabels, [&v](ImageObject& image) { StoreLabel(v, image); });
}

}  // namespace tl
