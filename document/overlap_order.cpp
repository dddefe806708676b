#include "document/overlap_order.h"

#include <vector>

#include "document/object_geometry.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {
namespace {

bool KnownMode(int16_t mode) {
  return mode == kOverlapToTop || mode == kOverlapForward || mode == kOverlapBackward || mode == kOverlapToBottom;
}

bool IsObstacleFor(const LayoutObject& o, const LayoutObject& moved) {
  return &o != &moved && !o.Selected && IsImageOrFree(&o) && AreasIntersect(ObjectArea(o), ObjectArea(moved));
}

// The obstacle `moved` goes past, or null when there is none that way.
LayoutObject* ObstacleFor(const ObjectList& list, const LayoutObject& moved, int16_t mode) {
  LayoutObject* nearestBefore = nullptr;
  LayoutObject* farthestBefore = nullptr;
  LayoutObject* firstAfter = nullptr;
  LayoutObject* lastAfter = nullptr;
  bool after = false;
  for (LayoutObject* o = list.Head; o; o = o->Next) {
    if (o == &moved) {
      after = true;
      continue;
    }
    if (!IsObstacleFor(*o, moved)) continue;
    if (after) {
      if (!firstAfter) firstAfter = o;
      lastAfter = o;
    } else {
      if (!farthestBefore) farthestBefore = o;
      nearestBefore = o;
    }
  }
  switch (mode) {
    case kOverlapToTop: return lastAfter;
    case kOverlapForward: return firstAfter;
    case kOverlapBackward: return nearestBefore;
    default: return farthestBefore;
  }
}

void MovePast(ObjectList& list, LayoutObject& moved, LayoutObject& obstacle, int16_t mode) {
  ObjectUnlink(list, &moved);
  const bool upwards = mode == kOverlapToTop || mode == kOverlapForward;
  // Behind the obstacle: in front of whatever follows it (the end when none).
  ObjectInsertBefore(list, upwards ? obstacle.Next : &obstacle, &moved);
}

}  // namespace

bool ChangeOverlap(LayoutDocument& d, int16_t mode) {
  if (!KnownMode(mode)) return false;
  if (!UndoRecord(d, kUndoDrawingOrder)) return false;

  std::vector<LayoutObject*> moving;
  for (LayoutObject* o : d.Objects)
    if (o->Selected && IsImageOrFree(o)) moving.push_back(o);
  for (LayoutObject* o : moving)
    if (LayoutObject* obstacle = ObstacleFor(d.Objects, *o, mode)) MovePast(d.Objects, *o, *obstacle, mode);

  d.Modified = 1;
  if (d.View) d.View->Invalidate();
  return true;
}

bool OverlapCommandsEnabled(const LayoutDocument& d) {
  if (d.Free) return d.SelectedImageCount + d.SelectedOtherCount == 1;
  return d.SelectedImageCount == 0 && d.SelectedOtherCount == 1;
}

}  // namespace tl
