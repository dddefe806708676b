#include "document/duplicate.h"

#include <climits>

#include "document/object_geometry.h"
#include "document/undo_store.h"

namespace tl {
namespace {

bool Duplicable(const LayoutObject* o) { return o->Selected && IsImageOrFree(o); }

bool HasDuplicable(const LayoutDocument& d) {
  for (const LayoutObject* o : d.Objects)
    if (Duplicable(o)) return true;
  return false;
}

// How far copies that the user places move: the box of the selected ones
// comes to the middle of what the view shows.
LPoint CopyOffset(const LayoutDocument& d) {
  BoundingBox box;
  for (const LayoutObject* o : d.Objects)
    if (Duplicable(o) && PlacedFreely(d, *o)) box.Add(ObjectArea(*o));
  if (!box.any) return {};
  const LPoint target = VisibleCentre(d);
  const LPoint centre = AreaCentre(box.area);
  return {ClampCoordinate(int64_t(target.x) - centre.x), ClampCoordinate(int64_t(target.y) - centre.y)};
}

}  // namespace

bool DuplicateSelection(LayoutDocument& d, EditServices& services) {
  if (!HasDuplicable(d)) return false;
  if (!UndoRecord(d, kUndoDuplicate)) return false;

  const LPoint offset = CopyOffset(d);
  const ImageObject* current = d.CurrentImage;
  int16_t number = NextImageNumber(d.Objects);
  LayoutObject* lastCopy = nullptr;
  for (LayoutObject** link = &d.Objects.Head; LayoutObject* o = *link;) {
    if (!Duplicable(o)) {
      link = &o->Next;
      continue;
    }
    LayoutObject* copy = ObjectClone(*o);
    if (!copy) break;
    copy->Selected = 0;
    copy->NeedsRedraw = 1;
    if (ImageObject* image = AsImage(copy)) {
      image->ImageNumber = number;
      if (number < SHRT_MAX) ++number;
      // The information windows follow the newest copy.
      d.CurrentImage = image;
    }
    if (PlacedFreely(d, *o)) {
      MoveObjectBy(*copy, offset.x, offset.y);
      copy->Next = o->Next;
      o->Next = copy;
      link = &copy->Next;
    } else {
      copy->Next = o;
      *link = copy;
      link = &o->Next;
    }
    lastCopy = copy;
  }
  if (!lastCopy) return false;

  services.RebuildLabels(d);
  services.Arrange(d);
  services.ScrollTo(d, *lastCopy);
  if (d.CurrentImage != current) services.CurrentImageChanged(d);
  d.Modified = 1;
  return true;
}

bool DuplicateSelectionTimes(LayoutDocument& d, int count, EditServices& services) {
  if (count < 1 || count > kMaxDuplicateCount || !HasDuplicable(d)) return false;
  if (!UndoRecord(d, kUndoDuplicateNumber)) return false;
  // Each pass's own snapshot coalesces into this one.
  int made = 0;
  while (made < count && DuplicateSelection(d, services)) ++made;
  return made > 0;
}

}  // namespace tl
