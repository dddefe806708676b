// Cut, Copy and Paste through the application's own clipboard list. The
// clipboard is private to the application: nothing goes to the system
// clipboard. It outlives the document it came from, and pasting leaves it
// as it was, so the same objects can be pasted again.
#pragma once

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

enum ClipboardMessage : int { kPasteIllegalOperation = 10455 };

// Moves the selected objects onto the clipboard (the clipboard they
// replace is kept for undo). False without a selection or when the undo
// snapshot failed.
bool CutSelection(LayoutDocument& document, EditServices& services = NoEditServices());

// Puts copies of the selected objects on the clipboard; the document does
// not change. False without a selection (the clipboard stays) or when no
// copy could be made.
bool CopySelection(LayoutDocument& document);

// Appends copies of the clipboard's objects, selected, in the order they had
// in their document; objects the user places are centred on what the view
// shows. When the images then need more pages than the layout may have, the
// paste is undone at once with "Illegal operation.". False then, with an
// empty clipboard, and when the undo snapshot failed.
bool PasteClipboard(LayoutDocument& document, EditServices& services = NoEditServices());

// The Paste command's enabled state.
bool PasteEnabled();

}  // namespace tl
