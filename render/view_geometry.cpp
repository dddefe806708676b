#include "render/view_geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "document/object_geometry.h"

namespace tl {
namespace {

double Zoom(const ScreenView& v) {
  return v.ZoomNumerator > 0 && v.ZoomDenominator > 0 ? double(v.ZoomNumerator) / v.ZoomDenominator : 1.0;
}

int32_t Nearest(double v) { return ClampCoordinate(int64_t(std::llround(std::clamp(v, double(INT32_MIN), double(INT32_MAX))))); }

}  // namespace

ViewGeometry::ViewGeometry(LayoutDocument& document, const ScreenView& view)
    : view_(view), context_(ScreenDrawContext(document, view_)) {}

LPoint ViewGeometry::ToLayout(QPoint device) const {
  const double sx = context_.zoom * context_.scaleX, sy = context_.zoom * context_.scaleY;
  if (sx <= 0 || sy <= 0) return {};
  return {Nearest((device.x() - context_.originX) / sx + double(context_.shiftX)),
          Nearest((device.y() - context_.originY) / sy + double(context_.shiftY))};
}

LSize ViewGeometry::DeltaToLayout(QPoint delta) const {
  const double sx = context_.zoom * context_.scaleX, sy = context_.zoom * context_.scaleY;
  if (sx <= 0 || sy <= 0) return {};
  return {ClampCoordinate(int64_t(std::trunc(delta.x() / sx))), ClampCoordinate(int64_t(std::trunc(delta.y() / sy)))};
}

QPoint ViewGeometry::DeltaToDevice(LSize delta) const {
  return {int(std::lround(context_.PixelsX(delta.cx))), int(std::lround(context_.PixelsY(delta.cy)))};
}

int32_t ViewGeometry::ClampedPageTop() const { return ClampCoordinate(context_.shiftY); }

LRect ViewGeometry::PageArea() const {
  const LayoutDocument& d = Document();
  const int32_t top = ClampedPageTop();
  return {0, top, d.PageWidth, ClampCoordinate(int64_t(top) + d.PageHeight)};
}

LRect ViewGeometry::VisiblePageArea() const {
  const QSize client = view_.ClientSize;
  const LPoint topLeft = ToLayout({0, 0});
  const LPoint bottomRight = ToLayout({client.width(), client.height()});
  const int32_t top = ClampedPageTop();
  return {topLeft.x, ClampCoordinate(int64_t(topLeft.y) - top), bottomRight.x,
          ClampCoordinate(int64_t(bottomRight.y) - top)};
}

bool ViewGeometry::OnRulers(QPoint device) const {
  return view_.ShowRulers && (device.x() < kRulerBand || device.y() < kRulerBand);
}

QSize PagePixels(const LayoutDocument& d, const ScreenView& view) {
  const double zoom = Zoom(view);
  return {int(std::lround(d.PageWidth * zoom * view.DpiX / kLayoutUnitsPerInch)),
          int(std::lround(d.PageHeight * zoom * view.DpiY / kLayoutUnitsPerInch))};
}

QSize ScrollRange(const LayoutDocument& d, const ScreenView& view) {
  const QSize page = PagePixels(d, view);
  const int rulers = view.ShowRulers ? kRulerBand : 0;
  const int margin = 2 * kPaperInset + kShadowOffset + rulers;
  return {std::max(0, page.width() + margin - view.ClientSize.width()),
          std::max(0, page.height() + margin - view.ClientSize.height())};
}

}  // namespace tl
