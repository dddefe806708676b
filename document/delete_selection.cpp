#include "document/delete_selection.h"

#include "document/object_geometry.h"
#include "document/selection.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {

std::vector<LayoutObject*> UnlinkSelected(LayoutDocument& d) {
  std::vector<LayoutObject*> taken;
  LayoutObject** link = &d.Objects.Head;
  while (LayoutObject* o = *link) {
    if (!o->Selected) {
      link = &o->Next;
      continue;
    }
    if (d.View) d.View->InvalidateArea(ObjectArea(*o));
    *link = o->Next;
    o->Next = nullptr;
    if (!d.Free && *link) (*link)->NeedsRedraw = 1;
    taken.push_back(o);
  }
  return taken;
}

void PullCurrentPageBack(LayoutDocument& d) {
  if (!d.View || d.View->CurrentPage() < d.PageNumber) return;
  d.View->SetCurrentPage(d.PageNumber > 0 ? d.PageNumber - 1 : 0);
  d.View->PageCountChanged();
}

bool DeleteSelection(LayoutDocument& d, EditServices& services) {
  bool deleted = false;
  if (HasSelection(d)) {
    if (!UndoRecord(d, kUndoDelete)) return false;
    d.SelectedImageCount = 0;
    d.SelectedOtherCount = 0;
    d.CurrentImage = nullptr;
    for (LayoutObject* o : UnlinkSelected(d)) UndoKeepRemoved(*o);
    d.Modified = 1;
    if (d.View) d.View->Invalidate();
    services.CurrentImageChanged(d);
    deleted = true;
  }
  if (d.Objects.Head) d.Objects.Head->NeedsRedraw = 1;
  services.Arrange(d);
  services.RebuildLabels(d);
  PullCurrentPageBack(d);
  return deleted;
}

}  // namespace tl
