// Lengths in the dialogs' unit boxes: the two length units a box offers
// ("mm", "inch"; the entry's index + 1 is the unit code), a length shown in
// the box's unit, a typed length read strictly, and a field shown again
// when the user picks the other unit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tl {

constexpr int kLengthUnitCount = 2;  // "mm", "inch"

// The unit of a box's entry index and back; any other unit counts as inch.
int LengthUnitOfEntry(int entry);
int EntryOfLengthUnit(int unit);

// The unit a dialog opens with for a document's DisplayUnit: mm for 1,
// inch otherwise.
int DialogUnitFor(int16_t displayUnit);

// A length (layout units) as the field shows it in `unit`.
std::string LengthText(int32_t value, int unit);

// A typed length in `unit` as layout units; false when the text is not a
// number. Fraction digits beyond the fourth are ignored.
bool ReadTypedLength(std::string_view text, int unit, int32_t& value);

// The field's text after its unit box changed from `from` to `to`: the
// same length in the new unit. A text that is not a number stays as it is.
std::string ConvertLengthText(std::string_view text, int from, int to);

}  // namespace tl
