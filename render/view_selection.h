// Selecting with the mouse in the layout view: a click on an object (with
// or without Shift) and the rubber band. Both keep the selection counts
// and the current image up to date, and repaint the objects whose marks
// changed.
#pragma once

#include <QRect>

#include "document/layout_document.h"
#include "render/view_geometry.h"
#include "render/view_hit_test.h"

namespace tl {

// A click on `hit` (nothing hit: empty space). Without Shift a click on an
// unselected object or on empty space clears the selection first; a hit
// image becomes selected and current, or with Shift a selected one is
// deselected; free texts and lines toggle the same way. Afterwards, with
// images selected but none current, the last selected one becomes current.
// True when the hit object ends up selected and may be dragged by the part
// hit (a free text only by its body).
bool SelectByClick(LayoutDocument& document, const ViewHit& hit, bool shift);

// The rubber band `band` (device pixels, any corner order) released:
// without Shift the selection is cleared first, then every object of the
// page shown that lies strictly inside the band toggles; an image that
// becomes selected becomes current.
void SelectByBand(const ViewGeometry& geometry, const QRect& band, bool shift);

// Clears the selection and the current image; true when anything changed.
bool ClearViewSelection(LayoutDocument& document);

}  // namespace tl
