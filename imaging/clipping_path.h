// Photoshop clipping paths drawn into mask bitmaps: the path resource's
// knots are joined by cubic Bezier curves, flattened, and each subpath is
// filled with the alternate (even-odd) rule.
#pragma once

#include <cstdint>

#include "imaging/offscreen_bitmap.h"

namespace tl {

class ByteSource;

// Draws the path held in `path` (26-byte records) into `mask`: for each
// subpath the mask is made white (255, hidden) and the subpath's inside
// black (0, shown), so the last subpath is what remains.
void DrawClippingPath(const ByteSource& path, OffscreenBitmap& mask);

// The clipping path's resource among Photoshop resources: resource 2999
// names it, and it is the path resource (2000 to 2998) of that name. False
// when there is none.
bool FindClippingPath(const ByteSource& resources, uint64_t& offset, uint64_t& size);

}  // namespace tl
