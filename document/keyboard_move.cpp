#include "document/keyboard_move.h"

#include "document/object_geometry.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {
namespace {

bool Offset(int16_t direction, int32_t step, int64_t& dx, int64_t& dy) {
  dx = dy = 0;
  switch (direction) {
    case kNudgeLeft: dx = -int64_t(step); return true;
    case kNudgeUp: dy = -int64_t(step); return true;
    case kNudgeRight: dx = step; return true;
    case kNudgeDown: dy = step; return true;
  }
  return false;
}

}  // namespace

bool NudgeAllowed(const LayoutDocument& d) {
  for (const LayoutObject* o : d.Objects)
    if (o->Selected && PlacedFreely(d, *o)) return true;
  return false;
}

bool NudgeSelection(LayoutDocument& d, int16_t direction, EditServices& services) {
  int64_t dx = 0, dy = 0;
  if (!Offset(direction, d.NudgeStep, dx, dy) || !NudgeAllowed(d)) return false;
  if (!UndoRecord(d, kUndoKeyboardMove)) return false;
  for (LayoutObject* o : d.Objects) {
    if (!o->Selected || !PlacedFreely(d, *o)) continue;
    if (d.View) d.View->InvalidateArea(ObjectArea(*o));
    MoveObjectBy(*o, dx, dy);
    o->NeedsRedraw = 1;
  }
  services.Arrange(d);
  d.Modified = 1;
  if (d.View) d.View->Invalidate();
  return true;
}

}  // namespace tl
