// Repainting an object with everything that hangs on its position. Where an
// object lies and moving it are record geometry (document/object_geometry.h).
#pragma once

#include "document/object_geometry.h"

namespace tl {

class ViewLink;

// Asks the view to repaint the object where it is now and, for an image,
// where it was last drawn with its label and caption (its outer
// rectangle), so that a moved image leaves nothing behind.
void InvalidateObject(ViewLink& view, const LayoutObject& object);

}  // namespace tl
