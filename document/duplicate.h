// Duplicating the selected objects, once or a given number of times.
#pragma once

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

// The most copies one Duplicate(Number) makes of each selected object.
constexpr int kMaxDuplicateCount = 999;

// Makes one copy of every selected image, free text and free line. Copies
// the user places are moved so that the selection's box is centred on what
// the view shows, and follow their source in the list; an image copy of an
// automatic layout goes in front of its source, taking its place in the
// flow. The copies are not selected; the last image copy becomes the
// current image. False without a selection, when the
// undo snapshot failed, or when not even the first copy could be made.
bool DuplicateSelection(LayoutDocument& document, EditServices& services = NoEditServices());

// Duplicates the selection `count` times (1..kMaxDuplicateCount) under one
// undo snapshot. Every pass copies the same selected objects. False for a
// count out of range, without a selection, when the snapshot failed and
// when no copy could be made.
bool DuplicateSelectionTimes(LayoutDocument& document, int count, EditServices& services = NoEditServices());

}  // namespace tl
