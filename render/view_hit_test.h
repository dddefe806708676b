// Hit testing in the layout view: which object lies under a point of the
// window and which part of it -- a handle, a free line's end or the body
// -- by the view's rules: the handles of a selected object win at once,
// otherwise the topmost object (the last in list order) does. Only the
// objects of the page shown are hit.
#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include "document/layout_object.h"
#include "render/view_geometry.h"

namespace tl {

// Hit codes. A free line answers 0 for its first end, 2 for its second
// and 8 for the line.
enum HitCode : int {
  kHitNothing = -1,
  kHitTopLeft = 0,
  kHitTopRight = 1,
  kHitBottomRight = 2,
  kHitBottomLeft = 3,
  kHitTop = 4,
  kHitRight = 5,
  kHitBottom = 6,
  kHitLeft = 7,
  kHitBody = 8,
};

// A handle is hit within this many pixels of its point.
constexpr int kHandleHitReach = 4;

struct ViewHit {
  LayoutObject* object = nullptr;
  int code = kHitNothing;
};

// The tracker of a box: a handle (when `handles`), the body, or nothing.
// Corners are tested before the middles of the sides; a box too small to
// tell a side's middle from its corners has no middle handle there.
int TrackerHit(const QRect& box, QPoint point, bool handles);

// What the point hits on the page shown.
ViewHit HitTest(const ViewGeometry& geometry, QPoint point);

// The topmost image under the point that is not selected: where images
// dragged in automatic layout are dropped.
ImageObject* DropTargetAt(const ViewGeometry& geometry, QPoint point);

// Whether an object lies on the page the view shows.
bool OnShownPage(const ViewGeometry& geometry, const LayoutObject& object);

// The cursor over a hit: the sizing arrows of the handles, the move cross
// over a body, a cross over a free line's end; the arrow elsewhere.
Qt::CursorShape HitCursor(const ViewHit& hit);

}  // namespace tl
