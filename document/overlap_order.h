// The drawing order commands: To Top, Forward, Backward and To Bottom move
// the selected objects past the objects they overlap. The list order is the
// drawing order, so later objects lie on top.
#pragma once

#include <cstdint>

#include "document/layout_document.h"

namespace tl {

enum OverlapMode : int16_t {
  kOverlapToTop = 1,
  kOverlapForward = 2,
  kOverlapBackward = 4,
  kOverlapToBottom = 5,
};

// Moves each selected image, free text and free line once, in list order,
// past the unselected objects it overlaps: behind the last (To Top) or the
// first (Forward) of them after it, in front of the nearest (Backward) or
// the farthest (To Bottom) of them before it. False when the undo snapshot
// failed or the mode is unknown; true otherwise, even when no object had
// anything to pass.
bool ChangeOverlap(LayoutDocument& document, int16_t mode);

// The commands' enabled state: automatic layout orders images by the flow,
// so there only one selected non-image may move; in free layout exactly one
// selected object of any kind.
bool OverlapCommandsEnabled(const LayoutDocument& document);

}  // namespace tl
