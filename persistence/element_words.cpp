#include "persistence/element_words.h"

namespace tl {
namespace {

constexpr ElementWord kHorizontalAlign[] = {
    {"Left", 1}, {"Center", 4}, {"Right", 2}, {"Justify", 5}, {"Equal Spacing", 6}};
constexpr ElementWord kVerticalAlign[] = {{"Top", 1}, {"Center", 4}, {"Bottom", 2}};
constexpr ElementWord kIntents[] = {{"Perceptual", 1},
                                    {"Saturation", 2},
                                    {"Relative Colormetric", 3},
                                    {"Absolute Colormetric", 4},
                                    {"Endorsed by Profile", 5}};
constexpr ElementWord kSimulationMethods[] = {{"Off", 0}, {"RGB", 2}, {"CMYK", 1}};
constexpr ElementWord kPrinterControls[] = {{"By Application", 1}, {"By Printer Driver", 3}};
constexpr ElementWord kSizeMethods[] = {{"Dimensions", 1}, {"Ratio", 2}};
constexpr ElementWord kImageOptions[] = {{"Off", 0}, {"AutoFit", 1}, {"AutoCrop", 2}};
constexpr ElementWord kFrameSettings[] = {{"Off", 0}, {"Auto", 1}, {"Custom", 2}};
constexpr ElementWord kCropModes[] = {{"Off", 0}, {"Crop", 1}, {"DrawFrame", 2}};
constexpr ElementWord kTextAligns[] = {{"Left", 0}, {"Center", 1}, {"Right", 2}};
constexpr ElementWord kTextLocations[] = {{"Top", 0}, {"Bottom", 1}, {"Left", 2}, {"Right", 3}};
constexpr ElementWord kManagementModes[] = {{"RGB Profile", 0}, {"Exif", 2}, {"VDX", 4}, {"VDX/Exif", 6}};
constexpr ElementWord kTuneModes[] = {{"Off", 0}, {"Auto", 1}, {"Custom", 2}};
constexpr ElementWord kPageOrientations[] = {{"Portrait", 1}, {"Landscape", 2}};
constexpr ElementWord kAutoRotations[] = {{"Off", 0},
                                          {"Use Exif Information", 1},
                                          {"Widthways(CW)", 2},
                                          {"Widthways(CCW)", 3},
                                          {"Lengthways(CW)", 4},
                                          {"Lengthways(CCW)", 5}};
constexpr ElementWord kJustify[] = {{"Left", 0}, {"Center", 1}, {"Right", -1}};
constexpr ElementWord kInks[] = {{"Black", 1}, {"Color", 2}, {"Duotint", 256}};
constexpr ElementWord kCutLineModes[] = {{"Fotoba", 1}, {"Others", 2}};
constexpr ElementWord kArrowMarks[] = {{"None", 0}, {"OneSide", 1}, {"BothSide", 2}};
constexpr ElementWord kArrowSizes[] = {{"Small", 1}, {"Middle", 2}, {"Large", 3}};
constexpr ElementWord kLineStyles[] = {{"Solid", 0}, {"Dash", 1}};
constexpr ElementWord kTurns[] = {{"0", 0}, {"90", 0x1}, {"180", 0x2}, {"270", 0x4}};

}  // namespace

bool WordOf(WordTable table, int32_t value, std::string_view& word) {
  for (const ElementWord& w : table)
    if (w.Value == value) {
      word = w.Word;
      return true;
    }
  return false;
}

bool ValueOfWord(WordTable table, std::string_view word, int32_t& value) {
  for (const ElementWord& w : table)
    if (w.Word == word) {
      value = w.Value;
      return true;
    }
  return false;
}

WordTable HorizontalAlignWords() { return kHorizontalAlign; }
WordTable VerticalAlignWords() { return kVerticalAlign; }
WordTable IntentWords() { return kIntents; }
WordTable SimulationMethodWords() { return kSimulationMethods; }
WordTable PrinterControlsWords() { return kPrinterControls; }
WordTable SizeMethodWords() { return kSizeMethods; }
WordTable ImageOptionWords() { return kImageOptions; }
WordTable FrameSettingWords() { return kFrameSettings; }
WordTable CropModeWords() { return kCropModes; }
WordTable TextAlignWords() { return kTextAligns; }
WordTable TextLocationWords() { return kTextLocations; }
WordTable ManagementModeWords() { return kManagementModes; }
WordTable TuneModeWords() { return kTuneModes; }
WordTable PageOrientationWords() { return kPageOrientations; }
WordTable AutoRotationWords() { return kAutoRotations; }
WordTable JustifyWords() { return kJustify; }
WordTable InkWords() { return kInks; }
WordTable CutLineModeWords() { return kCutLineModes; }
WordTable ArrowMarkWords() { return kArrowMarks; }
WordTable ArrowSizeWords() { return kArrowSizes; }
WordTable LineStyleWords() { return kLineStyles; }
WordTable TurnWords() { return kTurns; }

}  // namespace tl
