#include "render/grid_snap.h"

#include <algorithm>
#include <cmath>

#include "document/object_geometry.h"

namespace tl {
namespace {

int64_t PageTopOf(const LayoutDocument& d, int32_t y) {
  return d.Banner ? 0 : int64_t(PageOfY(d, y)) * d.PageHeight;
}

// The grid line nearest `v` on an axis whose lines lie at `start` + k x pitch.
int64_t NearestLine(int64_t v, int64_t start, int32_t pitch) {
  return start + int64_t(std::floor(double(v - start) / pitch + 0.5)) * pitch;
}

// A grid line for an edge at `v` that keeps [edge, edge + extent) inside
// [low, high): the nearest, else the next one inward; `v` when neither does.
int64_t InsideLine(int64_t v, int64_t extent, int64_t start, int32_t pitch, int64_t low, int64_t high) {
  const int64_t nearest = NearestLine(v, start, pitch);
  const auto fits = [&](int64_t at) { return at >= low && at + extent <= high; };
  if (fits(nearest)) return nearest;
  const int64_t inward = nearest < low ? nearest + pitch : nearest - pitch;
  if (fits(inward)) return inward;
  return v;
}

}  // namespace

LPoint SnapReference(const LayoutObject& o) {
  if (const FreeTextObject* text = AsFreeText(&o))
    return {ClampCoordinate(int64_t(o.Origin.x) + text->Corners[0].x),
            ClampCoordinate(int64_t(o.Origin.y) + text->Corners[0].y)};
  if (const FreeLineObject* line = AsFreeLine(&o)) return line->End1;
  return o.Origin;
}

LPoint GridOrigin(const LayoutDocument& d) {
  return {std::max(d.PrinterMargins.left, d.LayoutMargin.left), std::max(d.PrinterMargins.top, d.LayoutMargin.top)};
}

LPoint NearestGridPoint(const LayoutDocument& d, LPoint p, LSize pitch) {
  const LPoint origin = GridOrigin(d);
  LPoint snapped = p;
  if (pitch.cx > 0) snapped.x = ClampCoordinate(NearestLine(p.x, origin.x, pitch.cx));
  if (pitch.cy > 0) snapped.y = ClampCoordinate(NearestLine(p.y, PageTopOf(d, p.y) + origin.y, pitch.cy));
  return snapped;
}

bool SnapObjectToGrid(LayoutDocument& d, LayoutObject& o, LSize pitch) {
  const LPoint reference = SnapReference(o);
  LPoint snapped = NearestGridPoint(d, reference, pitch);
  if (IsImage(&o)) {
    const LPoint origin = GridOrigin(d);
    const int64_t top = PageTopOf(d, o.Origin.y);
    if (pitch.cx > 0) snapped.x = ClampCoordinate(InsideLine(o.Origin.x, o.Size.cx, origin.x, pitch.cx, 0, d.PageWidth));
    if (pitch.cy > 0)
      snapped.y = ClampCoordinate(InsideLine(o.Origin.y, o.Size.cy, top + origin.y, pitch.cy, top, top + d.PageHeight));
  }
  if (snapped == reference) return false;
  MoveObjectBy(o, int64_t(snapped.x) - reference.x, int64_t(snapped.y) - reference.y);
  o.NeedsRedraw = 1;
  return true;
}

}  // namespace tl
