#include "document/page_commands.h"

#include <algorithm>

#include "document/message_box.h"
#include "document/object_geometry.h"
#include "document/undo_store.h"
#include "document/view_link.h"

namespace tl {
namespace {

int32_t CurrentPage(const LayoutDocument& d) { return d.View ? std::max(d.View->CurrentPage(), 0) : 0; }

bool PageCommandsApply(const LayoutDocument& d) { return d.Free && d.RecordState == kRecordLive && d.PageHeight > 0; }

// Moves every object that lies wholly below the boundary of page `b` by
// `pages` page heights.
void ShiftObjectsBelow(LayoutDocument& d, int32_t b, int pages) {
  const int64_t line = int64_t(b) * d.PageHeight;
  for (LayoutObject* o : d.Objects) {
    if (!IsImageOrFree(o) || o->Origin.y < line) continue;
    MoveObjectBy(*o, 0, int64_t(pages) * d.PageHeight);
    o->NeedsRedraw = 1;
  }
}

// An object touches a page when its rectangle, at least one unit tall,
// reaches into the page's band.
bool PageHoldsObjects(const LayoutDocument& d, int32_t page) {
  const int64_t top = int64_t(page) * d.PageHeight, bottom = top + d.PageHeight;
  for (const LayoutObject* o : d.Objects) {
    if (!IsImageOrFree(o)) continue;
    const int64_t objectTop = o->Origin.y;
    const int64_t objectBottom = objectTop + std::max<int32_t>(o->Size.cy, 1);
    if (objectTop < bottom && objectBottom > top) return true;
  }
  return false;
}

void FinishPageChange(LayoutDocument& d, EditServices& services) {
  if (d.View) {
    d.View->PageCountChanged();
    d.View->Invalidate();
  }
  services.Arrange(d);
  d.Modified = 1;
}

}  // namespace

bool InsertPageEnabled(const LayoutDocument& d) { return PageCommandsApply(d); }
bool DeletePageEnabled(const LayoutDocument& d) { return PageCommandsApply(d) && d.PageNumber > 1; }

bool InsertPage(LayoutDocument& d, bool inFront, EditServices& services) {
  if (!PageCommandsApply(d)) return false;
  if (d.PageNumber >= d.MaxPageCount) {
    ErrorBeep();
    return false;
  }
  if (!UndoRecord(d, kUndoPage)) return false;
  const int32_t current = CurrentPage(d);
  ShiftObjectsBelow(d, inFront ? current : current + 1, 1);
  ++d.PageNumber;
  // The view keeps showing the same objects.
  if (inFront && d.View) d.View->SetCurrentPage(current + 1);
  FinishPageChange(d, services);
  return true;
}

bool DeletePage(LayoutDocument& d, EditServices& services) {
  if (!PageCommandsApply(d)) return false;
  const int32_t current = CurrentPage(d);
  if (PageHoldsObjects(d, current)) {
    ShowMessage(kObjectsRemainInPage, MessageIcon::Stop);
    return false;
  }
  if (d.PageNumber < 2) return false;
  if (!UndoRecord(d, kUndoPage)) return false;
  ShiftObjectsBelow(d, current + 1, -1);
  --d.PageNumber;
  if (d.View && current > 0) d.View->SetCurrentPage(current - 1);
  FinishPageChange(d, services);
  return true;
}

}  // namespace tl
