#include "render/free_object_insert.h"

#include "document/object_geometry.h"
#include "document/selection.h"
#include "document/view_link.h"

namespace tl {
namespace {

// Centred along one axis, or at the start when it does not fit.
int64_t Centred(int32_t start, int32_t visible, int32_t size) {
  return size <= visible ? int64_t(start) + (int64_t(visible) - size) / 2 : start;
}

}  // namespace

void PlaceInVisiblePart(LayoutDocument& d, LayoutObject& object) {
  const int64_t page = d.View ? d.View->CurrentPage() : 0;
  LRect shown = d.View ? d.View->VisiblePageArea() : LRect{};
  if (shown.IsEmpty()) shown = d.PrintableRect;
  const int64_t x = Centred(shown.left, shown.Width(), object.Size.cx);
  const int64_t y = Centred(shown.top, shown.Height(), object.Size.cy) + page * d.PageHeight;
  MoveObjectTo(object, {ClampCoordinate(x), ClampCoordinate(y)});
}

bool LinkNewFreeObject(LayoutDocument& d, LayoutObject& object, LayoutServices& services) {
  if (!services.RecordUndo(d, kUndoAddObject)) return false;
  for (LayoutObject* o : d.Objects) o->Selected = 0;
  object.Owner = &d;
  object.Selected = 1;
  object.NeedsRedraw = 1;
  ObjectAppend(d.Objects, &object);
  RecountSelection(d);
  return true;
}

}  // namespace tl
