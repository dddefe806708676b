#include "render/view_drag.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "document/object_geometry.h"
#include "document/undo_store.h"
#include "layout/image_geometry.h"
#include "render/free_line.h"
#include "render/grid_snap.h"
#include "render/status_text.h"
#include "render/view_hit_test.h"

namespace tl {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

// Which edges of a box a handle drags.
struct Edges {
  bool Left = false, Top = false, Right = false, Bottom = false;
  bool Horizontal() const { return Left || Right; }
  bool Vertical() const { return Top || Bottom; }
};

Edges DraggedEdges(int code) {
  Edges e;
  e.Left = code == kHitTopLeft || code == kHitBottomLeft || code == kHitLeft;
  e.Right = code == kHitTopRight || code == kHitBottomRight || code == kHitRight;
  e.Top = code == kHitTopLeft || code == kHitTopRight || code == kHitTop;
  e.Bottom = code == kHitBottomLeft || code == kHitBottomRight || code == kHitBottom;
  return e;
}

DragOrigin OriginOf(LayoutObject& o) {
  DragOrigin origin;
  origin.Object = &o;
  origin.Origin = o.Origin;
  origin.Size = o.Size;
  if (const FreeLineObject* line = AsFreeLine(&o)) {
    origin.End1 = line->End1;
    origin.End2 = line->End2;
  }
  return origin;
}

// The page an object lies on, page-absolute.
LRect PageAreaOf(const LayoutDocument& d, int32_t y) {
  const int64_t top = d.Banner ? 0 : int64_t(PageOfY(d, y)) * d.PageHeight;
  return {0, ClampCoordinate(top), d.PageWidth, ClampCoordinate(top + d.PageHeight)};
}

// How far [from, from + extent) may move inside [low, high): an edge
// already outside may not go further out, nor is it pulled in.
void AllowedShift(int64_t from, int64_t extent, int64_t low, int64_t high, int64_t& least, int64_t& most) {
  least = std::max(least, std::min<int64_t>(0, low - from));
  most = std::min(most, std::max<int64_t>(0, high - (from + extent)));
}

// The movement limited so that no image leaves its page.
LSize KeepImagesOnPages(const LayoutDocument& d, const std::vector<DragOrigin>& objects, LSize delta) {
  int64_t leastX = INT32_MIN, mostX = INT32_MAX, leastY = INT32_MIN, mostY = INT32_MAX;
  for (const DragOrigin& o : objects) {
    if (!IsImage(o.Object)) continue;
    const LRect page = PageAreaOf(d, o.Origin.y);
    AllowedShift(o.Origin.x, o.Size.cx, page.left, page.right, leastX, mostX);
    AllowedShift(o.Origin.y, o.Size.cy, page.top, page.bottom, leastY, mostY);
  }
  return {int32_t(std::clamp<int64_t>(delta.cx, leastX, mostX)), int32_t(std::clamp<int64_t>(delta.cy, leastY, mostY))};
}

// Free texts and lines, and in free layout every moved object, come to the
// end of the list so that they are drawn on top.
void BringMovedToTop(LayoutDocument& d, const std::vector<DragOrigin>& objects) {
  for (const DragOrigin& o : objects) {
    if (!d.Free && !IsFreeElement(o.Object)) continue;
    ObjectUnlink(d.Objects, o.Object);
    ObjectAppend(d.Objects, o.Object);
  }
}

bool TakeSnapshot(ViewDrag& drag, LayoutDocument& d) {
  if (drag.Moved) return true;
  if (!UndoRecord(d, kUndoImageGeometry)) {
    drag = {};
    return false;
  }
  drag.Moved = true;
  if (drag.Kind == DragKind::Move) BringMovedToTop(d, drag.Objects);
  return true;
}

void MoveStep(ViewDrag& drag, const ViewGeometry& g, QPoint point) {
  const LSize wanted = g.DeltaToLayout(point - drag.Start);
  const LSize delta = KeepImagesOnPages(g.Document(), drag.Objects, wanted);
  for (const DragOrigin& o : drag.Objects) {
    MoveObjectBy(*o.Object, int64_t(o.Origin.x) + delta.cx - o.Object->Origin.x,
                 int64_t(o.Origin.y) + delta.cy - o.Object->Origin.y);
    o.Object->NeedsRedraw = 1;
  }
  drag.Offset = delta;
  const QPoint held = drag.Start + g.DeltaToDevice(delta);
  drag.Limited = QPoint(delta.cx == wanted.cx ? point.x() : held.x(), delta.cy == wanted.cy ? point.y() : held.y());
}

// The tracker's edges after the pointer moved by `d`: the dragged ones
// follow, held one pixel inside the paper and 12 pixels from the opposite
// edge.
QRect TrackedBox(const QRect& start, const Edges& e, QPoint d, const QRect& paper) {
  int l = start.left(), t = start.top(), r = start.left() + start.width(), b = start.top() + start.height();
  const int pl = paper.left() + 1, pt = paper.top() + 1;
  const int pr = paper.left() + paper.width() - 1, pb = paper.top() + paper.height() - 1;
  if (e.Left) l = std::min(std::max(l + d.x(), pl), r - kMinTrackerPixels);
  if (e.Right) r = std::max(std::min(r + d.x(), pr), l + kMinTrackerPixels);
  if (e.Top) t = std::min(std::max(t + d.y(), pt), b - kMinTrackerPixels);
  if (e.Bottom) b = std::max(std::min(b + d.y(), pb), t + kMinTrackerPixels);
  return QRect(l, t, r - l, b - t);
}

int32_t Scaled(int64_t value, int64_t numerator, int64_t denominator) {
  if (denominator <= 0) return int32_t(value);
  return ClampCoordinate(int64_t(std::llround(double(value) * double(numerator) / double(denominator))));
}

// One side's size: within [least, most], the lower bound giving way.
int32_t Limited(int64_t v, int32_t least, int32_t most) { return int32_t(std::clamp<int64_t>(v, std::min(least, most), most)); }

struct SideLimits {
  int32_t Least = 1, Most = kMaxBoxSide;
};

// The sizes an image may take: 10 mm of picture inside its frame, the
// image sizing rules, and its page on the sides that move (an image that
// already reaches past its page keeps its size but does not grow).
void ImageLimits(const LayoutDocument& d, const ImageObject& image, const DragOrigin& o, const Edges& e,
                 SideLimits& w, SideLimits& h) {
  const LRect page = PageAreaOf(d, o.Origin.y);
  const int64_t roomX = e.Left ? int64_t(o.Origin.x) + o.Size.cx - page.left : int64_t(page.right) - o.Origin.x;
  const int64_t roomY = e.Top ? int64_t(o.Origin.y) + o.Size.cy - page.top : int64_t(page.bottom) - o.Origin.y;
  w.Most = int32_t(std::min<int64_t>(kMaxBoxSide, std::max<int64_t>(roomX, o.Size.cx)));
  h.Most = int32_t(std::min<int64_t>(kMaxBoxSide, std::max<int64_t>(roomY, o.Size.cy)));
  w.Least = int32_t(std::max<int64_t>(1, int64_t(image.FrameRect.left) + image.FrameRect.right + kMinPictureSide));
  h.Least = int32_t(std::max<int64_t>(1, int64_t(image.FrameRect.top) + image.FrameRect.bottom + kMinPictureSide));
}

// The new box size of one image for a change of (dw, dh) layout units.
LSize ResizedBox(const ImageObject& image, const DragOrigin& o, const Edges& e, LSize change, const SideLimits& wl,
                 const SideLimits& hl) {
  const int64_t ow = o.Size.cx, oh = o.Size.cy;
  int64_t w = ow + (e.Horizontal() ? change.cx : 0);
  int64_t h = oh + (e.Vertical() ? change.cy : 0);
  if (!image.SizeRatio || ow <= 0 || oh <= 0) return {Limited(w, wl.Least, wl.Most), Limited(h, hl.Least, hl.Most)};
  // The dragged side leads; a corner follows the side that changed most.
  const bool byWidth = e.Horizontal() && (!e.Vertical() || std::abs(double(w - ow) / ow) >= std::abs(double(h - oh) / oh));
  if (byWidth) {
    w = Limited(w, wl.Least, wl.Most);
    h = Scaled(w, oh, ow);
    if (h < hl.Least || h > hl.Most) {
      h = Limited(h, hl.Least, hl.Most);
      w = Limited(Scaled(h, ow, oh), wl.Least, wl.Most);
    }
  } else {
    h = Limited(h, hl.Least, hl.Most);
    w = Scaled(h, ow, oh);
    if (w < wl.Least || w > wl.Most) {
      w = Limited(w, wl.Least, wl.Most);
      h = Limited(Scaled(w, oh, ow), hl.Least, hl.Most);
    }
  }
  return {int32_t(w), int32_t(h)};
}

void ResizeStep(ViewDrag& drag, const ViewGeometry& g, QPoint point, LayoutServices& labels) {
  const Edges e = DraggedEdges(drag.Code);
  const QPoint moved = point - drag.Start;
  const QRect box = TrackedBox(drag.StartBox, e, moved, g.Paper());
  const LSize change = g.DeltaToLayout(QPoint(box.width() - drag.StartBox.width(), box.height() - drag.StartBox.height()));
  for (const DragOrigin& o : drag.Objects) {
    ImageObject& image = *AsImage(o.Object);
    SideLimits wl, hl;
    ImageLimits(g.Document(), image, o, e, wl, hl);
    const LSize size = ResizedBox(image, o, e, change, wl, hl);
    image.Origin = {e.Left ? ClampCoordinate(int64_t(o.Origin.x) + o.Size.cx - size.cx) : o.Origin.x,
                    e.Top ? ClampCoordinate(int64_t(o.Origin.y) + o.Size.cy - size.cy) : o.Origin.y};
    image.Size = size;
    ApplyAutomaticFrame(image);
    image.NeedsRedraw = 1;
    labels.ComposeLabel(image);
  }
  // The pointer is held where the tracker's edges were held.
  const QRect free = drag.StartBox.adjusted(e.Left ? moved.x() : 0, e.Top ? moved.y() : 0, e.Right ? moved.x() : 0,
                                            e.Bottom ? moved.y() : 0);
  const int heldX = e.Left ? box.left() - free.left() : e.Right ? box.right() - free.right() : 0;
  const int heldY = e.Top ? box.top() - free.top() : e.Bottom ? box.bottom() - free.bottom() : 0;
  drag.Limited = point + QPoint(heldX, heldY);
}

// Puts a free line between two ends, its first end at `first`: length and
// angle as the free line dialog keeps them (whole units and degrees), the
// end at `fixed` exactly where it was.
void SetLineEnds(FreeLineObject& line, LPoint first, LPoint second, bool firstFixed) {
  const double dx = double(second.x) - first.x, dy = double(second.y) - first.y;
  line.Length = int32_t(std::lround(std::hypot(dx, dy)));
  line.Angle = int16_t(std::lround(std::atan2(dy, dx) * kDegreesPerRadian));
  line.Anchor = {0, 0};
  UpdateFreeLineEnds(line);
  const LPoint fixed = firstFixed ? first : second;
  const LPoint derived = firstFixed ? line.End1 : line.End2;
  line.Anchor = {ClampCoordinate(int64_t(fixed.x) - derived.x), ClampCoordinate(int64_t(fixed.y) - derived.y)};
  UpdateFreeLineEnds(line);
  const LRect area = FreeLineArea(line);
  line.Origin = {area.left, area.top};
  line.Size = {area.Width(), area.Height()};
}

void LineEndStep(ViewDrag& drag, const ViewGeometry& g, QPoint point) {
  const DragOrigin& o = drag.Objects.front();
  FreeLineObject& line = *AsFreeLine(o.Object);
  const bool firstEnd = drag.Code == kHitTopLeft;
  const LSize delta = g.DeltaToLayout(point - drag.Start);
  const LRect page = g.PageArea();
  const LPoint from = firstEnd ? o.End1 : o.End2;
  const LPoint to = {int32_t(std::clamp<int64_t>(int64_t(from.x) + delta.cx, page.left, page.right)),
                     int32_t(std::clamp<int64_t>(int64_t(from.y) + delta.cy, page.top, page.bottom))};
  const LPoint other = firstEnd ? o.End2 : o.End1;
  const double length = std::hypot(double(to.x) - other.x, double(to.y) - other.y);
  drag.Limited = point;
  // Too short or too long a line is no line the dialog could edit: the
  // end stays where it was last.
  if (length < kMinLineLength || length > kMaxLineLength) return;
  if (firstEnd) SetLineEnds(line, to, other, false);
  else SetLineEnds(line, other, to, true);
  line.NeedsRedraw = 1;
  const QPoint held = drag.Start + g.DeltaToDevice({int32_t(to.x - from.x), int32_t(to.y - from.y)});
  drag.Limited = QPoint(to.x - from.x == delta.cx ? point.x() : held.x(), to.y - from.y == delta.cy ? point.y() : held.y());
}

// Automatic layout: images dropped on an image that is not selected go
// before it in the list (the flow then places them there).
void DropBeforeTarget(LayoutDocument& d, const ViewGeometry& g, QPoint point) {
  ImageObject* target = DropTargetAt(g, point);
  if (!target) return;
  std::vector<LayoutObject*> dropped;
  for (LayoutObject* o : d.Objects)
    if (IsImage(o) && o->Selected) dropped.push_back(o);
  for (LayoutObject* o : dropped) {
    ObjectUnlink(d.Objects, o);
    ObjectInsertBefore(d.Objects, target, o);
  }
}

void SnapDropped(LayoutDocument& d, const ViewDrag& drag, LSize pitch) {
  for (const DragOrigin& o : drag.Objects) {
    const bool placedFreely = IsFreeElement(o.Object) || (d.Free && IsImage(o.Object));
    if (drag.Kind == DragKind::Move ? placedFreely : d.Free) SnapObjectToGrid(d, *o.Object, pitch);
  }
}

void EndMoved(LayoutDocument& d, EditServices& services) {
  services.RebuildLabels(d);
  services.Arrange(d);
  d.Modified = 1;
}

}  // namespace

bool BeginDrag(ViewDrag& drag, const ViewGeometry& g, const ViewHit& hit, QPoint point) {
  drag = {};
  LayoutObject* grabbed = hit.object;
  if (!grabbed || !grabbed->Selected || hit.code == kHitNothing) return false;
  LayoutDocument& d = g.Document();
  if (hit.code == kHitBody) {
    drag.Kind = DragKind::Move;
    for (LayoutObject* o : d.Objects)
      if (o->Selected && IsImageOrFree(o)) drag.Objects.push_back(OriginOf(*o));
  } else if (IsImage(grabbed)) {
    drag.Kind = DragKind::Resize;
    drag.StartBox = g.ToDevice(ObjectArea(*grabbed));
    for (LayoutObject* o : d.Objects)
      if (o->Selected && IsImage(o)) drag.Objects.push_back(OriginOf(*o));
  } else if (IsFreeLine(grabbed) && (hit.code == kHitTopLeft || hit.code == kHitBottomRight)) {
    drag.Kind = DragKind::LineEnd;
    drag.Objects.push_back(OriginOf(*grabbed));
  } else {
    return false;
  }
  drag.Grabbed = grabbed;
  drag.Code = hit.code;
  drag.Start = drag.Limited = point;
  return true;
}

bool DragTo(ViewDrag& drag, const ViewGeometry& g, QPoint point, DragServices services) {
  if (!Dragging(drag)) return false;
  if (!drag.Moved && point == drag.Start) return true;
  if (!TakeSnapshot(drag, g.Document())) return false;
  switch (drag.Kind) {
    case DragKind::Move: MoveStep(drag, g, point); break;
    case DragKind::Resize: ResizeStep(drag, g, point, services.Layout); break;
    case DragKind::LineEnd: LineEndStep(drag, g, point); break;
    case DragKind::None: break;
  }
  return true;
}

void FinishDrag(ViewDrag& drag, const ViewGeometry& g, QPoint point, const SnapGrid& snap, DragServices services) {
  if (Dragging(drag) && drag.Moved) {
    LayoutDocument& d = g.Document();
    if (drag.Kind == DragKind::Move && !d.Free) DropBeforeTarget(d, g, point);
    if (snap.On && drag.Kind != DragKind::LineEnd) SnapDropped(d, drag, snap.Pitch);
    EndMoved(d, services.Edit);
  }
  drag = {};
}

void CancelDrag(ViewDrag& drag, LayoutDocument& d, DragServices services) {
  if (Dragging(drag) && drag.Moved) UndoRestore(d, services.Edit);
  drag = {};
}

void AbandonDrag(ViewDrag& drag, LayoutDocument& d, DragServices services) {
  if (Dragging(drag) && drag.Moved) EndMoved(d, services.Edit);
  drag = {};
}

DragStatus DragStatusOf(const ViewDrag& drag, const LayoutDocument& d, ZoomRatio zoom) {
  DragStatus status;
  if (!Dragging(drag) || !drag.Grabbed) return status;
  const auto atZoom = [&zoom](int64_t v) { return Scaled(v, zoom.Numerator, zoom.Denominator); };
  if (drag.Kind == DragKind::Resize) {
    status.Kind = kStatusResizing;
    status.A = atZoom(drag.Grabbed->Size.cx);
    status.B = atZoom(drag.Grabbed->Size.cy);
    return status;
  }
  LPoint at = SnapReference(*drag.Grabbed);
  if (drag.Kind == DragKind::LineEnd) {
    const FreeLineObject& line = *AsFreeLine(drag.Grabbed);
    at = drag.Code == kHitTopLeft ? line.End1 : line.End2;
  }
  status.Kind = kStatusMoving;
  status.A = atZoom(at.x);
  status.B = atZoom(int64_t(at.y) - PageAreaOf(d, at.y).top);
  return status;
}

}  // namespace tl
