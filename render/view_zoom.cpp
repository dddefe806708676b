#include "render/view_zoom.h"

#include <iterator>

namespace tl {
namespace {

// The zoom-out ladder below 2 : 3, down to 1 : 32, where a page is no
// longer worth showing.
constexpr int32_t kLadderDenominators[] = {2, 3, 4, 6, 8, 12, 16, 24, 32};

bool Fits(int32_t page, int32_t available, const ZoomRatio& z) {
  return int64_t(page) * z.Numerator <= int64_t(available) * z.Denominator;
}

}  // namespace

ZoomRatio FittingLadderZoom(int32_t pageWidth, int32_t pageHeight, int32_t availableWidth, int32_t availableHeight) {
  const auto fits = [&](const ZoomRatio& r) {
    return Fits(pageWidth, availableWidth, r) && Fits(pageHeight, availableHeight, r);
  };
  for (const ZoomRatio z : {ZoomRatio{1, 1}, ZoomRatio{2, 3}})
    if (fits(z)) return z;
  for (int32_t d : kLadderDenominators)
    if (fits({1, d})) return {1, d};
  return {1, kLadderDenominators[std::size(kLadderDenominators) - 1]};
}

}  // namespace tl
