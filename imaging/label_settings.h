// The label dialog without its widgets: which file and Exif items a
// picture's label shows (item by item or through a preset), its font,
// size, colour, alignment, side and direction, and a sample of the text
// that will print. It works on the selected images or on the default
// settings of new images.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum TextDialogTarget : int { kTextSelectedImages, kTextDefaults };

// The items the list always shows; the Exif items follow for images that
// carry Exif data.
constexpr int kFileLabelItemCount = 10;

struct LabelPreset {
  int NameString;
  int32_t Items;
};

// "Off", "Number", ... "All Items", in the order of the preset box.
std::span<const LabelPreset> LabelPresets();
// The preset box's entry for `items`; -1 for "Custom".
int LabelPresetOf(int32_t items);
constexpr int kCustomPresetString = 41116;

// Item i of the list (bit 1 << i) by name.
std::string LabelItemName(int item);

struct LabelValues {
  int Target = kTextSelectedImages;
  int32_t Items = 0;
  int ItemsShown = kLabelItemCount;  // kFileLabelItemCount without Exif data
  std::string FontName;
  int16_t FontSize = 0;
  int32_t AutoSize = 0;  // "Automatic"
  ColorRef FontColor = kBlack;
  int16_t Align = 0;     // 0 left, 1 centre, 2 right
  int16_t Location = 1;  // 0 top, 1 bottom, 2 left, 3 right
  int32_t UpsideDown = 0;
  int16_t CaptionLocation = -1;  // the side the caption keeps, -1 when none
};

// The image the dialog shows for the selected images: the current image
// when selected, else the first selected one.
const ImageObject* TextDialogSource(const LayoutDocument& document, int target);

// Writes what a label or caption dialog chose: into the defaults for new
// images (which ends the undo list), or into every selected image under one
// undo step `undoCode`, each label composed again and the layout arranged.
// False when no image takes it or the undo step cannot be taken.
bool ApplyTextChoice(LayoutDocument& document, LayoutServices& services, int target, int16_t undoCode,
                     const std::function<void(ImageObject&)>& store);

// False when the target has no image to show.
bool OpenLabels(const LayoutDocument& document, int target, LabelValues& values);

void ChooseLabelPreset(LabelValues& values, int preset);
void SetLabelItem(LabelValues& values, int item, bool shown);

// The label the source image would get with these values.
std::string LabelSample(const LayoutDocument& document, const LabelValues& values,
                        LayoutServices& services = NoLayoutServices());

// OK: the values go to every selected image (under the labels' undo
// snapshot) and their labels are composed again, or to the default
// settings (the undo snapshot is forgotten). False when nothing was
// changed.
bool ApplyLabels(const LabelValues& values, LayoutDocument& document, LayoutServices& services = NoLayoutServices());

}  // namespace tl
