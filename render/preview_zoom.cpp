#include "render/preview_zoom.h"

#include <algorithm>
#include <cstdio>

#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kAllString = 40801;            // "All"
constexpr int32_t kSmallPicture = 320;       // pixels either way: 100 % or fitted only
constexpr int32_t kPaneSide = 450;
constexpr int32_t kPortraitPaneHeight = 451;

constexpr ZoomFactor kFactors[kPreviewZoomCount] = {{1, 1}, {1, 1},  {2, 3},  {1, 2},  {1, 3}, {1, 4},
                                                    {1, 6}, {1, 8}, {1, 12}, {1, 16}, {1, 20}};

bool Fits(LSize picture, LSize pane, ZoomFactor f) {
  return int64_t(picture.cx) * f.Numerator <= int64_t(pane.cx) * f.Denominator &&
         int64_t(picture.cy) * f.Numerator <= int64_t(pane.cy) * f.Denominator;
}

int32_t Scaled(int32_t length, int64_t numerator, int64_t denominator) {
  if (denominator <= 0) return 1;
  return int32_t(std::max<int64_t>(1, int64_t(length) * numerator / denominator));
}

}  // namespace

ZoomFactor PreviewZoomFactor(int item) {
  return item > kZoomAll && item < kPreviewZoomCount ? kFactors[item] : ZoomFactor{};
}

std::string PreviewZoomText(int item) {
  if (item <= kZoomAll || item >= kPreviewZoomCount) return StringCopy(kAllString);
  const ZoomFactor f = kFactors[item];
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", 100.0 * f.Numerator / f.Denominator);
  std::string s = text;
  // "66.67%", "12.5%", "5%": no trailing zeros.
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s + "%";
}

PreviewZoom FitPreviewZoom(LSize picture, LSize pane) {
  PreviewZoom zoom;
  zoom.Allowed[kZoomAll] = true;
  zoom.Allowed[kZoomActual] = true;
  if (picture.cx > kSmallPicture || picture.cy > kSmallPicture) {
    for (int item = kZoomActual; item < kPreviewZoomCount; ++item) {
      zoom.Allowed[size_t(item)] = true;
      if (Fits(picture, pane, kFactors[item])) break;
    }
  }
  return zoom;
}

void ChoosePreviewZoom(PreviewZoom& zoom, int item) {
  const bool allowed = item >= 0 && item < kPreviewZoomCount && zoom.Allowed[size_t(item)];
  zoom.Selection = allowed ? item : kZoomAll;
}

bool CanZoomIn(const PreviewZoom& zoom) { return zoom.Selection > kZoomActual; }

bool CanZoomOut(const PreviewZoom& zoom) {
  const int next = zoom.Selection + 1;
  return zoom.Selection != kZoomAll && next < kPreviewZoomCount && zoom.Allowed[size_t(next)];
}

void ZoomIn(PreviewZoom& zoom) {
  if (CanZoomIn(zoom)) --zoom.Selection;
}

void ZoomOut(PreviewZoom& zoom) {
  if (CanZoomOut(zoom)) ++zoom.Selection;
}

LSize ZoomedPictureSize(const PreviewZoom& zoom, LSize picture, LSize pane) {
  if (picture.cx <= 0 || picture.cy <= 0) return {};
  if (zoom.Selection != kZoomAll) {
    const ZoomFactor f = PreviewZoomFactor(zoom.Selection);
    return {Scaled(picture.cx, f.Numerator, f.Denominator), Scaled(picture.cy, f.Numerator, f.Denominator)};
  }
  if (pane.cx <= 0 || pane.cy <= 0) return {};
  // The side that meets the pane first sets the scale.
  if (int64_t(picture.cx) * pane.cy >= int64_t(picture.cy) * pane.cx)
    return {pane.cx, Scaled(picture.cy, pane.cx, picture.cx)};
  return {Scaled(picture.cx, pane.cy, picture.cy), pane.cy};
}

LSize PreviewPaneMinimum(LSize picture) {
  if (picture.cx <= 0 || picture.cy <= 0) return {kPaneSide, kPaneSide};
  if (picture.cy > picture.cx)
    return {std::max(kPaneSide, Scaled(picture.cx, kPortraitPaneHeight, picture.cy)), kPortraitPaneHeight};
  return {kPaneSide, Scaled(picture.cy, kPaneSide, picture.cx)};
}

}  // namespace tl
