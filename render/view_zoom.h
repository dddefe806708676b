// The zoom a layout view opens a page at: the largest ratio of the zoom-out
// ladder (1 : 1, 2 : 3, 1 : 2, 1 : 3, 1 : 4, 1 : 6, 1 : 8 ...) at which the
// whole page fits the window, so a new layout shows its whole first page.
#pragma once

#include <cstdint>

namespace tl {

struct ZoomRatio {
  int32_t Numerator = 1;
  int32_t Denominator = 1;
};

// `pageWidth` x `pageHeight`: the page in device pixels at 1 : 1;
// `availableWidth` x `availableHeight`: the window's room for it.
ZoomRatio FittingLadderZoom(int32_t pageWidth, int32_t pageHeight, int32_t availableWidth, int32_t availableHeight);

}  // namespace tl
