#include "render/view_hit_test.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "document/object_geometry.h"
#include "render/selection_marks.h"

namespace tl {
namespace {

// A free line is hit this close to its axis, or within half its pen.
constexpr double kLineHitReach = 3.0;

QRect HandleZone(QPoint p) {
  return {p.x() - kHandleHitReach, p.y() - kHandleHitReach, 2 * kHandleHitReach + 1, 2 * kHandleHitReach + 1};
}

bool IsHandleCode(int code) { return code >= kHitTopLeft && code <= kHitLeft; }

bool InFreeText(const FreeTextObject& text, const PageDrawContext& c, QPoint point) {
  const bool measured = std::any_of(text.Corners.begin(), text.Corners.end(),
                                    [](const LPoint& p) { return p.x != 0 || p.y != 0; });
  if (!measured) return c.Map(ObjectArea(text)).contains(point);
  QPolygonF box;
  for (const LPoint& corner : text.Corners)
    box << c.MapF(double(text.Origin.x) + corner.x, double(text.Origin.y) + corner.y);
  return box.containsPoint(QPointF(point), Qt::OddEvenFill);
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  const QPointF nearest = a + t * ab;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

int LineHit(const FreeLineObject& line, const PageDrawContext& c, QPoint point) {
  const std::array<QPoint, 2> ends = LineHandlePoints(line, c);
  if (HandleZone(ends[0]).contains(point)) return kHitTopLeft;
  if (HandleZone(ends[1]).contains(point)) return kHitBottomRight;
  const double reach = std::max(kLineHitReach, c.PixelsY(line.Thickness) / 2 + 1);
  return DistanceToSegment(QPointF(point), QPointF(ends[0]), QPointF(ends[1])) <= reach ? kHitBody : kHitNothing;
}

ViewHit HitObject(LayoutObject& o, const PageDrawContext& c, QPoint point) {
  if (IsImage(&o)) return {&o, TrackerHit(c.Map(ObjectArea(o)), point, o.Selected != 0)};
  if (const FreeTextObject* text = AsFreeText(&o)) return {&o, InFreeText(*text, c, point) ? kHitBody : kHitNothing};
  if (const FreeLineObject* line = AsFreeLine(&o)) return {&o, LineHit(*line, c, point)};
  return {};
}

}  // namespace

int TrackerHit(const QRect& box, QPoint point, bool handles) {
  if (handles) {
    const std::array<QPoint, 8> points = BoxHandlePoints(box);
    for (int code = kHitTopLeft; code <= kHitBottomLeft; ++code)
      if (HandleZone(points[code]).contains(point)) return code;
    const int room = 3 * (2 * kHandleHitReach + 1);
    for (int code = kHitTop; code <= kHitLeft; ++code) {
      const bool alongWidth = code == kHitTop || code == kHitBottom;
      if ((alongWidth ? box.width() : box.height()) < room) continue;
      if (HandleZone(points[code]).contains(point)) return code;
    }
  }
  return box.contains(point) ? kHitBody : kHitNothing;
}

bool OnShownPage(const ViewGeometry& g, const LayoutObject& o) {
  const LayoutDocument& d = g.Document();
  return d.Banner || PageOfY(d, o.Origin.y) == g.Context().firstPage;
}

ViewHit HitTest(const ViewGeometry& g, QPoint point) {
  ViewHit topmost;
  for (LayoutObject* o : g.Document().Objects) {
    if (!IsImageOrFree(o) || !OnShownPage(g, *o)) continue;
    const ViewHit hit = HitObject(*o, g.Context(), point);
    if (hit.code == kHitNothing) continue;
    if (o->Selected && IsHandleCode(hit.code)) return hit;
    topmost = hit;
  }
  return topmost;
}

ImageObject* DropTargetAt(const ViewGeometry& g, QPoint point) {
  ImageObject* target = nullptr;
  for (LayoutObject* o : g.Document().Objects) {
    ImageObject* image = AsImage(o);
    if (!image || image->Selected || !OnShownPage(g, *image)) continue;
    if (TrackerHit(g.ToDevice(ObjectArea(*image)), point, false) == kHitBody) target = image;
  }
  return target;
}

Qt::CursorShape HitCursor(const ViewHit& hit) {
  if (!hit.object || !hit.object->Selected || hit.code == kHitNothing) return Qt::ArrowCursor;
  if (hit.code == kHitBody) return Qt::SizeAllCursor;
  if (IsFreeLine(hit.object)) return Qt::CrossCursor;
  switch (hit.code) {
    case kHitTopLeft:
    case kHitBottomRight: return Qt::SizeFDiagCursor;
    case kHitTopRight:
    case kHitBottomLeft: return Qt::SizeBDiagCursor;
    case kHitTop:
    case kHitBottom: return Qt::SizeVerCursor;
    default: return Qt::SizeHorCursor;
  }
}

}  // namespace tl
