// Where an object lies in the layout and moving it there, and the two
// placement facts the editing commands share: which objects the user
// places by hand, and the point in the middle of what the view shows.
#pragma once

#include <cstdint>

#include "document/layout_document.h"

namespace tl {

// A page-absolute coordinate kept within the 32-bit range of the records.
int32_t ClampCoordinate(int64_t v);

// The rectangle the object covers (page-absolute layout units).
LRect ObjectArea(const LayoutObject& object);

// True when the rectangles share at least one unit.
bool AreasIntersect(const LRect& a, const LRect& b);

// Moves the object's top-left corner to `to`; a free line's own reference
// point and end points move with it.
void MoveObjectTo(LayoutObject& object, LPoint to);
void MoveObjectBy(LayoutObject& object, int64_t dx, int64_t dy);

// Objects the user places: every object of a free layout, free texts and
// free lines in automatic layout. The flow places the rest.
bool PlacedFreely(const LayoutDocument& document, const LayoutObject& object);

// The centre of the part of the current page that the view shows, page-
// absolute; without a view (or one that cannot tell) the centre of the
// printable area of the current page.
LPoint VisibleCentre(const LayoutDocument& document);

// The integer mean of a rectangle's edges.
LPoint AreaCentre(const LRect& area);

// The rectangle around a set of areas.
struct BoundingBox {
  LRect area;
  bool any = false;  // nothing added yet while false
  void Add(const LRect& a);
};

}  // namespace tl
