// Where an object lies on the pages, and moving it there with everything
// that hangs on its position.
#pragma once

#include "document/layout_object.h"

namespace tl {

// The rectangle the object covers (page-absolute layout units).
LRect ObjectArea(const LayoutObject& object);

// Moves the object's top-left corner to `to`; a free line's own reference
// point and end points move with it.
void MoveObjectTo(LayoutObject& object, LPoint to);

}  // namespace tl
