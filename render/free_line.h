// Free lines: straight lines between their two end points, solid or dashed,
// with an arrow head at the first end or at both, filled or open.
#pragma once

#include <QPainter>

#include "document/layout_object.h"
#include "render/page_draw_context.h"

namespace tl {

// The area the line may cover with its pen and arrow heads (layout units).
LRect FreeLineArea(const FreeLineObject& line);

// Sets Origin and Size to that area.
void BoundFreeLine(FreeLineObject& line);

void DrawFreeLine(QPainter& painter, const FreeLineObject& line, const PageDrawContext& context);

}  // namespace tl
