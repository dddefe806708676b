#include "color/tone_tuning.h"

#include <algorithm>

#include "color/selection_refusals.h"
#include "document/layout_document.h"
#include "document/message_box.h"

namespace tl {
namespace {

bool OneImageIsCurrent(const LayoutDocument& document) {
  return document.CurrentImage && document.SelectedImageCount == 1 && document.SelectedOtherCount == 0;
}

int LevelToSlider(int level) {
  return std::clamp(level + kTuningSliderMiddle, 0, kTuningSliderMax);
}

}  // namespace

bool ToneTuningAllowed(const LayoutDocument& document) {
  if (!SelectionAllowsColorDialog(document)) return false;
  for (const LayoutObject* object : document.Objects) {
    const ImageObject* image = AsImage(object);
    if (image && image->Selected && image->CaptureMatchingLevel != 0) {
      ShowMessage(kTuningNotExecutableMessage, MessageIcon::Stop);
      return false;
    }
  }
  return true;
}

ToneTuningChoice InitialToneTuningChoice(const LayoutDocument& document) {
  ToneTuningChoice choice;
  if (!OneImageIsCurrent(document)) return choice;
  const ImageObject& image = *document.CurrentImage;
  switch (image.ColorTuneMode) {
    case kTuningOff:
      choice.Mode = kTuningOff;
      break;
    case kTuningCustom:
      choice.Mode = kTuningCustom;
      for (int i = 0; i < kTuningKindCount; ++i) choice.Sliders[i] = LevelToSlider(image.ColorTune[i]);
      break;
    default:
      choice.Mode = kTuningAutomatic;
      break;
  }
  return choice;
}

void ConfirmToneTuning(LayoutDocument& document, const ToneTuningChoice& choice) {
  for (LayoutObject* object : document.Objects) {
    ImageObject* image = AsImage(object);
    if (!image || !image->Selected) continue;
    image->ColorTuneMode = choice.Mode == kTuningCustom ? kTuningCustom
                           : choice.Mode == kTuningOff  ? kTuningOff
                                                        : kTuningAutomatic;
    for (int i = 0; i < kTuningKindCount; ++i)
      image->ColorTune[i] =
          int16_t(image->ColorTuneMode == kTuningCustom
                      ? std::clamp(choice.Sliders[i], 0, kTuningSliderMax) - kTuningSliderMiddle
                      : 0);
    image->NeedsRedraw = 1;
  }
  document.Modified = 1;
}

std::vector<TuningStep> TuningSteps(const ImageObject& image) {
  std::vector<TuningStep> steps;
  if (image.ColorTuneMode != kTuningCustom) return steps;
  for (int i = 0; i < kTuningKindCount; ++i)
    if (image.ColorTune[i] != 0) steps.push_back({kTuneBright + i, image.ColorTune[i]});
  return steps;
}

}  // namespace tl
