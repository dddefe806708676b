#include "layout/arrange.h"

#include <algorithm>

#include "document/view_link.h"
#include "layout/object_area.h"

namespace tl {
namespace {

// The rectangle free objects are kept in touch with: the printable columns,
// from the printable top down to the end of the pages in use (free layout)
// or of the page budget (automatic layout).
LRect ClampBound(const LayoutDocument& d) {
  const int64_t bottom = d.Free ? int64_t(d.PageNumber) * d.PageHeight - d.LayoutMargin.bottom
                                : int64_t(d.MaxPageCount) * d.PageHeight;
  return {d.PrintableRect.left, d.PrintableRect.top, d.PrintableRect.right, ClampCoordinate(bottom)};
}

// An object that lies wholly outside `bound` is pulled back on each axis on
// which it lies outside, until it touches the edge.
void PullInside(LayoutObject& o, const LRect& bound) {
  const int64_t x = o.Origin.x, y = o.Origin.y, w = o.Size.cx, h = o.Size.cy;
  const bool left = x + w <= bound.left, right = x >= bound.right;
  const bool above = y + h <= bound.top, below = y >= bound.bottom;
  int64_t nx = x, ny = y;
  if (left) nx = bound.left;
  else if (right) nx = bound.right - w;
  if (above) ny = bound.top;
  else if (below) ny = bound.bottom - h;
  if (nx != x || ny != y) MoveObjectTo(o, {ClampCoordinate(nx), ClampCoordinate(ny)});
}

// Keeps free objects in the layout area, repaints what changed and counts
// the pages, in one walk through the list.
void ClampRefreshAndCount(LayoutDocument& d) {
  const LRect bound = ClampBound(d);
  int64_t bottom = 0;
  for (LayoutObject* o : d.Objects) {
    if (o->NeedsRedraw) {
      // Objects the flow has not just placed; the crop mark set has no
      // place of its own to keep.
      if (IsImageOrFree(o) && (d.Free || IsFreeElement(o) || d.Banner)) PullInside(*o, bound);
      if (d.View) InvalidateObject(*d.View, *o);
      o->NeedsRedraw = 0;
    }
    if (CountsForPages(*o)) bottom = std::max<int64_t>(bottom, int64_t(o->Origin.y) + o->Size.cy);
  }
  UpdatePageCountFor(d, bottom);
}

// Centres an unplaced object in what the view shows of the current page,
// or puts it at the printable top-left corner of that page.
void PlaceInView(LayoutDocument& d, LayoutObject& o) {
  const int64_t pageTop = d.View ? int64_t(d.View->CurrentPage()) * d.PageHeight : 0;
  const LRect shown = d.View ? d.View->VisiblePageArea() : LRect{};
  int64_t x = d.PrintableRect.left, y = pageTop + d.PrintableRect.top;
  if (!shown.IsEmpty()) {
    x = (int64_t(shown.left) + shown.right) / 2 - o.Size.cx / 2;
    y = pageTop + (int64_t(shown.top) + shown.bottom) / 2 - o.Size.cy / 2;
  }
  MoveObjectTo(o, {ClampCoordinate(x), ClampCoordinate(y)});
  if (d.View) InvalidateObject(*d.View, o);
}

LayoutObject* PredecessorOf(const ObjectList& list, const LayoutObject& object) {
  LayoutObject* previous = nullptr;
  for (LayoutObject* o = list.Head; o && o != &object; o = o->Next) previous = o;
  return previous;
}

bool CursorFits(const FlowCursor& c, const LayoutDocument& d, const FlowFrame& frame, const LayoutObject& object) {
  if (c.document != &d || !c.pageStart || !(c.frame == frame)) return false;
  return c.tail ? c.tail->Next == &object : d.Objects.Head == &object;
}

// Where a flow that takes in `object` starts: the first row of the page on
// which the row that the object joins lay before it came. Rows before that
// page keep their places; that whole page is placed again so that its
// block alignment follows the new rows.
struct Resume {
  FlowFrame frame;
  LayoutObject* firstImage = nullptr;
  LayoutObject* start = nullptr;
  int64_t y = 0;
  bool fromCursor = false;
};

Resume ResumeFor(LayoutDocument& d, const LayoutObject& object, FlowCursor* cursor) {
  Resume r;
  r.frame = FlowFrameFor(d);
  if (cursor && CursorFits(*cursor, d, r.frame, object)) {
    r.firstImage = cursor->firstImage;
    r.start = cursor->pageStart;
    r.y = cursor->pageStartY;
    r.fromCursor = true;
    return r;
  }

  r.firstImage = FirstFlowImage(d.Objects);
  r.start = r.firstImage;
  r.y = r.frame.top;
  LayoutObject* formerFirst = FirstFlowImage(d.Objects, &object);
  if (formerFirst && r.firstImage != &object) {
    // The flow as it was without the object, up to the row it joins.
    FlowRun former(r.frame, formerFirst, FlowRun::kDryRun, &object);
    former.Start(formerFirst, r.frame.top);
    while (former.Step())
      if (former.LastRow().holdsIgnored) break;
    r.start = former.PageStart();
    r.y = former.PageStartY();
  }
  if (cursor) *cursor = {&d, r.frame, PredecessorOf(d.Objects, object), r.firstImage, r.start, r.y};
  return r;
}

}  // namespace

void ArrangeLayout(LayoutDocument& document) {
  if (document.RecordState != kRecordLive) return;
  if (DocumentFlows(document)) {
    if (LayoutObject* first = FirstFlowImage(document.Objects)) {
      const FlowFrame frame = FlowFrameFor(document);
      FlowRun run(frame, first, FlowRun::kPlace);
      run.Start(first, frame.top);
      run.Run(false);
      AlignPageBlocks(frame, first);
    }
  }
  ClampRefreshAndCount(document);
}

bool LayoutFits(const LayoutDocument& document) {
  if (!DocumentFlows(document)) return true;
  LayoutObject* first = FirstFlowImage(document.Objects);
  if (!first) return true;
  const FlowFrame frame = FlowFrameFor(document);
  FlowRun run(frame, first, FlowRun::kDryRun);
  run.Start(first, frame.top);
  run.Run(true);
  return !run.Overflowed();
}

bool CanPlaceImage(const LayoutObject& object, FlowCursor* cursor) {
  LayoutDocument* d = object.Owner;
  if (!d || !DocumentFlows(*d) || !PlacedByFlow(&object)) return true;
  const Resume r = ResumeFor(*d, object, cursor);
  FlowRun run(r.frame, r.firstImage, FlowRun::kDryRun);
  run.Start(r.start, r.y);
  run.Run(true);
  return !run.Overflowed();
}

void PlaceNewObject(LayoutObject& object, FlowCursor* cursor) {
  LayoutDocument* d = object.Owner;
  if (!d || d->RecordState != kRecordLive) return;
  if (!DocumentFlows(*d) || !PlacedByFlow(&object)) {
    if (object.Origin.x == kUnplacedX) PlaceInView(*d, object);
    return;
  }

  const Resume r = ResumeFor(*d, object, cursor);
  FlowRun run(r.frame, r.firstImage, FlowRun::kPlace);
  run.Start(r.start, r.y);
  run.Run(false);
  AlignPageBlocks(r.frame, r.start);

  if (d->View)
    for (LayoutObject* o = r.start; o; o = o->Next)
      if (o->NeedsRedraw) InvalidateObject(*d->View, *o);
  // Appending never takes pages away, so a series only has to count them
  // again when the new rows reach past the last page.
  const bool counted = r.fromCursor && cursor->pagesCounted;
  if (!counted || run.LowestBottom() > int64_t(d->PageNumber) * d->PageHeight) UpdatePageCount(*d);

  if (cursor) {
    cursor->pagesCounted = true;
    cursor->pageStart = run.PageStart();
    cursor->pageStartY = run.PageStartY();
    cursor->tail = run.LastRow().lastObject;
  }
}

}  // namespace tl
