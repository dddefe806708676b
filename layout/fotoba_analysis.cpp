#include "layout/fotoba_analysis.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "layout/object_area.h"

namespace tl {
namespace {

// [begin, end) along one axis.
struct Span {
  int64_t begin;
  int64_t end;
};

// The covered runs of a set of spans. Touching spans form one run: no
// uncovered unit lies between them, so no cut fits there.
std::vector<Span> CoveredRuns(std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
  std::vector<Span> runs;
  for (const Span& s : spans) {
    if (!runs.empty() && s.begin <= runs.back().end) runs.back().end = std::max(runs.back().end, s.end);
    else runs.push_back(s);
  }
  return runs;
}

// The interspaces between covered runs; each centre lies one past the
// middle of the last covered and the last uncovered unit.
std::vector<Interspace> Interspaces(const std::vector<Span>& runs, int64_t origin) {
  std::vector<Interspace> gaps;
  for (size_t i = 1; i < runs.size(); ++i) {
    const int64_t lastCovered = runs[i - 1].end - 1 - origin;
    const int64_t lastUncovered = runs[i].begin - 1 - origin;
    gaps.push_back({int32_t((lastCovered + lastUncovered) / 2 + 1), int32_t(runs[i].begin - runs[i - 1].end)});
  }
  return gaps;
}

size_t RunOf(const std::vector<Span>& runs, int64_t begin) {
  const auto it = std::upper_bound(runs.begin(), runs.end(), begin,
                                   [](int64_t v, const Span& s) { return v < s.begin; });
  return size_t(it - runs.begin()) - 1;
}

Span AlongX(const LRect& r) { return {r.left, r.right}; }
Span AlongY(const LRect& r) { return {r.top, r.bottom}; }

// Cuts the block into bands along one axis (its through cuts), then each
// band across the other: true when every image of every band stands alone
// in a run of its own, with the cuts of each band in `bands`.
template <typename Along, typename Across>
bool CutInBands(const std::vector<LRect>& images, const std::vector<Span>& bandRuns, int64_t acrossOrigin,
                Along along, Across across, std::vector<std::vector<Interspace>>& bands) {
  std::vector<std::vector<Span>> members(bandRuns.size());
  for (const LRect& r : images) members[RunOf(bandRuns, along(r).begin)].push_back(across(r));
  bands.clear();
  for (std::vector<Span>& spans : members) {
    const size_t count = spans.size();
    const std::vector<Span> runs = CoveredRuns(std::move(spans));
    if (runs.size() != count) return false;
    bands.push_back(Interspaces(runs, acrossOrigin));
  }
  return true;
}

// Every image alone in its cell of the through cuts of both axes.
bool CutAsGrid(const std::vector<LRect>& images, const std::vector<Span>& rows, const std::vector<Span>& columns) {
  std::vector<std::pair<size_t, size_t>> cells;
  cells.reserve(images.size());
  for (const LRect& r : images) cells.emplace_back(RunOf(rows, r.top), RunOf(columns, r.left));
  std::sort(cells.begin(), cells.end());
  return std::adjacent_find(cells.begin(), cells.end()) == cells.end();
}

int32_t NarrowestOf(const std::vector<Interspace>& gaps, int32_t narrowest) {
  for (const Interspace& g : gaps) narrowest = std::min(narrowest, g.width);
  return narrowest;
}

bool FitsCropMarkSet(const FotobaArrangement& a) {
  return a.rowInterspaces.size() <= CropMarkSet::kMaxBands && a.columnInterspaces.size() <= CropMarkSet::kMaxBands &&
         BandCentreList(a).size() <= CropMarkSet::kMaxBands + 1;
}

}  // namespace

bool AnalyseFotobaBlock(const std::vector<LRect>& rects, int32_t fallbackDistance, FotobaArrangement& out) {
  out = FotobaArrangement();
  std::vector<LRect> images;
  for (const LRect& r : rects)
    if (!r.IsEmpty()) images.push_back(r);
  if (images.empty()) return false;

  LRect block = images.front();
  std::vector<Span> xs, ys;
  for (const LRect& r : images) {
    block = {std::min(block.left, r.left), std::min(block.top, r.top), std::max(block.right, r.right),
             std::max(block.bottom, r.bottom)};
    xs.push_back(AlongX(r));
    ys.push_back(AlongY(r));
  }
  const std::vector<Span> rows = CoveredRuns(ys);
  const std::vector<Span> columns = CoveredRuns(xs);

  FotobaArrangement a;
  a.block = block;
  a.rowInterspaces = Interspaces(rows, block.top);
  a.columnInterspaces = Interspaces(columns, block.left);
  const bool grid = CutAsGrid(images, rows, columns);
  if (grid || CutInBands(images, rows, block.left, AlongY, AlongX, a.bandInterspaces)) {
    if (grid) CutInBands(images, rows, block.left, AlongY, AlongX, a.bandInterspaces);
    a.orientation = grid ? kFotobaGrid : kFotobaRows;
  } else if (CutInBands(images, columns, block.top, AlongX, AlongY, a.bandInterspaces)) {
    a.orientation = kFotobaColumns;
  } else {
    return false;
  }

  int32_t narrowest = INT32_MAX;
  if (a.orientation != kFotobaColumns) narrowest = NarrowestOf(a.rowInterspaces, narrowest);
  if (a.orientation != kFotobaRows) narrowest = NarrowestOf(a.columnInterspaces, narrowest);
  a.outerDistance = narrowest == INT32_MAX ? fallbackDistance : narrowest;

  if (!FitsCropMarkSet(a)) return false;
  out = std::move(a);
  return true;
}

bool FotobaArrangementFor(const LayoutDocument& d, FotobaArrangement& out) {
  out = FotobaArrangement();
  if (d.RecordState != kRecordLive || d.Free) return false;
  if (d.AlignHorizontal != kAlignLeft && d.AlignHorizontal != kAlignRight && d.AlignHorizontal != kAlignCenter)
    return false;
  std::vector<LRect> images;
  for (const LayoutObject* o : d.Objects)
    if (IsImage(o)) images.push_back(ObjectArea(*o));
  return AnalyseFotobaBlock(images, std::min(d.AlignHorizontalSpacing, d.AlignVerticalSpacing), out);
}

std::vector<int32_t> BandCentreList(const FotobaArrangement& a) {
  std::vector<int32_t> list;
  for (const std::vector<Interspace>& band : a.bandInterspaces) {
    for (const Interspace& g : band) list.push_back(g.centre);
    list.push_back(0);
  }
  return list;
}

}  // namespace tl
