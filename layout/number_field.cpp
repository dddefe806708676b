#include "layout/number_field.h"

#include <algorithm>

namespace tl {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool NumberFieldKey(char key) {
  return key == kBackspaceKey || key == ' ' || key == '+' || key == '-' || key == '.' || IsDigit(key);
}

std::string TextAfterKey(std::string_view text, size_t selectionStart, size_t selectionEnd, char key) {
  size_t start = std::min({selectionStart, selectionEnd, text.size()});
  const size_t end = std::min(std::max(selectionStart, selectionEnd), text.size());
  if (key == kBackspaceKey && start == end && start > 0) --start;
  std::string result(text.substr(0, start));
  if (key != kBackspaceKey) result += key;
  result += text.substr(end);
  return result;
}

bool NumberFieldAccepts(std::string_view text, const NumberFieldRange& range) {
  if (text.size() > range.MaxChars) return false;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) {
    if (range.Minimum >= 0) return false;
    ++i;
  }
  double value = 0;
  double scale = 0;  // 0 before the decimal point, then 0.1, 0.01 ...
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      if (scale != 0) return false;
      scale = 0.1;
    } else if (IsDigit(c)) {
      if (scale == 0) {
        value = value * 10 + (c - '0');
      } else {
        value += (c - '0') * scale;
        scale /= 10;
      }
    } else {
      return false;
    }
  }
  if (negative) value = -value;
  return value >= range.Minimum && value <= range.Maximum;
}

}  // namespace tl
