// Reading the numbers a user types into a dialog's fields. A field is read
// strictly: blanks around it are allowed, anything else that is not part
// of the number (letters, a second sign, nothing at all) refuses it, so a
// dialog never stores half of what was typed. Values far beyond every
// limit saturate instead of wrapping, so that range checks still see them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tl {

// "[-]digits" or, with `fraction`, also "[-][digits].digits" and "digits.".
bool IsTypedNumber(std::string_view text, bool fraction);

// A whole number; false when the text is not one.
bool ReadTypedInteger(std::string_view text, int32_t& value);

// A number with at most one decimal as tenths ("12.5" is 125); further
// decimals are dropped. False when the text is not a number.
bool ReadTypedTenths(std::string_view text, int32_t& tenths);

// Tenths as the dialogs show them: "100" or "12.5".
std::string TenthsText(int32_t tenths);

}  // namespace tl
