#include "layout/page_margins.h"

#include "document/message_box.h"
#include "layout/arrange.h"
#include "layout/typed_length.h"
#include "layout/units.h"

namespace tl {
namespace {

constexpr int kOutOfRange = 10410;
// The edits' limit in millimetres per layout unit.
constexpr double kMillimetresPerUnit = 0.07055555555555555;

std::array<int32_t, kMarginSideCount> SidesOf(const LRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void ShowMargins(PageMarginsValues& v, const LRect& margins) {
  const auto sides = SidesOf(margins);
  for (int i = 0; i < kMarginSideCount; ++i) v.Texts[i] = LengthText(sides[i], v.Unit);
}

// The first side the printer cannot print or the page cannot hold; -1 when
// the margins are acceptable.
int RefusedSide(const LayoutDocument& d, const std::array<int32_t, kMarginSideCount>& s) {
  const auto printer = SidesOf(d.PrinterMargins);
  for (int i = 0; i < kMarginSideCount; ++i)
    if (s[i] < printer[i]) return i;
  if (int64_t(s[kMarginLeft]) + s[kMarginRight] > d.PageWidth) return kMarginLeft;
  if (int64_t(s[kMarginTop]) + s[kMarginBottom] > d.PageHeight) return kMarginTop;
  return -1;
}

bool OverLimit(const LayoutDocument& d, int side, int unit, int32_t value) {
  const double limit = MarginEditLimit(d, side, unit);
  const double typed = unit == kUnitMillimetre ? value * kMillimetresPerUnit : value / double(kLayoutUnitsPerInch);
  return typed > limit + 1e-9;
}

}  // namespace

LRect MarginsOf(const std::array<int32_t, kMarginSideCount>& s) {
  return {s[kMarginLeft], s[kMarginTop], s[kMarginRight], s[kMarginBottom]};
}

PageMarginsValues OpenPageMargins(const LayoutDocument& d) {
  PageMarginsValues v;
  v.Mode = d.LayoutMarginMode == kMarginsManual ? kMarginsManual : kMarginsFromPrinter;
  v.Unit = DialogUnitFor(d.DisplayUnit);
  v.Opened = v.Mode == kMarginsManual ? d.LayoutMargin : d.PrinterMargins;
  ShowMargins(v, v.Opened);
  return v;
}

void ChoosePageMarginsMode(PageMarginsValues& v, const LayoutDocument& d, int32_t mode) {
  v.Mode = mode == kMarginsManual ? kMarginsManual : kMarginsFromPrinter;
  if (v.Mode == kMarginsFromPrinter) ShowMargins(v, d.PrinterMargins);
}

void ChoosePageMarginsUnit(PageMarginsValues& v, int unit) {
  for (std::string& text : v.Texts) text = ConvertLengthText(text, v.Unit, unit);
  v.Unit = unit;
}

double MarginEditLimit(const LayoutDocument& d, int side, int unit) {
  const int32_t page = side == kMarginLeft || side == kMarginRight ? d.PageWidth : d.PageHeight;
  if (unit == kUnitMillimetre) return page * kMillimetresPerUnit;
  return double(page / kLayoutUnitsPerInch);
}

bool ApplyPageMargins(PageMarginsValues& v, LayoutDocument& d, int& badSide, LayoutServices& services) {
  std::array<int32_t, kMarginSideCount> sides{};
  badSide = -1;
  if (v.Mode == kMarginsManual) {
    for (int i = 0; i < kMarginSideCount && badSide < 0; ++i)
      if (!ReadTypedLength(v.Texts[i], v.Unit, sides[i]) || OverLimit(d, i, v.Unit, sides[i])) badSide = i;
    if (badSide < 0) badSide = RefusedSide(d, sides);
    if (badSide >= 0) {
      ShowMargins(v, v.Opened);
      ShowMessage(kOutOfRange, MessageIcon::Stop);
      return false;
    }
  }
  if (!services.RecordUndo(d, kUndoPageMargins)) return false;
  d.LayoutMarginMode = v.Mode;
  d.LayoutMargin = v.Mode == kMarginsManual ? MarginsOf(sides) : d.PrinterMargins;
  if (LayoutObject* first = d.Objects.Head) first->NeedsRedraw = 1;
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

}  // namespace tl
