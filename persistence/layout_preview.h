// LayoutPreviewRenderer: draws the page preview a layout file carries. The
// page renderer (above this layer) provides one; without it the writer
// stores a blank page.
#pragma once

#include <functional>

namespace tl {

struct LayoutDocument;
struct OffscreenBitmap;

// Draws `document` into `preview`, a 128 x 128 bitmap already filled white;
// false when it could not draw (the writer then keeps the blank page).
using LayoutPreviewRenderer = std::function<bool(const LayoutDocument& document, OffscreenBitmap& preview)>;

inline constexpr int kLayoutPreviewSide = 128;

}  // namespace tl
