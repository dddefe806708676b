#include "layout/flow_engine.h"

#include <algorithm>
#include <climits>

namespace tl {
namespace {

int64_t PageOfTop(int64_t y, int64_t pageHeight) { return y > 0 ? y / pageHeight : 0; }

}  // namespace

FlowFrame FlowFrameFor(const LayoutDocument& d) {
  FlowFrame f;
  f.left = d.PrintableRect.left;
  f.top = d.PrintableRect.top;
  f.right = d.PrintableRect.right;
  f.bottom = d.PrintableRect.bottom;
  // The header and footer bands are kept free of images while the flow runs.
  if (d.Header.Enabled) f.top += d.Header.Offset;
  if (d.Footer.Enabled) f.bottom -= d.Footer.Offset;
  f.pageHeight = d.PageHeight;
  f.maxPages = std::max<int32_t>(1, d.MaxPageCount);
  f.horizontalSpacing = d.AlignHorizontalSpacing;
  f.verticalSpacing = d.AlignVerticalSpacing;
  f.alignHorizontal = d.AlignHorizontal;
  f.alignLine = d.AlignLine;
  f.alignVertical = d.AlignVertical;
  return f;
}

bool DocumentFlows(const LayoutDocument& d) { return d.RecordState == kRecordLive && !d.Free && d.PageHeight > 0; }

LayoutObject* FirstFlowImage(const ObjectList& list, const LayoutObject* ignored) {
  for (LayoutObject* o = list.Head; o; o = o->Next)
    if (o != ignored && PlacedByFlow(o)) return o;
  return nullptr;
}

FlowRun::FlowRun(const FlowFrame& frame, const LayoutObject* firstImage, Mode mode, const LayoutObject* ignored)
    : frame_(frame), firstImage_(firstImage), mode_(mode), ignored_(ignored) {}

void FlowRun::Start(LayoutObject* start, int64_t y) {
  next_ = start;
  y_ = y;
}

bool FlowRun::Step() {
  if (!next_) return false;
  row_ = BuildRow(next_);
  PlaceRow(row_);
  next_ = row_.end;
  return true;
}

void FlowRun::Run(bool stopOnOverflow) {
  while (Step())
    if (stopOnOverflow && overflow_) return;
}

int64_t FlowRun::CellWidth(const LayoutObject* o) const {
  // Equal spacing gives every image a square cell, so turned pictures line up.
  if (frame_.alignHorizontal == kAlignEqualSpacing) return std::max(o->Size.cx, o->Size.cy);
  return o->Size.cx;
}

FlowRow FlowRun::BuildRow(LayoutObject* start) const {
  FlowRow row;
  row.first = start;
  const int64_t available = int64_t(frame_.right) - frame_.left;
  const int64_t hs = frame_.horizontalSpacing;
  int64_t width = -hs;
  int64_t lift = 0;

  LayoutObject* o = start;
  for (; o; o = o->Next) {
    if (o == ignored_ || SkippedByFlow(o)) {
      row.holdsIgnored |= (o == ignored_);
      row.lastObject = o;
      continue;
    }
    if (EndsFlowRow(o)) {
      row.lastObject = o;
      row.endsBlock = true;
      o = o->Next;
      break;
    }
    const int64_t widened = width + hs + CellWidth(o);
    // A row always takes its first cell, however wide.
    if (widened > available && row.rowMax > 0) break;
    const int32_t h = o->Size.cy;
    row.rowMax = std::max(row.rowMax, h);
    if (frame_.alignLine == kAlignTop) lift = std::max<int64_t>(lift, h);
    else if (frame_.alignLine == kAlignMiddle) lift = std::max<int64_t>(lift, h / 2);
    width = widened;
    ++row.cells;
    row.lastCell = o;
    row.lastObject = o;
  }
  row.end = o;
  if (!o) row.endsBlock = true;

  if (frame_.alignLine == kAlignBottom) lift += row.rowMax;
  else if (frame_.alignLine == kAlignMiddle) lift += row.rowMax / 2;
  row.height = std::max<int64_t>(lift, row.rowMax);
  row.width = width;
  return row;
}

void FlowRun::PlaceRow(const FlowRow& row) {
  const int64_t ph = frame_.pageHeight;
  const int64_t before = y_;
  int64_t y = y_;

  // The page on which the previous row ended.
  const int64_t page = std::max<int64_t>(0, (y - frame_.verticalSpacing) / ph);
  if (row.first != firstImage_ && y + row.height > frame_.bottom + page * ph) y = ph * (page + 1) + frame_.top;
  if (y + row.height >= ph * frame_.maxPages) {
    // Out of pages: the remaining rows pile up at the bottom of the last one.
    overflow_ = true;
    y = ph * (frame_.maxPages - 1) + frame_.bottom - row.height - 1;
  }
  if (row.rowMax > 0) {
    if (mode_ == kPlace) PlaceCells(row, y);
    lowestBottom_ = std::max(lowestBottom_, y + row.height);
  }

  const int64_t rowPage = PageOfTop(y, ph);
  if (!pageStart_ || rowPage != pageStartPage_) {
    pageStart_ = row.first;
    pageStartY_ = before;
    pageStartPage_ = rowPage;
  }
  y_ = y + frame_.verticalSpacing + row.height;
}

void FlowRun::PlaceCells(const FlowRow& row, int64_t top) {
  const int64_t left = frame_.left;
  const int64_t right = frame_.right;
  const int64_t room = right - left - row.width;
  const int32_t align = frame_.alignHorizontal;
  int64_t x = left;
  int64_t gap = frame_.horizontalSpacing;
  bool flushLastCell = false;

  if (room < 0) {
    // One cell wider than the area.
    if (align == kAlignRight) x = right - row.width;
    else if (align == kAlignCenter || align == kAlignJustify) x = (left + right - row.width) / 2;
  } else if (align == kAlignRight) {
    x = right - row.width;
  } else if (align == kAlignCenter) {
    x = left + room / 2;
  } else if (align == kAlignJustify && row.cells > 1 && !row.endsBlock) {
    // The last row of a block stays left-aligned.
    gap += room / (row.cells - 1);
    flushLastCell = true;
  }

  bool firstCell = true;
  for (LayoutObject* o = row.first; o != row.end; o = o->Next) {
    if (o == ignored_ || SkippedByFlow(o) || EndsFlowRow(o)) continue;
    const int64_t cell = CellWidth(o);
    if (PlacedByFlow(o)) {
      const int64_t w = o->Size.cx;
      const int64_t h = o->Size.cy;
      int64_t ix = x;
      if (align == kAlignEqualSpacing && !(room < 0 && firstCell)) ix = x + (cell - w) / 2;
      if (flushLastCell && o == row.lastCell) ix = right - w;
      int64_t iy = top;
      if (frame_.alignLine == kAlignBottom) iy = top + row.rowMax - h;
      else if (frame_.alignLine == kAlignMiddle) iy = top + (row.rowMax - h) / 2;
      o->Origin = {ClampCoordinate(ix), ClampCoordinate(iy)};
      o->NeedsRedraw = 1;
    }
    x += cell + gap;
    firstCell = false;
  }
}

void AlignPageBlocks(const FlowFrame& frame, LayoutObject* from) {
  const bool middle = frame.alignVertical == kAlignMiddle;
  if (!middle && frame.alignVertical != kAlignBottom) return;
  const int64_t ph = frame.pageHeight;

  LayoutObject* groupStart = nullptr;
  int64_t groupPage = 0;
  int64_t lowest = 0;
  auto shiftGroup = [&](LayoutObject* end) {
    int64_t shift = frame.bottom - lowest;
    if (middle) shift /= 2;
    // Blocks only move down; one already reaching past the bottom stays.
    if (shift <= 0) return;
    for (LayoutObject* o = groupStart; o != end; o = o->Next)
      if (PlacedByFlow(o)) o->Origin.y = ClampCoordinate(o->Origin.y + shift);
  };

  for (LayoutObject* o = from; o; o = o->Next) {
    if (!PlacedByFlow(o)) continue;
    const int64_t page = PageOfTop(o->Origin.y, ph);
    if (groupStart && page != groupPage) {
      shiftGroup(o);
      groupStart = nullptr;
    }
    if (!groupStart) {
      groupStart = o;
      groupPage = page;
      lowest = INT64_MIN;
    }
    lowest = std::max(lowest, int64_t(o->Origin.y) + o->Size.cy - page * ph);
  }
  if (groupStart) shiftGroup(nullptr);
}

}  // namespace tl
