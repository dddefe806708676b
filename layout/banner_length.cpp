#include "layout/banner_length.h"

#include <algorithm>

#include "document/message_box.h"
#include "document/object_geometry.h"
#include "document/undo_store.h"
#include "document/view_link.h"
#include "layout/arrange.h"
#include "layout/page_geometry.h"
#include "layout/typed_length.h"

namespace tl {
namespace {

bool AcrossRoll(const LayoutDocument& d) { return d.PaperOrient == 1; }

int32_t SheetLength(const LayoutDocument& d) {
  const LSize sheet = PageSizeFromPaper(d.Orientation, d.PaperLength, d.PaperWidth);
  return AcrossRoll(d) ? sheet.cx : sheet.cy;
}

// The farthest edge along the banner of the objects placed by hand.
int32_t FarthestEdge(const LayoutDocument& d) {
  int64_t edge = 0;
  for (const LayoutObject* o : d.Objects)
    if (PlacedFreely(d, *o)) edge = std::max<int64_t>(edge, int64_t(AcrossRoll(d) ? o->Origin.x + int64_t(o->Size.cx)
                                                                              : o->Origin.y + int64_t(o->Size.cy)));
  return int32_t(std::min<int64_t>(edge, kMaxBannerLength));
}

// A dry run of the flow on one page of `length`.
bool FlowFits(const LayoutDocument& d, LayoutObject* first, int32_t length) {
  FlowFrame frame = FlowFrameFor(d);
  frame.maxPages = 1;
  if (AcrossRoll(d)) {
    frame.right = length - d.PrinterMargins.right;
  } else {
    frame.bottom = length - d.PrinterMargins.bottom - (d.Footer.Enabled ? d.Footer.Offset : 0);
    frame.pageHeight = length;
  }
  FlowRun run(frame, first, FlowRun::kDryRun);
  run.Start(first, frame.top);
  run.Run(true);
  return !run.Overflowed();
}

// The shortest length in [low, kMaxBannerLength] at which the flow fits.
int32_t FlowLength(const LayoutDocument& d, int32_t low) {
  LayoutObject* first = FirstFlowImage(d.Objects);
  if (!first || FlowFits(d, first, low)) return low;
  int32_t high = kMaxBannerLength;
  if (!FlowFits(d, first, high)) return high;
  while (high - low > 1) {
    const int32_t middle = low + (high - low) / 2;
    (FlowFits(d, first, middle) ? high : low) = middle;
  }
  return high;
}

}  // namespace

int32_t BannerLength(const LayoutDocument& d) { return AcrossRoll(d) ? d.PageWidth : d.PageHeight; }

int32_t BannerLengthMinimum(const LayoutDocument& d) {
  const int32_t sheet = std::min(SheetLength(d), kMaxBannerLength);
  const int32_t byHand = std::max(sheet, FarthestEdge(d));
  return d.Free ? byHand : FlowLength(d, byHand);
}

bool OpenBannerLength(const LayoutDocument& d, BannerLengthValues& v) {
  if (!d.Banner) return false;
  v.Unit = DialogUnitFor(d.DisplayUnit);
  v.Current = BannerLength(d);
  v.Min = BannerLengthMinimum(d);
  v.Max = kMaxBannerLength;
  v.Length = LengthText(v.Current, v.Unit);
  return true;
}

void ChooseBannerLengthUnit(BannerLengthValues& v, int unit) {
  v.Length = ConvertLengthText(v.Length, v.Unit, unit);
  v.Unit = unit;
}

bool ApplyBannerLength(BannerLengthValues& v, LayoutDocument& d) {
  int32_t length = 0;
  if (!ReadTypedLength(v.Length, v.Unit, length) || length > v.Max || length < v.Min) {
    const bool number = ReadTypedLength(v.Length, v.Unit, length);
    v.Length = LengthText(!number ? v.Current : length > v.Max ? v.Max : v.Min, v.Unit);
    ErrorBeep();
    return false;
  }
  if (length == BannerLength(d)) return true;
  (AcrossRoll(d) ? d.PageWidth : d.PageHeight) = length;
  d.LastPageWidth = d.PageWidth;
  d.LastPageHeight = d.PageHeight;
  UpdatePageGeometry(d);
  if (LayoutObject* first = d.Objects.Head) first->NeedsRedraw = 1;
  ArrangeLayout(d);
  if (d.View) d.View->PageCountChanged();
  d.Modified = 1;
  UndoClear();
  return true;
}

}  // namespace tl
