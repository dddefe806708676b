// Putting a new free text or free line on the page the view shows: the
// object is centred in the visible part of the current page (at its left
// or top edge when it is wider or taller than that part), after the undo
// snapshot that lets Undo take it away again.
#pragma once

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

// Places `object` (measured: Size known) in the visible part of the
// current page; without a view that can tell, in its printable area.
void PlaceInVisiblePart(LayoutDocument& document, LayoutObject& object);

// Takes the undo snapshot for an added object and links `object` in at the
// end of the list, deselecting everything else and selecting it. False
// (nothing linked) when the snapshot fails.
bool LinkNewFreeObject(LayoutDocument& document, LayoutObject& object, LayoutServices& services = NoLayoutServices());

}  // namespace tl
