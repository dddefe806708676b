#include "document/object_geometry.h"

#include <algorithm>
#include <climits>

#include "document/view_link.h"

namespace tl {
namespace {

LPoint Shifted(LPoint p, int64_t dx, int64_t dy) { return {ClampCoordinate(p.x + dx), ClampCoordinate(p.y + dy)}; }

}  // namespace

int32_t ClampCoordinate(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

LRect ObjectArea(const LayoutObject& o) {
  return {o.Origin.x, o.Origin.y, ClampCoordinate(int64_t(o.Origin.x) + o.Size.cx),
          ClampCoordinate(int64_t(o.Origin.y) + o.Size.cy)};
}

bool AreasIntersect(const LRect& a, const LRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void MoveObjectTo(LayoutObject& object, LPoint to) {
  MoveObjectBy(object, int64_t(to.x) - object.Origin.x, int64_t(to.y) - object.Origin.y);
}

void MoveObjectBy(LayoutObject& object, int64_t dx, int64_t dy) {
  object.Origin = Shifted(object.Origin, dx, dy);
  if (FreeLineObject* line = AsFreeLine(&object)) {
    line->Anchor = Shifted(line->Anchor, dx, dy);
    line->End1 = Shifted(line->End1, dx, dy);
    line->End2 = Shifted(line->End2, dx, dy);
  }
}

bool PlacedFreely(const LayoutDocument& d, const LayoutObject& o) {
  return IsImageOrFree(&o) && (d.Free || IsFreeElement(&o));
}

LPoint AreaCentre(const LRect& a) {
  return {ClampCoordinate((int64_t(a.left) + a.right) / 2), ClampCoordinate((int64_t(a.top) + a.bottom) / 2)};
}

LPoint VisibleCentre(const LayoutDocument& d) {
  const int64_t pageTop = d.View ? int64_t(d.View->CurrentPage()) * d.PageHeight : 0;
  LRect shown = d.View ? d.View->VisiblePageArea() : LRect{};
  if (shown.IsEmpty()) shown = d.PrintableRect;
  const LPoint centre = AreaCentre(shown);
  return {centre.x, ClampCoordinate(pageTop + centre.y)};
}

void BoundingBox::Add(const LRect& a) {
  if (!any) {
    area = a;
    any = true;
    return;
  }
  area.left = std::min(area.left, a.left);
  area.top = std::min(area.top, a.top);
  area.right = std::max(area.right, a.right);
  area.bottom = std::max(area.bottom, a.bottom);
}

}  // namespace tl
