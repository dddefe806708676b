// The texts of the colour dialogs' controls (Output, Input and Image Color
// Management, Color Tone Tuning) and of the colour-matched view's progress,
// from the string table.
#pragma once

#include <array>
#include <string>

namespace tl {

constexpr int kIntentCount = 5;

struct ColorDialogTexts {
  std::string OutputTitle, InputTitle, ImageTitle, TuningTitle, MatchedViewTitle;
  std::string MonitorProfile, PrinterProfile, Monitor, ByApplication, ByPrinterDriver;
  std::string UseVdx, DefaultSource, SourceProfile, Intents, UseEmbedded, Simulation, Off, Rgb, Cmyk;
  std::string Vividex, ExifPrint, EmbeddedProfile, RgbProfile, ResetByInput;
  std::string AutomaticTuning, CustomTuning, Brightness, Contrast, Vividness;
  // "Perceptual", "Saturation", "Relative Colorimetric", "Absolute
  // Colorimetric", "Endorsed by profile": the intent lists, in code order.
  std::array<std::string, kIntentCount> IntentNames;
};

ColorDialogTexts LoadColorDialogTexts();

}  // namespace tl
