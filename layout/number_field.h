// A dialog's number field as the user types into it: which keys it looks
// at, the text a keystroke would leave, and whether that text is a number
// the field takes. A keystroke whose text the field does not take is
// refused (with the error beep), so the field never holds a bad number.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tl {

struct NumberFieldRange {
  double Minimum = 0;
  double Maximum = 0;
  size_t MaxChars = 0;
};

inline constexpr char kBackspaceKey = '\b';

// Backspace, space, "+", "-", "." and the digits; any other key is refused.
bool NumberFieldKey(char key);

// The text after `key` is typed into `text` whose selection runs from
// `selectionStart` to `selectionEnd` (equal: the cursor): a character
// replaces the selection; backspace removes it, or the character before
// the cursor.
std::string TextAfterKey(std::string_view text, size_t selectionStart, size_t selectionEnd, char key);

// Whether the field takes `text`: optional leading spaces, then digits with
// at most one decimal point (a leading "-" only where the minimum is
// negative), at most MaxChars long, its value inside the range. An empty
// text, or one with no digits yet, counts as 0.
bool NumberFieldAccepts(std::string_view text, const NumberFieldRange& range);

}  // namespace tl
