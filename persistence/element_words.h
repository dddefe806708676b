// The words of layout files: for each element written as a word, the words
// and the values they stand for. A value a table lacks cannot be written;
// a word a table lacks is either a bad file or the element's fall-back,
// as each element says.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tl {

struct ElementWord {
  std::string_view Word;
  int32_t Value;
};
using WordTable = std::span<const ElementWord>;

// The word of `value`; false when the table has none.
bool WordOf(WordTable table, int32_t value, std::string_view& word);
// The value of `word` (compared exactly); false when the table lacks it.
bool ValueOfWord(WordTable table, std::string_view word, int32_t& value);

// AlignHorizontal, with "Equal Spacing" for the equal-spacing rule.
WordTable HorizontalAlignWords();
// AlignVertical and AlignLine.
WordTable VerticalAlignWords();
// Rendering intent codes 1..5.
WordTable IntentWords();
// InputSimMethod and ImageSimMethod.
WordTable SimulationMethodWords();
WordTable PrinterControlsWords();
WordTable SizeMethodWords();
// SizeImageOption: Off, AutoFit, AutoCrop.
WordTable ImageOptionWords();
WordTable FrameSettingWords();
WordTable CropModeWords();
// Label and caption alignment and location.
WordTable TextAlignWords();
WordTable TextLocationWords();
WordTable ManagementModeWords();
// ColorTuneMode.
WordTable TuneModeWords();
WordTable PageOrientationWords();  // Orientation: Portrait 1, Landscape 2
WordTable AutoRotationWords();
// Free texts and the header/footer: Left 0, Center 1, Right -1.
WordTable JustifyWords();
WordTable InkWords();
WordTable CutLineModeWords();
WordTable ArrowMarkWords();
WordTable ArrowSizeWords();
WordTable LineStyleWords();
// Rotate and FrameRotate: "0", "90", "180", "270" as rotation bits.
WordTable TurnWords();

}  // namespace tl
