// DrawPage: one page of a document onto a device, in this order: the paper,
// (screen) the grid, the cut lines, the objects in list order, the header
// and footer, the white mask over the margins, (screen) the margin
// outlines, the desk, the paper's outline and its shadow. Screen and paper
// share every step except those marked.
#pragma once

#include <QPainter>

#include "render/page_draw_context.h"
#include "render/selection_marks.h"

namespace tl {

void DrawPage(QPainter& painter, PageDrawContext& context);

// Step 7 of a screen draw alone: the objects of the current page that the
// view shows (its ObjectShown filter), with their selection marks unless
// the view leaves them out. What a drag draws over the page without them.
void DrawScreenObjects(QPainter& painter, PageDrawContext& context);

// The handles of a selected object and, for the current image, the focus
// rectangle, where the object lies now.
void DrawSelectionMarks(QPainter& painter, LayoutObject& object, const PageDrawContext& context);

}  // namespace tl
