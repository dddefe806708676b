#include "render/view_zoom.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <numeric>

namespace tl {
namespace {

// The zoom-out ladder below 2 : 3, down to 1 : 32, where a page is no
// longer worth showing.
constexpr int32_t kLadderDenominators[] = {2, 3, 4, 6, 8, 12, 16, 24, 32};

bool Fits(int32_t page, int32_t available, const ZoomRatio& z) {
  return int64_t(page) * z.Numerator <= int64_t(available) * z.Denominator;
}

bool Valid(ZoomRatio z) { return z.Numerator > 0 && z.Denominator > 0; }

int64_t LargestPowerOfTwoAtMost(int64_t v) {
  if (v < 1) return 0;
  int64_t p = 1;
  while (p * 2 <= v) p *= 2;
  return p;
}

// The smallest power of two p with p x factor > v.
int64_t SmallestPowerOfTwoAbove(int64_t v, int64_t factor) {
  int64_t p = 1;
  while (p * factor <= v) p *= 2;
  return p;
}

bool WithinPageLimit(const ZoomLimits& l, ZoomRatio z) {
  const int64_t most = kMaxZoomedPageSide * z.Denominator;
  return int64_t(l.PageWidth) * z.Numerator <= most && int64_t(l.PageHeight) * z.Numerator <= most;
}

// a > b as ratios.
bool Larger(ZoomRatio a, ZoomRatio b) { return int64_t(a.Numerator) * b.Denominator > int64_t(b.Numerator) * a.Denominator; }

bool TallEnough(const ZoomLimits& l, ZoomRatio z) {
  return int64_t(l.PageHeight) * z.Numerator >= 3 * int64_t(l.ScrollBarHeight) * z.Denominator;
}

}  // namespace

ZoomRatio Reduced(ZoomRatio z) {
  if (!Valid(z)) return z;
  const int32_t g = std::gcd(z.Numerator, z.Denominator);
  return {z.Numerator / g, z.Denominator / g};
}

ZoomRatio ZoomInStep(ZoomRatio z) {
  if (!Valid(z)) return {1, 1};
  const int64_t n = z.Numerator, d = z.Denominator;
  if (3 * n >= 2 * d) return {int32_t(std::min<int64_t>(n / d + 1, kMaxZoomInStep)), 1};
  if (2 * n < d) {
    const int64_t e = (d + n - 1) / n - 1;
    const int64_t p = LargestPowerOfTwoAtMost(e);
    const int64_t q = LargestPowerOfTwoAtMost(e / 3);
    return {1, int32_t(std::max(p, 3 * q))};
  }
  return {2, 3};
}

ZoomRatio ZoomOutStep(ZoomRatio z) {
  if (!Valid(z)) return {1, 1};
  const int64_t n = z.Numerator, d = z.Denominator;
  if (n > d) return {int32_t((n + d - 1) / d - 1), 1};
  if (3 * n <= 2 * d) {
    const int64_t f = d / n;
    const int64_t p = SmallestPowerOfTwoAbove(f, 1);
    const int64_t q = SmallestPowerOfTwoAbove(f, 3);
    return {1, int32_t(std::min({p, 3 * q, int64_t(kMaxZoomOutDenominator)}))};
  }
  return {2, 3};
}

bool ZoomIn(const ZoomLimits& limits, ZoomRatio current, ZoomRatio& next) {
  const ZoomRatio step = ZoomInStep(current);
  if (!Valid(current) || !Larger(step, current) || !WithinPageLimit(limits, step)) return false;
  next = step;
  return true;
}

bool ZoomOut(const ZoomLimits& limits, ZoomRatio current, ZoomRatio& next) {
  const ZoomRatio step = ZoomOutStep(current);
  if (!Valid(current) || !Larger(current, step) || !TallEnough(limits, step)) return false;
  next = step;
  return true;
}

bool ZoomAllowed(const ZoomLimits& limits, ZoomRatio zoom) {
  return Valid(zoom) && WithinPageLimit(limits, zoom) && TallEnough(limits, zoom);
}

bool FitZoom(int32_t pageWidth, int32_t pageHeight, int32_t availableWidth, int32_t availableHeight,
             int32_t scrollBarHeight, ZoomRatio& fit) {
  if (pageWidth <= 0 || pageHeight <= 0 || availableWidth <= 0 || availableHeight <= 0) return false;
  // The direction whose room is the smaller share of the page limits it.
  ZoomRatio z = int64_t(availableWidth) * pageHeight <= int64_t(availableHeight) * pageWidth
                    ? ZoomRatio{availableWidth, pageWidth}
                    : ZoomRatio{availableHeight, pageHeight};
  const int32_t shortest = 3 * std::max(scrollBarHeight, 0);
  if (int64_t(pageHeight) * z.Numerator < int64_t(shortest) * z.Denominator) z = {shortest, pageHeight};
  z = Reduced(z);
  const int64_t most = kMaxPagePixels * z.Denominator;
  if (int64_t(pageWidth) * z.Numerator >= most || int64_t(pageHeight) * z.Numerator >= most) return false;
  fit = z;
  return true;
}

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

int32_t ScaledScroll(int32_t position, ZoomRatio from, ZoomRatio to) {
  if (!Valid(from) || !Valid(to)) return position;
  const double scaled = double(position) * to.Numerator * from.Denominator / (double(to.Denominator) * from.Numerator);
  return int32_t(std::clamp(std::floor(scaled + 0.5), 0.0, double(INT32_MAX)));
}

}  // namespace tl
