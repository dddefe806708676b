// Deleting the selected objects (the Delete command and the Delete key),
// and the two steps that Cut shares with it.
#pragma once

#include <vector>

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

// Takes the selected objects out of the list; they stay alive on the
// pending list so that undo can bring them back. Without a selection only
// the layout is arranged again. False when nothing was deleted, or when the
// undo snapshot failed (then nothing changed).
bool DeleteSelection(LayoutDocument& document, EditServices& services = NoEditServices());

// Unlinks every selected object, in list order, after asking the view to
// repaint where it was. In automatic layout the object after each one is
// marked for redraw, since the flow closes the gap.
std::vector<LayoutObject*> UnlinkSelected(LayoutDocument& document);

// Brings the view's current page back inside the page count.
void PullCurrentPageBack(LayoutDocument& document);

}  // namespace tl
