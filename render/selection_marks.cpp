#include "render/selection_marks.h"

#include <QPen>

#include "render/qt_colors.h"

namespace tl {
namespace {

void InvertSquare(QPainter& p, QPoint topLeft) {
  p.fillRect(QRect(topLeft, QSize(kHandleSide, kHandleSide)), Qt::black);
}

}  // namespace

std::array<QPoint, 8> BoxHandlePoints(const QRect& r) {
  const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
  const int cx = (l + rr) / 2, cy = (t + b) / 2;
  return {QPoint{l, t}, {rr, t}, {rr, b}, {l, b}, {cx, t}, {rr, cy}, {cx, b}, {l, cy}};
}

std::array<QPoint, 2> LineHandlePoints(const FreeLineObject& line, const PageDrawContext& c) {
  return {c.Map(line.End1), c.Map(line.End2)};
}

void DrawBoxHandles(QPainter& p, const QRect& r) {
  const int half = kHandleSide / 2;
  p.save();
  p.setCompositionMode(QPainter::RasterOp_NotDestination);
  for (const QPoint& pt : BoxHandlePoints(r)) InvertSquare(p, pt - QPoint(half, half));
  p.restore();
}

void DrawLineHandles(QPainter& p, const FreeLineObject& line, const PageDrawContext& c) {
  const std::array<QPoint, 2> ends = LineHandlePoints(line, c);
  p.save();
  p.setCompositionMode(QPainter::RasterOp_NotDestination);
  InvertSquare(p, ends[0] - QPoint(3, 3));
  InvertSquare(p, ends[1] - QPoint(2, 2));
  p.restore();
}

void DrawFocusRect(QPainter& p, const QRect& object, ColorRef color) {
  const QRect r = object.adjusted(-1, -1, 1, 1);
  if (r.width() <= 0 || r.height() <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(color), 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.restore();
}

}  // namespace tl
