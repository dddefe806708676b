// Changing between automatic and free layout, and the checks made before a
// page or printable area change takes room away from the layout.
#pragma once

#include <cstdint>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum LayoutModeMessage : int {
  kDiscardPositionsQuestion = 10424,
  kLayoutExceedsPrintableArea = 10426,
  kRearrangeWarningWidth = 10428,
  kRearrangeWarningHeight = 10429,
};

// Switches the layout mode (free: true for free layout). Going back to
// automatic layout while images exist asks first, and needs a view to ask
// in. True when the mode changed.
bool ChangeLayoutMode(LayoutDocument& document, bool free, LayoutServices& services = NoLayoutServices());

// True when the layout needs more room than a page of `width` x `height`
// gives: in automatic layout the images would overflow the page budget or
// an image would not fit the printable area; otherwise an object would reach
// past the page's right edge or past the bottom of the page it starts on.
bool LayoutExceedsPage(const LayoutDocument& document, int32_t width, int32_t height);

// Before a page change to `width` x `height`: when the layout needs more
// room, asks `messageId` (kRearrangeWarningWidth or ...Height). False when
// the user declines (the change must not be made); after Yes every object
// is marked for the next pass to re-flow or clamp.
bool ConfirmPageChange(LayoutDocument& document, int32_t width, int32_t height, int messageId);

// Before a print settings change gives the page the printable rectangle
// `printable`: warns and returns false when objects would lie outside it
// (images of automatic layout only count when they are too large for it,
// since they flow anew).
bool AcceptPrintableArea(const LayoutDocument& document, const LRect& printable);

}  // namespace tl
