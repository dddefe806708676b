#include "layout/object_area.h"

#include "document/view_link.h"
#include "layout/flow_engine.h"

namespace tl {
namespace {

LPoint Shifted(LPoint p, int64_t dx, int64_t dy) { return {ClampCoordinate(p.x + dx), ClampCoordinate(p.y + dy)}; }

}  // namespace

LRect ObjectArea(const LayoutObject& o) {
  return {o.Origin.x, o.Origin.y, ClampCoordinate(int64_t(o.Origin.x) + o.Size.cx),
          ClampCoordinate(int64_t(o.Origin.y) + o.Size.cy)};
}

void MoveObjectTo(LayoutObject& object, LPoint to) {
  const int64_t dx = int64_t(to.x) - object.Origin.x;
  const int64_t dy = int64_t(to.y) - object.Origin.y;
  object.Origin = to;
  if (FreeLineObject* line = AsFreeLine(&object)) {
    line->Anchor = Shifted(line->Anchor, dx, dy);
    line->End1 = Shifted(line->End1, dx, dy);
    line->End2 = Shifted(line->End2, dx, dy);
  }
}

void InvalidateObject(ViewLink& view, const LayoutObject& object) {
  view.InvalidateArea(ObjectArea(object));
  if (const ImageObject* image = AsImage(&object); image && !image->OuterRect.IsEmpty())
    view.InvalidateArea(image->OuterRect);
}

}  // namespace tl
