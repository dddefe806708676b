// DrawPage: one page of a document onto a device, in this order: the paper,
// (screen) the grid, the cut lines, the objects in list order, the header
// and footer, the white mask over the margins, (screen) the margin
// outlines, the desk, the paper's outline and its shadow. Screen and paper
// share every step except those marked.
#pragma once

#include <QPainter>

#include "render/page_draw_context.h"

namespace tl {

void DrawPage(QPainter& painter, PageDrawContext& context);

// Selection handles: 5 x 5 squares that invert what lies under them.
constexpr int kHandleSide = 5;

}  // namespace tl
