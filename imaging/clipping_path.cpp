#include "imaging/clipping_path.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "imaging/byte_source.h"
#include "imaging/photoshop_resources.h"

namespace tl {
namespace {

constexpr uint64_t kRecordBytes = 26;
enum Selector : uint16_t {
  kClosedLength = 0,
  kClosedKnotLinked = 1,
  kClosedKnotUnlinked = 2,
  kOpenLength = 3,
  kOpenKnotLinked = 4,
  kOpenKnotUnlinked = 5,
};
// Flat enough once every control leg is shorter than this, in x and in y.
constexpr int64_t kFlatLeg = 3;
constexpr int kMaxHalvings = 16;
// More points than any real path gives; a bogus path stops here.
constexpr size_t kMaxPoints = size_t(1) << 20;

struct Point {
  int64_t x = 0, y = 0;
};

struct Knot {
  Point before, anchor, after;
};

// A fixed-point fraction of the image size: the top 24 of the 32 bits,
// with 16 fractional bits.
int64_t Scale(uint32_t raw, int32_t size) { return (int64_t(int32_t(raw)) >> 8) * size / 65536; }

Point ReadPoint(const uint8_t* p, const OffscreenBitmap& mask) {
  return {Scale(Big32(p + 4), mask.Width), Scale(Big32(p), mask.Height)};
}

Point Mid(Point a, Point b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

bool Short(Point a, Point b) { return std::abs(a.x - b.x) < kFlatLeg && std::abs(a.y - b.y) < kFlatLeg; }

// Halves the curve until it is flat; adds its end points after p0.
void Flatten(Point p0, Point p1, Point p2, Point p3, int depth, std::vector<Point>& out) {
  if (out.size() >= kMaxPoints) return;
  if (depth >= kMaxHalvings || (Short(p0, p1) && Short(p1, p2) && Short(p2, p3))) {
    out.push_back(p3);
    return;
  }
  const Point a = Mid(p0, p1), b = Mid(p1, p2), c = Mid(p2, p3);
  const Point d = Mid(a, b), e = Mid(b, c), m = Mid(d, e);
  Flatten(p0, a, d, m, depth + 1, out);
  Flatten(m, e, c, p3, depth + 1, out);
}

// Fills the polygon with the alternate rule: a pixel is inside when its
// centre crosses an odd number of edges on its left.
void FillPolygon(const std::vector<Point>& polygon, OffscreenBitmap& mask) {
  struct Edge {
    double x0, y0, x1, y1;
  };
  std::vector<Edge> edges;
  for (size_t i = 0; i < polygon.size(); ++i) {
    const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    if (a.y == b.y) continue;
    edges.push_back(a.y < b.y ? Edge{double(a.x), double(a.y), double(b.x), double(b.y)}
                              : Edge{double(b.x), double(b.y), double(a.x), double(a.y)});
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y0 < r.y0; });
  std::vector<const Edge*> active;
  std::vector<double> crossings;
  size_t next = 0;
  for (int32_t y = 0; y < mask.Height; ++y) {
    const double centre = y + 0.5;
    while (next < edges.size() && edges[next].y0 <= centre) active.push_back(&edges[next++]);
    std::erase_if(active, [&](const Edge* e) { return e->y1 <= centre; });
    crossings.clear();
    for (const Edge* e : active)
      if (e->y0 <= centre) crossings.push_back(e->x0 + (centre - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0));
    std::sort(crossings.begin(), crossings.end());
    uint8_t* row = mask.Row(y);
    for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
      // Pixels whose centres lie between the two crossings.
      const int32_t from = int32_t(std::clamp(std::ceil(crossings[k] - 0.5), 0.0, double(mask.Width)));
      const int32_t to = int32_t(std::clamp(std::ceil(crossings[k + 1] - 0.5), 0.0, double(mask.Width)));
      for (int32_t x = from; x < to; ++x) row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0;
    }
  }
}

void DrawSubpath(const std::vector<Knot>& knots, OffscreenBitmap& mask) {
  std::fill(mask.Pixels.get(), mask.Pixels.get() + mask.ByteSize(), uint8_t(255));
  for (int32_t y = 0; y < mask.Height; ++y)
    for (int32_t x = 0; x < mask.Width; ++x) mask.Row(y)[4 * x + 3] = 0;
  if (knots.size() < 2) return;
  std::vector<Point> polygon{knots[0].anchor};
  for (size_t i = 0; i < knots.size(); ++i) {
    const Knot& from = knots[i];
    const Knot& to = knots[(i + 1) % knots.size()];
    Flatten(from.anchor, from.after, to.before, to.anchor, 0, polygon);
  }
  FillPolygon(polygon, mask);
}

}  // namespace

void DrawClippingPath(const ByteSource& path, OffscreenBitmap& mask) {
  std::vector<Knot> knots;
  uint64_t expected = 0;
  bool inSubpath = false;
  for (uint64_t at = 0; at + kRecordBytes <= path.Size(); at += kRecordBytes) {
    uint8_t record[kRecordBytes];
    if (!path.Read(at, record, sizeof record)) break;
    switch (Big16(record)) {
      case kClosedLength:
      case kOpenLength:
        if (inSubpath) DrawSubpath(knots, mask);
        knots.clear();
        expected = Big16(record + 2);
        inSubpath = true;
        break;
      case kClosedKnotLinked:
      case kClosedKnotUnlinked:
      case kOpenKnotLinked:
      case kOpenKnotUnlinked:
        if (inSubpath && knots.size() < expected)
          knots.push_back({ReadPoint(record + 2, mask), ReadPoint(record + 10, mask), ReadPoint(record + 18, mask)});
        break;
      default: break;  // fill rule, clipboard and initial-fill records
    }
  }
  if (inSubpath) DrawSubpath(knots, mask);
}

bool FindClippingPath(const ByteSource& resources, uint64_t& offset, uint64_t& size) {
  std::string name;
  bool named = false;
  ForEachPhotoshopResource(resources, [&](const PhotoshopResource& block) {
    if (block.Id != kResourceClippingPathName) return true;
    uint8_t length = 0;
    char text[256];
    if (block.Size >= 1 && resources.Read(block.Offset, &length, 1) && length < block.Size &&
        resources.Read(block.Offset + 1, text, length)) {
      name.assign(text, length);
      named = true;
    }
    return false;
  });
  if (!named) return false;
  bool found = false;
  ForEachPhotoshopResource(resources, [&](const PhotoshopResource& block) {
    if (block.Id < kResourceFirstPath || block.Id > kResourceLastPath || block.Name != name) return true;
    offset = block.Offset;
    size = block.Size;
    found = true;
    return false;
  });
  return found;
}

}  // namespace tl
