#include "render/free_line.h"

#include <QLineF>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>

#include "render/angles.h"
#include "render/qt_colors.h"

namespace tl {
namespace {

constexpr double kSquareRootOfTwo = 1.4142135623730950488;
constexpr int16_t kRightAngleArrow = 90;

// Arrow heads are measured in pen widths: this many for the distance from
// base to tip, per step of ArrowSize, and for the base's width.
constexpr double kArrowLength = 3;
constexpr double kArrowWidthRightAngle = 6;
constexpr double kArrowWidthOther = 4;
// Heads of pens thinner than this many pixels shrink with the pen.
constexpr double kFullArrowPen = 2;

// How far an end without a filled head moves in, so that the point of a
// mitred open head lands on the stored end.
int32_t EndInset(const FreeLineObject& line) {
  const double factor = line.ArrowAngle == kRightAngleArrow ? kSquareRootOfTwo : 2.0;
  return int32_t((line.Thickness / 2) * factor);
}

struct ArrowHead {
  double length = 0;  // pixels from base to tip
  double width = 0;   // pixels across the base
};

ArrowHead HeadFor(const FreeLineObject& line, double penWidth) {
  const double k = penWidth >= kFullArrowPen ? 1.0 : penWidth / 2;
  const double across = line.ArrowAngle == kRightAngleArrow ? kArrowWidthRightAngle : kArrowWidthOther;
  return {k * line.ArrowSize * kArrowLength * penWidth, k * line.ArrowSize * across * penWidth};
}

// A head with its tip at `tip`, pointing away from `from`; returns where
// the line's stroke should end.
QPointF DrawHead(QPainter& p, QPointF tip, QPointF from, const ArrowHead& head, bool filled, const QPen& pen) {
  const QLineF axis(tip, from);
  if (axis.length() <= 0) return tip;
  const QPointF unit = (from - tip) / axis.length();
  const QPointF normal(-unit.y(), unit.x());
  const QPointF base = tip + unit * head.length;
  const QPointF wing1 = base + normal * (head.width / 2), wing2 = base - normal * (head.width / 2);
  if (filled) {
    p.setPen(Qt::NoPen);
    p.setBrush(pen.color());
    p.drawPolygon(QPolygonF({tip, wing1, wing2}));
    return base;
  }
  QPen solid = pen;
  solid.setStyle(Qt::SolidLine);
  solid.setJoinStyle(Qt::MiterJoin);
  p.setPen(solid);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({wing1, tip, wing2}));
  return tip;
}

}  // namespace

LRect FreeLineArea(const FreeLineObject& line) {
  const int64_t reach = int64_t(line.Thickness) * (1 + int64_t(std::max<int16_t>(line.ArrowSize, 1)) * 6);
  const auto clamp = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  return {clamp(std::min(line.End1.x, line.End2.x) - reach), clamp(std::min(line.End1.y, line.End2.y) - reach),
          clamp(std::max(line.End1.x, line.End2.x) + reach + 1), clamp(std::max(line.End1.y, line.End2.y) + reach + 1)};
}

void BoundFreeLine(FreeLineObject& line) {
  const LRect area = FreeLineArea(line);
  line.Origin = {area.left, area.top};
  line.Size = {area.Width(), area.Height()};
}

void DrawFreeLine(QPainter& p, const FreeLineObject& line, const PageDrawContext& c) {
  const double penWidth = line.Thickness * c.zoom * c.scaleY;
  if (penWidth <= 0) return;
  double x1 = line.End1.x, y1 = line.End1.y, x2 = line.End2.x, y2 = line.End2.y;
  if (!line.ArrowFill) {
    const int32_t j = EndInset(line);
    const double a = line.Angle * kRadiansPerDegree, back = (line.Angle + 180.0) * kRadiansPerDegree;
    x1 += int32_t(j * std::cos(a)), y1 += int32_t(j * std::sin(a));
    x2 += int32_t(j * std::cos(back)), y2 += int32_t(j * std::sin(back));
  }
  QPointF first = c.MapF(x1, y1), second = c.MapF(x2, y2);

  QPen pen(ToQColor(line.LineColor), penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  if (line.LineStyle == kLineDash) pen.setDashPattern({3, 1});

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (line.ArrowMark != kArrowNone) {
    const ArrowHead head = HeadFor(line, penWidth);
    const QPointF a = first, b = second;
    first = DrawHead(p, a, b, head, line.ArrowFill, pen);
    if (line.ArrowMark == kArrowBothSide) second = DrawHead(p, b, a, head, line.ArrowFill, pen);
  }
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawLine(first, second);
  p.restore();
}

}  // namespace tl
