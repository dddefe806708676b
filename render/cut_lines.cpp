#include "render/cut_lines.h"

#include <QLineF>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "document/message_box.h"
#include "layout/fotoba_analysis.h"
#include "layout/object_area.h"
#include "render/qt_colors.h"

namespace tl {
namespace {

// Fotoba marks: two lines either side of the cut, this far from it (one
// less around a single image), a pen this wide, and marks along a band
// stopping this short of the cuts across it.
constexpr int32_t kFotobaPairDistance = 15;
constexpr int32_t kFotobaSingleImageDistance = 14;
constexpr double kFotobaPenWidth = 10;
constexpr int32_t kFotobaBandGap = 35;

std::vector<LRect> PageImages(const LayoutDocument& d, int32_t page) {
  std::vector<LRect> images;
  for (const LayoutObject* o : d.Objects)
    if (IsImage(o) && (d.Banner || PageOfY(d, o->Origin.y) == page)) images.push_back(ObjectArea(*o));
  return images;
}

LRect UnionOf(const std::vector<LRect>& rects) {
  LRect u;
  bool any = false;
  for (const LRect& r : rects) {
    if (r.IsEmpty()) continue;
    u = any ? LRect{std::min(u.left, r.left), std::min(u.top, r.top), std::max(u.right, r.right),
                    std::max(u.bottom, r.bottom)}
            : r;
    any = true;
  }
  return u;
}

bool Inside(const LRect& r, const LRect& area) {
  return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

bool FotobaAllowed(const LayoutDocument& d) {
  return !d.Free &&
         (d.AlignHorizontal == kAlignLeft || d.AlignHorizontal == kAlignRight || d.AlignHorizontal == kAlignCenter);
}

// A list ended by 0 (a centre is never 0); full lists need no end mark.
template <size_t N>
bool StoreList(std::array<int32_t, N>& list, const std::vector<int32_t>& values) {
  list.fill(0);
  if (values.size() > N) return false;
  std::copy(values.begin(), values.end(), list.begin());
  return true;
}

void StoreInterspaces(std::array<int32_t, CropMarkSet::kMaxBands + 1>& centres,
                      std::array<int32_t, CropMarkSet::kMaxBands + 1>& halves, const std::vector<Interspace>& gaps,
                      int32_t cornerLength) {
  std::vector<int32_t> c, h;
  for (const Interspace& g : gaps) c.push_back(g.centre), h.push_back(g.width / 2 + cornerLength);
  StoreList(centres, c);
  StoreList(halves, h);
}

CutLineBuild BuildFotoba(const LayoutDocument& d, const std::vector<LRect>& images, CropMarkSet& set) {
  if (!FotobaAllowed(d)) return CutLineBuild::None;
  FotobaArrangement a;
  if (!AnalyseFotobaBlock(images, std::min(d.AlignHorizontalSpacing, d.AlignVerticalSpacing), a))
    return CutLineBuild::None;
  if ((a.orientation == kFotobaRows && a.rowInterspaces.empty()) ||
      (a.orientation == kFotobaColumns && a.columnInterspaces.empty()))
    return CutLineBuild::Invalid;
  set.FotobaOrientation = a.orientation;
  set.OuterDistance = a.outerDistance;
  StoreInterspaces(set.CentresY, set.HalfWidthsY, a.rowInterspaces, set.CornerLength);
  StoreInterspaces(set.CentresX, set.HalfWidthsX, a.columnInterspaces, set.CornerLength);
  // The cuts inside each band go where the through cuts do not: down the
  // row bands, across the column bands.
  if (a.orientation == kFotobaRows) StoreList(set.CentresX, BandCentreList(a));
  if (a.orientation == kFotobaColumns) StoreList(set.CentresY, BandCentreList(a));
  return CutLineBuild::Built;
}

// The values of a 0-ended list.
template <size_t N>
std::vector<int32_t> ListValues(const std::array<int32_t, N>& list) {
  std::vector<int32_t> v;
  for (int32_t x : list) {
    if (x == 0) break;
    v.push_back(x);
  }
  return v;
}

// The `count` bands of a band list: each band's centres, each band ended
// by 0.
template <size_t N>
std::vector<std::vector<int32_t>> BandValues(const std::array<int32_t, N>& list, size_t count) {
  std::vector<std::vector<int32_t>> bands(count);
  size_t i = 0;
  for (std::vector<int32_t>& band : bands)
    for (; i < N; ++i) {
      if (list[i] == 0) {
        ++i;
        break;
      }
      band.push_back(list[i]);
    }
  return bands;
}

int ImageCount(const CropMarkSet& set) {
  int n = 0;
  while (n < int(CropMarkSet::kMaxImages) && !set.ImageRects[size_t(n)].IsEmpty()) ++n;
  return n;
}

class FotobaPainter {
 public:
  FotobaPainter(QPainter& p, const PageDrawContext& c, const CropMarkSet& set)
      : p_(p),
        c_(c),
        pair_(ImageCount(set) == 1 && set.FotobaOrientation == kFotobaGrid ? kFotobaSingleImageDistance
                                                                             : kFotobaPairDistance) {}

  // A mark on the cut at `at` (a y for a horizontal cut, else an x), from
  // `from` to `to` along the cut.
  void Mark(bool horizontal, double at, double from, double to) {
    for (const int32_t side : {-pair_, pair_}) {
      if (horizontal)
        Line(c_.MapF(from, at + side), c_.MapF(to, at + side));
      else
        Line(c_.MapF(at + side, from), c_.MapF(at + side, to));
    }
  }

 private:
  void Line(QPointF a, QPointF b) { p_.drawLine(QLineF(a, b)); }

  QPainter& p_;
  const PageDrawContext& c_;
  int32_t pair_;
};

// The through cuts of one direction across the whole area, and in each
// band between them its own cuts the other way, stopping short of the
// through cuts (the first band starts at the area's edge, the last ends at
// the opposite one).
void DrawBandedCuts(FotobaPainter& marks, bool horizontal, const std::vector<int32_t>& through,
                    const std::vector<std::vector<int32_t>>& bands, const LRect& a) {
  const double start = horizontal ? a.top : a.left, end = horizontal ? a.bottom : a.right;
  const double crossStart = horizontal ? a.left : a.top, crossEnd = horizontal ? a.right : a.bottom;
  for (int32_t at : through) marks.Mark(horizontal, start + at, crossStart, crossEnd);
  for (size_t k = 0; k < bands.size(); ++k) {
    const double from = k == 0 ? start : start + through[k - 1] + kFotobaBandGap;
    const double to = k >= through.size() ? end : start + through[k] - kFotobaBandGap;
    for (int32_t at : bands[k]) marks.Mark(!horizontal, crossStart + at, from, to);
  }
}

void DrawFotoba(QPainter& p, const PageDrawContext& c, const CropMarkSet& set) {
  QPen pen(Qt::black, std::max(1.0, std::round(c.PixelsY(kFotobaPenWidth))), Qt::SolidLine, Qt::FlatCap,
           Qt::RoundJoin);
  p.setPen(pen);
  FotobaPainter marks(p, c, set);
  const LRect& a = set.Bounds;
  const int16_t o = set.FotobaOrientation;
  const std::vector<int32_t> rows = ListValues(set.CentresY), columns = ListValues(set.CentresX);
  if (o == kFotobaRows) {
    DrawBandedCuts(marks, true, rows, BandValues(set.CentresX, rows.size() + 1), a);
  } else if (o == kFotobaColumns) {
    DrawBandedCuts(marks, false, columns, BandValues(set.CentresY, columns.size() + 1), a);
  } else {
    DrawBandedCuts(marks, true, rows, {}, a);
    DrawBandedCuts(marks, false, columns, {}, a);
  }
  const double half = set.OuterDistance / 2.0;
  if (o == kFotobaRows || o == kFotobaGrid) {
    marks.Mark(true, a.top - half, a.left, a.right);
    marks.Mark(true, a.bottom + half, a.left, a.right);
  }
  if (o == kFotobaColumns || o == kFotobaGrid) {
    marks.Mark(false, a.left - half, a.top, a.bottom);
    marks.Mark(false, a.right + half, a.top, a.bottom);
  }
}

void DrawImageMarks(QPainter& p, const PageDrawContext& c, const CropMarkSet& set) {
  // Marks are placed on device pixels, not on the lines between them, so
  // that a one-pixel pen stays one crisp pixel wide.
  p.translate(0.5, 0.5);
  p.setPen(QPen(ToQColor(c.document->CutLineColor), std::max(1.0, c.PixelsY(1)), Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  const double lengthX = c.PixelsX(set.CornerLength), lengthY = c.PixelsY(set.CornerLength);
  const int count = ImageCount(set);
  for (int i = 0; i < count; ++i) {
    const LRect& r = set.ImageRects[size_t(i)];
    const LRect onPage = {set.Bounds.left + r.left, set.Bounds.top + r.top, set.Bounds.left + r.right,
                          set.Bounds.top + r.bottom};
    // Grown by a pixel, so that the marks lie beside the picture.
    const QRectF g = QRectF(c.MapF(onPage.left, onPage.top), c.MapF(onPage.right, onPage.bottom)).adjusted(-1, -1, 1, 1);
    if (set.MarkType == kMarkRectangles) {
      p.drawRect(g);
      continue;
    }
    const QPointF corners[] = {g.topLeft(), g.topRight(), g.bottomRight(), g.bottomLeft()};
    const double outX[] = {-lengthX, lengthX, lengthX, -lengthX}, outY[] = {-lengthY, -lengthY, lengthY, lengthY};
    for (int k = 0; k < 4; ++k) {
      p.drawLine(QLineF(corners[k], corners[k] + QPointF(outX[k], 0)));
      p.drawLine(QLineF(corners[k], corners[k] + QPointF(0, outY[k])));
    }
  }
}

}  // namespace

void CutLineNotice::Invalid() {
  if (told_ || showing_) return;
  told_ = true;
  showing_ = true;
  Show();
  ClearUndoHistory();
  showing_ = false;
}

void CutLineNotice::Show() { ShowMessage(kCutLinesInvalidMessage, MessageIcon::Stop); }

CutLineNotice& ProcessCutLineNotice() {
  static CutLineNotice notice;
  return notice;
}

CutLineBuild BuildCropMarkSet(const LayoutDocument& d, int32_t page, CropMarkSet& set) {
  if (d.CutLineMode == kCutLineOff || d.RecordState != kRecordLive) return CutLineBuild::None;
  const std::vector<LRect> images = PageImages(d, page);
  if (images.empty()) return CutLineBuild::None;

  set.MarkType = d.CutLineMode == kCutLineFotoba                  ? kMarkFotoba
                 : d.CutLineOthersType == kCutAroundImage ? kMarkRectangles
                                                                    : kMarkCorners;
  set.CornerLength = d.CutLineCornerLength;
  // Only images wholly inside the area count; the area is theirs.
  const LRect area = UnionOf(images);
  std::vector<LRect> inside;
  for (const LRect& r : images)
    if (!r.IsEmpty() && Inside(r, area)) inside.push_back(r);
  set.Bounds = UnionOf(inside);
  if (set.Bounds.IsEmpty()) return CutLineBuild::Invalid;

  set.ImageRects.fill(LRect{});
  for (size_t i = 0; i < inside.size() && i < CropMarkSet::kMaxImages; ++i) {
    const LRect& r = inside[i];
    set.ImageRects[i] = {r.left - set.Bounds.left, r.top - set.Bounds.top, r.right - set.Bounds.left,
                         r.bottom - set.Bounds.top};
  }
  if (set.MarkType == kMarkFotoba) return BuildFotoba(d, inside, set);
  return CutLineBuild::Built;
}

void DrawCutLines(QPainter& p, PageDrawContext& c) {
  std::unique_ptr<CropMarkSet> set(new (std::nothrow) CropMarkSet());
  if (!set) return;
  // A banner is one page; its sheets are slices of it.
  const int32_t page = c.bannerSlice ? 0 : c.firstPage;
  CutLineNotice& notice = c.services.CutLines ? *c.services.CutLines : ProcessCutLineNotice();
  switch (BuildCropMarkSet(*c.document, page, *set)) {
    case CutLineBuild::None: return;
    case CutLineBuild::Invalid: notice.Invalid(); return;
    case CutLineBuild::Built: notice.Valid(); break;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (set->MarkType == kMarkFotoba)
    DrawFotoba(p, c, *set);
  else
    DrawImageMarks(p, c, *set);
  p.restore();
}

}  // namespace tl
