// Inserting and deleting an empty page of a free layout. Pages are no
// records: objects below the page boundary move down or up by a page height
// and the page count changes.
#pragma once

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

enum PageCommandMessage : int { kObjectsRemainInPage = 10435 };

// Inserts an empty page in front of the view's current page (`inFront`) or
// behind it. Only in a live free layout, and not beyond MaxPageCount (error
// beep). False when nothing changed.
bool InsertPage(LayoutDocument& document, bool inFront, EditServices& services = NoEditServices());

// Deletes the view's current page when nothing lies on it; a page that
// holds any part of an object is kept with "Objects Remain in the page.".
// False when nothing changed.
bool DeletePage(LayoutDocument& document, EditServices& services = NoEditServices());

// The commands' enabled state.
bool InsertPageEnabled(const LayoutDocument& document);
bool DeletePageEnabled(const LayoutDocument& document);

}  // namespace tl
