#include "render/status_text.h"

#include "document/layout_document.h"
#include "layout/units.h"
#include "render/text_format.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kSummaryString = 10126;  // "P = %ld / %ld  %s X %s %s"
constexpr int kSizeString = 10127;     // "%s X %s %s"
constexpr int kLoadingString = 10128;  // "Loading %ld%s"
constexpr int kFailedString = 10130;   // "Failed to get %ld / %ld"
constexpr int kUpdatingString = 10133; // "Updating %ld / %ld"

std::string Number(int64_t value) { return std::to_string(value); }

// A view length in layout units: the counted value at the view's zoom.
int32_t Unzoomed(int32_t value, const StatusValues& v) {
  if (v.ZoomNumerator <= 0 || v.ZoomDenominator <= 0) return value;
  return int32_t(int64_t(value) * v.ZoomDenominator / v.ZoomNumerator);
}

std::string UnitName(const LayoutDocument& d) { return std::string(d.DisplayUnitName.c_str()); }

}  // namespace

std::string StatusText(const LayoutDocument* d, const StatusValues& v, int kind) {
  switch (kind) {
    case kStatusSummary: {
      if (!d) return {};
      // One decimal fewer than the unit's own texts.
      const int unit = -d->DisplayUnit;
      return FillPlaceholders(StringText(kSummaryString),
                              {Number(int64_t(v.CurrentPage) + 1), Number(d->PageNumber),
                               LayoutToUnitText(d->PageWidth, unit), LayoutToUnitText(d->PageHeight, unit),
                               UnitName(*d)});
    }
    case kStatusMoving:
    case kStatusResizing: {
      if (!d) return {};
      return FillPlaceholders(StringText(kSizeString),
                              {LayoutToUnitText(Unzoomed(v.A, v), d->DisplayUnit),
                               LayoutToUnitText(Unzoomed(v.B, v), d->DisplayUnit), UnitName(*d)});
    }
    case kStatusLoading: {
      if (v.A < 1) return {};
      const std::string total = v.B > 1 ? " / " + Number(v.B) : std::string();
      return FillPlaceholders(StringText(kLoadingString), {Number(v.A), total});
    }
    case kStatusUpdating:
      if (v.A < 1) return {};
      return FillPlaceholders(StringText(kUpdatingString), {Number(v.A), Number(v.B)});
    case kStatusFailures:
      return FillPlaceholders(StringText(kFailedString), {Number(-int64_t(v.B)), Number(int64_t(v.A) - v.B)});
    default: return {};
  }
}

}  // namespace tl
