#include "color/tone_tuning.h"

#include <algorithm>

#include "color/match_bitmap.h"
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

int16_t ChosenMode(int16_t mode) {
  return mode == kTuningCustom ? kTuningCustom : mode == kTuningOff ? kTuningOff : kTuningAutomatic;
}

int16_t SliderLevel(int slider) { return int16_t(std::clamp(slider, 0, kTuningSliderMax) - kTuningSliderMiddle); }

// A copy of `source` no larger than `maxSide` on either side, sampled.
BitmapPtr SampledCopy(const OffscreenBitmap& source, int32_t maxSide) {
  const int32_t longer = std::max(source.Width, source.Height);
  const int32_t width = longer > maxSide ? std::max(1, int32_t(int64_t(source.Width) * maxSide / longer)) : source.Width;
  const int32_t height =
      longer > maxSide ? std::max(1, int32_t(int64_t(source.Height) * maxSide / longer)) : source.Height;
  BitmapPtr copy = OffscreenBitmapNew(width, height);
  if (!copy) return nullptr;
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* from = source.Row(int32_t(int64_t(y) * source.Height / height));
    uint8_t* to = copy->Row(y);
    for (int32_t x = 0; x < width; ++x) {
      const uint8_t* pixel = from + size_t(int64_t(x) * source.Width / width) * OffscreenBitmap::kBytesPerPixel;
      std::copy(pixel, pixel + OffscreenBitmap::kBytesPerPixel, to + size_t(x) * OffscreenBitmap::kBytesPerPixel);
    }
  }
  return copy;
}

}  // namespace

BitmapPtr TunedPreview(const ImageObject& image, const ToneTuningChoice& choice, int32_t maxSide) {
  if (!image.Preview || !image.Preview->Pixels || maxSide <= 0) return nullptr;
  BitmapPtr preview = SampledCopy(*image.Preview, maxSide);
  if (!preview) return nullptr;
  ImageObject tuned = image;
  tuned.ColorTuneMode = choice.Mode == kTuningCustom ? kTuningCustom : kTuningOff;
  for (int i = 0; i < kTuningKindCount; ++i)
    tuned.ColorTune[size_t(i)] = tuned.ColorTuneMode == kTuningCustom ? SliderLevel(choice.Sliders[size_t(i)]) : 0;
  return MatchBitmap(*preview, tuned, kMatchScreenTuned) ? std::move(preview) : nullptr;
}

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
    image->ColorTuneMode = ChosenMode(choice.Mode);
    for (int i = 0; i < kTuningKindCount; ++i)
      image->ColorTune[i] = image->ColorTuneMode == kTuningCustom ? SliderLevel(choice.Sliders[i]) : 0;
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
