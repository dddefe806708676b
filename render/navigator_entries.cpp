#include "render/navigator_entries.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tl {
namespace {

// Beyond these a typed zoom is no zoom a page can be shown at; the zoom
// limits refuse far less.
constexpr double kLargestPercent = 1e6;
constexpr double kSmallestPercent = 1e-3;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The whole of `s` as a number; false when anything else is left.
template <typename T>
bool WholeNumber(std::string_view s, T& value) {
  if (s.empty()) return false;
  const char* end = s.data() + s.size();
  const auto [ptr, ec] = std::from_chars(s.data(), end, value);
  return ec == std::errc() && ptr == end;
}

}  // namespace

bool ParseZoomEntry(std::string_view text, ZoomRatio& zoom) {
  text = Trimmed(text);
  if (!text.empty() && text.back() == '%') text = Trimmed(text.substr(0, text.size() - 1));
  double x = 0;
  if (!WholeNumber(text, x) || !std::isfinite(x) || x < kSmallestPercent || x > kLargestPercent) return false;
  const ZoomRatio typed = x >= 100 ? ZoomRatio{int32_t(std::floor(x)), 100}
                                   : ZoomRatio{100, int32_t(std::lround(10000 / x))};
  zoom = Reduced(typed);
  return true;
}

std::string ZoomEntryText(ZoomRatio zoom) {
  const double percent = zoom.Denominator > 0 ? zoom.Numerator * 100.0 / zoom.Denominator : 100.0;
  char text[64];
  std::snprintf(text, sizeof text, "%.2f%%", percent);
  return text;
}

bool ParsePageEntry(std::string_view text, int32_t count, int32_t& page) {
  text = Trimmed(text);
  const size_t slash = text.find('/');
  if (slash != std::string_view::npos) {
    int32_t total = 0;
    if (!WholeNumber(Trimmed(text.substr(slash + 1)), total) || total != count) return false;
    text = Trimmed(text.substr(0, slash));
  }
  int32_t number = 0;
  if (!WholeNumber(text, number) || number < 1 || number > count) return false;
  page = number - 1;
  return true;
}

std::string PageEntryText(int32_t page, int32_t count) {
  return std::to_string(int64_t(page) + 1) + " / " + std::to_string(count);
}

}  // namespace tl
