// The image preview window's zoom list without its widgets: "All" (the
// picture fitted to the pane) and the scale factors 1 down to 1/20, each
// allowed or not for the picture shown; the "+" and "-" steps along it;
// the picture's size on the pane; and the smallest pane a picture asks for.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/geometry.h"

namespace tl {

inline constexpr int kPreviewZoomCount = 11;
inline constexpr int kZoomAll = 0;     // fitted to the pane
inline constexpr int kZoomActual = 1;  // "100%"

struct ZoomFactor {
  int32_t Numerator = 1;
  int32_t Denominator = 1;
};

// The factor of a list item; "All" has none and gives 1 : 1.
ZoomFactor PreviewZoomFactor(int item);
// The item's text in the list: "All", "100%", "66.67%" ... "5%".
std::string PreviewZoomText(int item);

struct PreviewZoom {
  std::array<bool, kPreviewZoomCount> Allowed{};
  int Selection = kZoomAll;
};

// The list after a picture was decoded: a picture no larger than 320
// pixels either way allows "All" and "100%" only; any other allows every
// factor down to the first at which it fits the pane, and no smaller one.
// The selection is "All".
PreviewZoom FitPreviewZoom(LSize picture, LSize pane);

// Choosing an item; one that is not allowed falls back to "All".
void ChoosePreviewZoom(PreviewZoom& zoom, int item);
// "+" steps towards "100%" (enabled below it); "-" steps to the next
// smaller factor while that one is allowed. Neither leaves "All".
bool CanZoomIn(const PreviewZoom& zoom);
bool CanZoomOut(const PreviewZoom& zoom);
void ZoomIn(PreviewZoom& zoom);
void ZoomOut(PreviewZoom& zoom);

// The picture's size on the pane: scaled to fit the pane (keeping its
// proportion) for "All", else scaled by the factor; never below one pixel.
LSize ZoomedPictureSize(const PreviewZoom& zoom, LSize picture, LSize pane);

// The smallest pane for a picture: a portrait picture 451 pixels high and
// as wide as its proportion needs but at least 450; any other 450 pixels
// wide and as high as its proportion needs.
LSize PreviewPaneMinimum(LSize picture);

}  // namespace tl
