// Moving the selection with the arrow keys by the document's NudgeStep.
// A run of moves shares one undo snapshot, so one undo takes all back.
#pragma once

#include <cstdint>

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

enum NudgeDirection : int16_t { kNudgeLeft, kNudgeUp, kNudgeRight, kNudgeDown };

// Whether the arrow keys move anything: something is selected, and the
// layout is free or a free text or line is among the selection (the flow
// places images of an automatic layout).
bool NudgeAllowed(const LayoutDocument& document);

// Moves the selected objects that the user places by NudgeStep in
// `direction`. False when nudging is not allowed, the direction is unknown
// or the undo snapshot failed (then nothing moved).
bool NudgeSelection(LayoutDocument& document, int16_t direction, EditServices& services = NoEditServices());

}  // namespace tl
