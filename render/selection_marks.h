// The selection marks of the layout view: the eight handles of a box and
// the two end handles of a free line, each a 5 x 5 square that inverts
// what lies under it, and the focus rectangle of the current image. The
// handle points are also where the view's hit test looks for handles.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <array>

#include "document/layout_object.h"
#include "render/page_draw_context.h"

namespace tl {

// Selection handles: 5 x 5 squares that invert what lies under them.
constexpr int kHandleSide = 5;
// How far selection handles and the focus rectangle reach past an object.
constexpr int kHandleReach = kHandleSide + 2;

// The handle points of a box in hit code order: the corners top-left,
// top-right, bottom-right, bottom-left, then the middles of the top,
// right, bottom and left sides.
std::array<QPoint, 8> BoxHandlePoints(const QRect& box);

// A free line's first and second end on the device.
std::array<QPoint, 2> LineHandlePoints(const FreeLineObject& line, const PageDrawContext& context);

void DrawBoxHandles(QPainter& painter, const QRect& box);
void DrawLineHandles(QPainter& painter, const FreeLineObject& line, const PageDrawContext& context);

// A 1-pixel rectangle just outside the object's rectangle.
void DrawFocusRect(QPainter& painter, const QRect& object, ColorRef color);

}  // namespace tl
