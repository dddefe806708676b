// Where an object lies on the pages, and moving it there with everything
// that hangs on its position.
#pragma once

#include "document/layout_object.h"

namespace tl {

class ViewLink;

// The rectangle the object covers (page-absolute layout units).
LRect ObjectArea(const LayoutObject& object);

// Moves the object's top-left corner to `to`; a free line's own reference
// point and end points move with it.
void MoveObjectTo(LayoutObject& object, LPoint to);

// Asks the view to repaint the object where it is now and, for an image,
// where it was last drawn with its label and caption (its outer
// rectangle), so that a moved image leaves nothing behind.
void InvalidateObject(ViewLink& view, const LayoutObject& object);

}  // namespace tl
