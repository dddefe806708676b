// Where a tool window opens: at its stored top-left corner, moved just
// enough to lie inside the screen's work area.
#pragma once

#include "document/geometry.h"

namespace tl {

// The corner for a window of `size` stored at `origin`: never left of or
// above the work area, never reaching past its right or bottom edge (a
// window larger than the work area keeps to its left and top edges).
LPoint ToolWindowOrigin(LPoint origin, LSize size, const LRect& workArea);

}  // namespace tl
