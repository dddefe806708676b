// Conversions between layout units (1/360 inch) and the units the user
// types and reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tl {

// DisplayUnit codes; the unit names are strings 10100 + code.
enum UnitCode : int16_t {
  kUnitPixels = 0,
  kUnitMillimetre = 1,
  kUnitInch = 2,
  kUnitPixelsPerInch = 3,
  kUnitCentimetre = 4,  // "pixels/cm" as a resolution
  kUnitPoint = 5,
  kUnitPercent = 6,
};

// Extra output forms of LayoutToUnitText.
constexpr int kUnitTenthMillimetre = -1;  // one decimal
constexpr int kUnitInchHundredths = -2;   // two decimals

constexpr int kUnitNameString = 10100;

// A typed length in `unit` as layout units: an optional "-", digits, and an
// optional "." with up to four fraction digits (further digits are ignored).
// Rounds half away from zero.
int32_t UnitToLayout(std::string_view text, int unit);

// A length in layout units as text in `unit`, with unitsPerInch layout units
// per inch (360 for lengths; resolutions pass their own). A zero fraction
// prints no decimal point.
std::string LayoutToUnitText(int32_t value, int unit, int32_t unitsPerInch = 360);

// The unit's name (string 10100 + unit).
std::string_view UnitName(int unit);

}  // namespace tl
