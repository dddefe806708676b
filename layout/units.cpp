#include "layout/units.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kFractionDigits = 4;
constexpr int64_t kScale = 10000;  // the typed value is read as ten-thousandths
// Beyond this the value no longer fits a layout length; reading stops growing.
constexpr int64_t kIntegerPartLimit = int64_t(1) << 40;

// Reads "[-]digits[.digits]" as the value times 10000 (magnitude) and its sign.
int64_t ParseScaled(std::string_view text, bool& negative) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  negative = i < text.size() && text[i] == '-';
  if (negative) ++i;

  int64_t whole = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    whole = std::min(whole * 10 + (text[i] - '0'), kIntegerPartLimit);

  int64_t fraction = 0;
  int digits = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      if (digits == kFractionDigits) continue;
      fraction = fraction * 10 + (text[i] - '0');
      ++digits;
    }
  }
  for (; digits < kFractionDigits; ++digits) fraction *= 10;
  return whole * kScale + fraction;
}

struct TextForm {
  int64_t multiplier;  // of value, before dividing by unitsPerInch
  int decimals;
};

bool FormFor(int unit, TextForm& form) {
  switch (unit) {
    case kUnitMillimetre: form = {2540, 2}; return true;
    case kUnitInch: form = {1000, 3}; return true;
    case kUnitCentimetre:
    case -kUnitCentimetre: form = {254, 2}; return true;
    case kUnitInchHundredths: form = {100, 2}; return true;
    case kUnitTenthMillimetre: form = {254, 1}; return true;
  }
  return false;
}

int64_t Power10(int n) {
  int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

}  // namespace

int32_t UnitToLayout(std::string_view text, int unit) {
  bool negative = false;
  const int64_t v = ParseScaled(text, negative);
  int64_t units = 0;
  switch (unit) {
    case kUnitMillimetre: units = (v * 360 + 127000) / 254000; break;
    case kUnitInch: units = (v * 360 + 5000) / 10000; break;
    case kUnitCentimetre: units = (v * 360 + 12700) / 25400; break;
    default: units = (v + 5000) / 10000; break;
  }
  units = std::min<int64_t>(units, INT32_MAX);
  return static_cast<int32_t>(negative ? -units : units);
}

std::string LayoutToUnitText(int32_t value, int unit, int32_t unitsPerInch) {
  const bool negative = value < 0;
  const int64_t magnitude = negative ? -int64_t(value) : int64_t(value);
  std::string text = negative ? "-" : "";

  TextForm form{};
  if (!FormFor(unit, form) || unitsPerInch <= 0) return text + std::to_string(magnitude);

  const int64_t n = (magnitude * form.multiplier + unitsPerInch / 2) / unitsPerInch;
  const int64_t scale = Power10(form.decimals);
  text += std::to_string(n / scale);
  if (const int64_t fraction = n % scale; fraction != 0) {
    char digits[16];
    std::snprintf(digits, sizeof digits, ".%0*lld", form.decimals, static_cast<long long>(fraction));
    text += digits;
  }
  return text;
}

std::string_view UnitName(int unit) { return StringText(kUnitNameString + unit); }

}  // namespace tl
