#include "layout/typed_length.h"

#include "document/typed_number.h"
#include "layout/units.h"

namespace tl {

int LengthUnitOfEntry(int entry) { return entry == 0 ? kUnitMillimetre : kUnitInch; }

int EntryOfLengthUnit(int unit) { return unit == kUnitMillimetre ? 0 : 1; }

int DialogUnitFor(int16_t displayUnit) { return displayUnit == kUnitMillimetre ? kUnitMillimetre : kUnitInch; }

std::string LengthText(int32_t value, int unit) { return LayoutToUnitText(value, unit); }

bool ReadTypedLength(std::string_view text, int unit, int32_t& value) {
  if (!IsTypedNumber(text, true)) return false;
  value = UnitToLayout(text, unit);
  return true;
}

std::string ConvertLengthText(std::string_view text, int from, int to) {
  int32_t value = 0;
  if (from == to || !ReadTypedLength(text, from, value)) return std::string(text);
  return LengthText(value, to);
}

}  // namespace tl
