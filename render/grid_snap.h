// Snap at grid: an object's reference point -- an image's top-left
// corner, a free text's turned top-left corner, a free line's first end --
// moved to the nearest point of the grid the view draws, whose lines start
// at the printable area's top-left corner of each page and repeat at the
// application's grid pitch.
#pragma once

#include "document/layout_document.h"

namespace tl {

LPoint SnapReference(const LayoutObject& object);

// Where the grid starts on the first page: the printable area's corner.
LPoint GridOrigin(const LayoutDocument& document);

// The grid point nearest `p`, counted on p's page; an axis whose pitch is
// not positive keeps its value.
LPoint NearestGridPoint(const LayoutDocument& document, LPoint p, LSize pitch);

// Moves the object so that its reference point lies on the grid. An image
// is not moved off its page: where the nearest grid line would put it
// outside, the next one inward is taken, or the axis stays. True when the
// object moved.
bool SnapObjectToGrid(LayoutDocument& document, LayoutObject& object, LSize pitch);

}  // namespace tl
