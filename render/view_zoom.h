// The zoom of a layout view, a ratio numerator : denominator: the steps of
// Zoom In and Zoom Out with the limits that refuse them, the zoom that fits
// the page to the window, and the scroll position carried from one zoom
// to the next.
#pragma once

#include <cstdint>

namespace tl {

struct ZoomRatio {
  int32_t Numerator = 1;
  int32_t Denominator = 1;
  friend bool operator==(const ZoomRatio&, const ZoomRatio&) = default;
};

// The most a zoom may make of a page side, and the highest zoom step.
constexpr int64_t kMaxZoomedPageSide = 32767;  // layout units x zoom
constexpr int64_t kMaxPagePixels = 32768;
constexpr int32_t kMaxZoomInStep = 16;
constexpr int32_t kMaxZoomOutDenominator = 32;

// What limits the zoom of one view.
struct ZoomLimits {
  int32_t PageWidth = 0;  // layout units
  int32_t PageHeight = 0;
  int32_t ScrollBarHeight = 16;  // pixels; a page is never less than three of them tall
};

// The ladder: in (... 1 : 3, 1 : 2, 2 : 3, 1 : 1, 2 : 1 ... up to 16 : 1)
// and out (... 2 : 1, 1 : 1, 2 : 3, 1 : 2, 1 : 3, 1 : 4, 1 : 6, 1 : 8 ...
// down to 1 : 32), from any ratio.
ZoomRatio ZoomInStep(ZoomRatio current);
ZoomRatio ZoomOutStep(ZoomRatio current);

// The steps with their limits: false, `next` untouched, when the step is
// refused or would not change the zoom.
bool ZoomIn(const ZoomLimits& limits, ZoomRatio current, ZoomRatio& next);
bool ZoomOut(const ZoomLimits& limits, ZoomRatio current, ZoomRatio& next);

// Whether a zoom lies inside both limits (a zoom typed in).
bool ZoomAllowed(const ZoomLimits& limits, ZoomRatio zoom);

// Fit On Screen: the page (`pageWidth` x `pageHeight` device pixels at
// 1 : 1) to `availableWidth` x `availableHeight`, along the direction that
// limits it, but never less than three scroll bar heights tall. False when
// the page would reach kMaxPagePixels or there is no room.
bool FitZoom(int32_t pageWidth, int32_t pageHeight, int32_t availableWidth, int32_t availableHeight,
             int32_t scrollBarHeight, ZoomRatio& fit);

// The zoom a layout view opens a page at: the largest ratio of the
// zoom-out ladder (1 : 1, 2 : 3, 1 : 2, 1 : 3, 1 : 4, 1 : 6, 1 : 8 ...) at
// which the whole page fits the window, so a new layout shows its whole
// first page.
ZoomRatio FittingLadderZoom(int32_t pageWidth, int32_t pageHeight, int32_t availableWidth, int32_t availableHeight);

// A scroll position at zoom `from` carried to zoom `to`: scaled by their
// ratio, rounded half up.
int32_t ScaledScroll(int32_t position, ZoomRatio from, ZoomRatio to);

// The ratio in lowest terms.
ZoomRatio Reduced(ZoomRatio zoom);

}  // namespace tl
