#include "layout/layout_mode.h"

#include "document/message_box.h"
#include "document/view_link.h"
#include "layout/arrange.h"
#include "layout/flow_engine.h"

namespace tl {
namespace {

bool HasImages(const LayoutDocument& d) {
  for (const LayoutObject* o : d.Objects)
    if (IsImage(o)) return true;
  return false;
}

// Objects with a place of their own; the crop mark set has none.
bool HasPlace(const LayoutObject* o) { return IsImageOrFree(o); }

// Images that automatic layout flows anew after any page change.
bool FlowsAnew(const LayoutDocument& d, const LayoutObject* o) { return !d.Free && PlacedByFlow(o); }

// The flow as it would run on a page of `width` x `height`.
FlowFrame FrameForPage(const LayoutDocument& d, int32_t width, int32_t height) {
  FlowFrame frame = FlowFrameFor(d);
  frame.right = width - d.PrinterMargins.right;
  frame.bottom = height - d.PrinterMargins.bottom - (d.Footer.Enabled ? d.Footer.Offset : 0);
  frame.pageHeight = height;
  frame.maxPages = MaxPageCountFor(height, d.Banner != 0);
  return frame;
}

bool FlowOverflows(const LayoutDocument& d, const FlowFrame& frame) {
  LayoutObject* first = FirstFlowImage(d.Objects);
  if (!first) return false;
  FlowRun run(frame, first, FlowRun::kDryRun);
  run.Start(first, frame.top);
  run.Run(true);
  return run.Overflowed();
}

bool TooLargeFor(const LayoutObject* o, const LRect& area) {
  return o->Size.cx > area.Width() || o->Size.cy > area.Height();
}

}  // namespace

bool ChangeLayoutMode(LayoutDocument& d, bool free, LayoutServices& services) {
  const int32_t wanted = free ? 1 : 0;
  if (d.Free == wanted) return false;
  if (!services.RecordUndo(d, kChangeLayoutMode)) return false;
  if (!free && HasImages(d)) {
    // The question needs a view to be asked in; without one nothing changes.
    if (!d.View) return false;
    if (ShowMessage(kDiscardPositionsQuestion, MessageIcon::Question, MessageButtons::OkCancel,
                    MessageAnswer::Cancel) != MessageAnswer::Ok)
      return false;
  }
  d.Free = wanted;
  if (d.Objects.Head) d.Objects.Head->NeedsRedraw = 1;
  services.RebuildLabels(d);
  ArrangeLayout(d);
  if (d.View) d.View->Invalidate();
  d.Modified = 1;
  return true;
}

bool LayoutExceedsPage(const LayoutDocument& d, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return true;
  const FlowFrame frame = FrameForPage(d, width, height);
  const LRect printable = {frame.left, frame.top, frame.right, frame.bottom};
  if (!d.Free && FlowOverflows(d, frame)) return true;
  for (const LayoutObject* o : d.Objects) {
    if (!HasPlace(o)) continue;
    if (FlowsAnew(d, o)) {
      if (TooLargeFor(o, printable)) return true;
      continue;
    }
    const int64_t pageTop = int64_t(o->Origin.y > 0 ? o->Origin.y / height : 0) * height;
    if (int64_t(o->Origin.x) + o->Size.cx > width) return true;
    if (int64_t(o->Origin.y) + o->Size.cy - pageTop > height) return true;
  }
  return false;
}

bool ConfirmPageChange(LayoutDocument& d, int32_t width, int32_t height, int messageId) {
  if (!LayoutExceedsPage(d, width, height)) return true;
  if (ShowMessage(messageId, MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No) !=
      MessageAnswer::Yes)
    return false;
  for (LayoutObject* o : d.Objects) o->NeedsRedraw = 1;
  return true;
}

bool AcceptPrintableArea(const LayoutDocument& d, const LRect& printable) {
  for (const LayoutObject* o : d.Objects) {
    if (!HasPlace(o)) continue;
    bool outside = false;
    if (FlowsAnew(d, o)) {
      outside = TooLargeFor(o, printable);
    } else {
      const int64_t top = int64_t(o->Origin.y) - int64_t(PageOfY(d, o->Origin.y)) * d.PageHeight;
      outside = o->Origin.x < printable.left || int64_t(o->Origin.x) + o->Size.cx > printable.right ||
                top < printable.top || top + o->Size.cy > printable.bottom;
    }
    if (outside) {
      ShowMessage(kLayoutExceedsPrintableArea, MessageIcon::Exclamation);
      return false;
    }
  }
  return true;
}

}  // namespace tl
