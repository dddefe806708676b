#include "document/clipboard.h"

#include "document/delete_selection.h"
#include "document/message_box.h"
#include "document/object_geometry.h"
#include "document/selection.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {
namespace {

void PushFront(ObjectList& list, LayoutObject& o) {
  o.Next = list.Head;
  list.Head = &o;
}

// Where the list's last Next link is.
LayoutObject** EndLink(ObjectList& list) {
  LayoutObject** link = &list.Head;
  while (*link) link = &(*link)->Next;
  return link;
}

// The clipboard that Cut or Copy replaces waits on the pending list (which
// the snapshot just emptied) until undo brings it back or the next snapshot
// frees it.
void SetClipboardAside() {
  ObjectList& clipboard = ClipboardObjects();
  *EndLink(PendingObjects()) = clipboard.Head;
  clipboard = ObjectList();
}

}  // namespace

bool CutSelection(LayoutDocument& d, EditServices& services) {
  if (!HasSelection(d)) return false;
  if (!UndoRecord(d, kUndoCut)) return false;
  SetClipboardAside();
  // Pushed to the front: the clipboard holds them in reverse list order.
  for (LayoutObject* o : UnlinkSelected(d)) PushFront(ClipboardObjects(), *o);

  d.SelectedImageCount = 0;
  d.SelectedOtherCount = 0;
  d.CurrentImage = nullptr;
  services.RebuildLabels(d);
  services.Arrange(d);
  d.Modified = 1;
  PullCurrentPageBack(d);
  services.CurrentImageChanged(d);
  return true;
}

bool CopySelection(LayoutDocument& d) {
  if (!HasSelection(d)) return false;
  if (!UndoRecord(d, kUndoCopy)) return false;
  SetClipboardAside();
  ObjectList& clipboard = ClipboardObjects();
  for (const LayoutObject* o : d.Objects) {
    if (!o->Selected || !IsImageOrFree(o)) continue;
    LayoutObject* copy = ObjectClone(*o);
    if (!copy) break;
    PushFront(clipboard, *copy);
  }
  return !clipboard.Empty();
}

bool PasteClipboard(LayoutDocument& d, EditServices& services) {
  const ObjectList& clipboard = ClipboardObjects();
  if (clipboard.Empty()) return false;
  if (!UndoRecord(d, kUndoAddObject)) return false;
  for (LayoutObject* o : d.Objects) o->Selected = 0;

  BoundingBox box;
  for (const LayoutObject* o : clipboard)
    if (PlacedFreely(d, *o)) box.Add(ObjectArea(*o));
  const LPoint target = VisibleCentre(d);
  const LPoint centre = AreaCentre(box.area);
  const int64_t dx = int64_t(target.x) - centre.x, dy = int64_t(target.y) - centre.y;

  d.SelectedImageCount = 0;
  d.SelectedOtherCount = 0;
  d.CurrentImage = nullptr;
  // The clipboard holds the objects in reverse order: each copy goes in
  // front of the one made before it, the first at the end of the list.
  LayoutObject** link = EndLink(d.Objects);
  for (const LayoutObject* o : clipboard) {
    LayoutObject* copy = ObjectClone(*o);
    if (!copy) break;
    copy->Owner = &d;
    copy->ObjectRole = kRoleListMember;
    copy->NeedsRedraw = 1;
    if (box.any && PlacedFreely(d, *copy)) MoveObjectBy(*copy, dx, dy);
    copy->Next = *link;
    *link = copy;
    if (ImageObject* image = AsImage(copy)) {
      image->ImageNumber = 0;
      d.CurrentImage = image;
      if (image->Selected) ++d.SelectedImageCount;
    } else if (copy->Selected) {
      ++d.SelectedOtherCount;
    }
  }

  if (d.Objects.Head) d.Objects.Head->NeedsRedraw = 1;
  services.RebuildLabels(d);
  if (!services.LayoutFits(d)) {
    ShowMessage(kPasteIllegalOperation, MessageIcon::Exclamation);
    UndoRestore(d, services);
    if (d.View) d.View->Invalidate();
    return false;
  }
  services.Arrange(d);
  d.Modified = 1;
  return true;
}

bool PasteEnabled() { return !ClipboardObjects().Empty(); }

}  // namespace tl
