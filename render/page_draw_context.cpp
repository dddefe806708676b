#include "render/page_draw_context.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tl {
namespace {

// Device coordinates stay well inside int so that sums of them cannot wrap.
constexpr double kDeviceLimit = 1 << 28;

int ToDevice(double v) {
  if (v > kDeviceLimit) return int(kDeviceLimit);
  if (v < -kDeviceLimit) return -int(kDeviceLimit);
  return int(std::lround(v));
}

}  // namespace

int PageDrawContext::MapX(int64_t x) const { return ToDevice(MapXF(double(x))); }
int PageDrawContext::MapY(int64_t y) const { return ToDevice(MapYF(double(y))); }

QRect PageDrawContext::Map(const LRect& r) const {
  const int left = MapX(r.left), top = MapY(r.top);
  return QRect(QPoint(left, top), QPoint(MapX(r.right) - 1, MapY(r.bottom) - 1));
}

QRect PageDrawContext::MapOnPage(const LRect& r) const {
  const auto down = [this](int32_t y) { return int32_t(std::clamp<int64_t>(y + shiftY, INT32_MIN, INT32_MAX)); };
  return Map(LRect{r.left, down(r.top), r.right, down(r.bottom)});
}

void PageDrawContext::SetPageRects() {
  const LayoutDocument& d = *document;
  paperRect = MapOnPage({0, 0, d.PageWidth, d.PageHeight});
  printMarginRect = MapOnPage({d.PrinterMargins.left, d.PrinterMargins.top, d.PageWidth - d.PrinterMargins.right,
                               d.PageHeight - d.PrinterMargins.bottom});
  layoutMarginRect = MapOnPage(
      {d.LayoutMargin.left, d.LayoutMargin.top, d.PageWidth - d.LayoutMargin.right, d.PageHeight - d.LayoutMargin.bottom});
}

}  // namespace tl
