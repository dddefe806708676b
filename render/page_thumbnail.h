// The page preview a layout or template file carries: the current page
// drawn as the view draws it (without selection marks), its paper scaled
// into a square keeping its proportions. Images without a preview show as
// cells of the button-shadow colour, and a template without images shows
// the cells its automatic layout would fill with images of the default
// size.
#pragma once

#include <vector>

#include "document/layout_document.h"
#include "imaging/offscreen_bitmap.h"
#include "persistence/layout_preview.h"

namespace tl {

constexpr ColorRef kThumbnailCellColor = 0xA0A0A0;

// The cells the automatic layout gives images of the default size on the
// first page (none in free layout or without a default size).
std::vector<LRect> TemplateCells(const LayoutDocument& document);

// Draws the current page into `preview` (normally 128 x 128): the longer
// side of the paper fills it, the shorter is centred, the rest is left as
// it was. False when the document or the bitmap cannot be drawn.
bool RenderPageThumbnail(LayoutDocument& document, OffscreenBitmap& preview);

// RenderPageThumbnail as the layout file writer takes it.
LayoutPreviewRenderer PageThumbnailRenderer();

}  // namespace tl
