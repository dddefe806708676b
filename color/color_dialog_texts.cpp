#include "color/color_dialog_texts.h"

#include "resources/string_table.h"

namespace tl {
namespace {

enum ColorDialogText : int {
  kOutputTitle = 40620,
  kMonitorProfile,
  kByApplication,
  kByPrinterDriver,
  kMonitor,
  kInputTitle,
  kUseVdx,
  kDefaultSource,
  kIntents,
  kUseEmbedded,
  kSimulation,
  kOff,
  kRgb,
  kCmyk,
  kImageTitle,
  kVividex,
  kExifPrint,
  kEmbeddedProfile,
  kRgbProfile,
  kResetByInput,
  kFirstIntent,  // five intents in code order
  kTuningTitle = kFirstIntent + kIntentCount,
  kAutomaticTuning,
  kCustomTuning,
  kBrightness,
  kContrast,
  kVividness,
  kMatchedViewTitle,
};
constexpr int kPrinterProfile = 40613;  // shared with the side panel
constexpr int kSourceProfile = 32865;   // shared with the image information

}  // namespace

ColorDialogTexts LoadColorDialogTexts() {
  ColorDialogTexts t;
  t.OutputTitle = StringCopy(kOutputTitle);
  t.InputTitle = StringCopy(kInputTitle);
  t.ImageTitle = StringCopy(kImageTitle);
  t.TuningTitle = StringCopy(kTuningTitle);
  t.MatchedViewTitle = StringCopy(kMatchedViewTitle);
  t.MonitorProfile = StringCopy(kMonitorProfile);
  t.PrinterProfile = StringCopy(kPrinterProfile);
  t.Monitor = StringCopy(kMonitor);
  t.ByApplication = StringCopy(kByApplication);
  t.ByPrinterDriver = StringCopy(kByPrinterDriver);
  t.UseVdx = StringCopy(kUseVdx);
  t.DefaultSource = StringCopy(kDefaultSource);
  t.SourceProfile = StringCopy(kSourceProfile);
  t.Intents = StringCopy(kIntents);
  t.UseEmbedded = StringCopy(kUseEmbedded);
  t.Simulation = StringCopy(kSimulation);
  t.Off = StringCopy(kOff);
  t.Rgb = StringCopy(kRgb);
  t.Cmyk = StringCopy(kCmyk);
  t.Vividex = StringCopy(kVividex);
  t.ExifPrint = StringCopy(kExifPrint);
  t.EmbeddedProfile = StringCopy(kEmbeddedProfile);
  t.RgbProfile = StringCopy(kRgbProfile);
  t.ResetByInput = StringCopy(kResetByInput);
  for (int i = 0; i < kIntentCount; ++i) t.IntentNames[size_t(i)] = StringCopy(kFirstIntent + i);
  t.AutomaticTuning = StringCopy(kAutomaticTuning);
  t.CustomTuning = StringCopy(kCustomTuning);
  t.Brightness = StringCopy(kBrightness);
  t.Contrast = StringCopy(kContrast);
  t.Vividness = StringCopy(kVividness);
  return t;
}

}  // namespace tl
