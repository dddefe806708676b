#include "document/typed_number.h"

#include <climits>

namespace tl {
namespace {

// Beyond this the magnitude no longer grows: every field's limit is far below.
constexpr int64_t kSaturation = int64_t(INT32_MAX);

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the digits of `text` from `i` on into `value` (saturating); returns
// how many there were.
size_t ReadDigits(std::string_view text, size_t& i, int64_t& value) {
  size_t count = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++count)
    value = value >= kSaturation ? kSaturation : value * 10 + (text[i] - '0');
  return count;
}

int32_t Signed(bool negative, int64_t magnitude) {
  if (magnitude > kSaturation) magnitude = kSaturation;
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

bool IsTypedNumber(std::string_view text, bool fraction) {
  text = Trimmed(text);
  size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  int64_t ignored = 0;
  size_t digits = ReadDigits(text, i, ignored);
  if (fraction && i < text.size() && text[i] == '.') {
    ++i;
    digits += ReadDigits(text, i, ignored);
  }
  return digits > 0 && i == text.size();
}

bool ReadTypedInteger(std::string_view text, int32_t& value) {
  if (!IsTypedNumber(text, false)) return false;
  text = Trimmed(text);
  const bool negative = text.front() == '-';
  size_t i = negative ? 1 : 0;
  int64_t magnitude = 0;
  ReadDigits(text, i, magnitude);
  value = Signed(negative, magnitude);
  return true;
}

bool ReadTypedTenths(std::string_view text, int32_t& tenths) {
  if (!IsTypedNumber(text, true)) return false;
  text = Trimmed(text);
  const bool negative = text.front() == '-';
  size_t i = negative ? 1 : 0;
  int64_t whole = 0;
  ReadDigits(text, i, whole);
  int64_t tenth = 0;
  if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) tenth = text[i + 1] - '0';
  tenths = Signed(negative, whole >= kSaturation ? kSaturation : whole * 10 + tenth);
  return true;
}

std::string TenthsText(int32_t tenths) {
  const int64_t v = tenths;
  const int64_t magnitude = v < 0 ? -v : v;
  std::string text = v < 0 ? "-" : "";
  text += std::to_string(magnitude / 10);
  if (magnitude % 10) text += "." + std::to_string(magnitude % 10);
  return text;
}

}  // namespace tl
