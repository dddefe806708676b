// Colour tone tuning: the tuning mode and the three levels (brightness,
// contrast, vividness; -3..+3) of an image, and the operations of the
// "Color Tone Tuning" dialog on the selected images. Custom tuning puts a
// tuning profile per non-zero level into the colour conversion chain;
// automatic tuning is done by the capture-matching path.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "color/tuning_profile_name.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;
struct LayoutDocument;

enum ToneTuningMode : int16_t {
  kTuningOff = 0,
  kTuningAutomatic = 1,
  kTuningCustom = 2,
};

constexpr int kTuningNotExecutableMessage = 10400;  // "Color Tone Tuning is not executable ..."
constexpr int kTuningSliderMax = 6;
constexpr int kTuningSliderMiddle = 3;  // level 0

// What the dialog shows and confirms: the chosen mode and the three
// slider positions (0..6, level + 3).
struct ToneTuningChoice {
  int16_t Mode = kTuningAutomatic;
  std::array<int, kTuningKindCount> Sliders = {kTuningSliderMiddle, kTuningSliderMiddle, kTuningSliderMiddle};
};

// Whether the dialog may open for the selection: false, after the message
// (stop icon), when a selected image is grayscale (10449) or carries
// capture-matching data (10400).
bool ToneTuningAllowed(const LayoutDocument& document);

// The dialog's first state: the current image's mode and levels when
// exactly one image is current (an unknown mode shows as automatic), else
// automatic tuning with the sliders in the middle.
ToneTuningChoice InitialToneTuningChoice(const LayoutDocument& document);

// The sliders are live only for custom tuning.
inline bool ToneTuningSlidersEnabled(const ToneTuningChoice& choice) { return choice.Mode == kTuningCustom; }

// OK: every selected image takes the choice; off and automatic clear the
// levels. The caller records the undo snapshot first.
void ConfirmToneTuning(LayoutDocument& document, const ToneTuningChoice& choice);

// The dialog's preview: the image's preview, at most `maxSide` pixels on
// its longer side, matched for the screen as the choice would tune it
// (custom tuning with its levels; the other modes untuned). Null when the
// image has no preview or its colours cannot be matched.
BitmapPtr TunedPreview(const ImageObject& image, const ToneTuningChoice& choice, int32_t maxSide);

// The tuning profiles an image's conversion uses, in chain order: one
// (kind, level) per non-zero level, only for custom tuning.
struct TuningStep {
  int Kind;
  int Level;
};
std::vector<TuningStep> TuningSteps(const ImageObject& image);

}  // namespace tl
