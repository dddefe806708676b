// The "Page Margins" dialog without its widgets: the layout margins taken
// from the printer or typed by hand, the four edits in the dialog's unit,
// and the checks OK makes before it stores them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

enum PageMarginsMode : int32_t { kMarginsFromPrinter = 0, kMarginsManual = 1 };

// The edits, in this order.
enum MarginSide : int { kMarginLeft, kMarginTop, kMarginRight, kMarginBottom, kMarginSideCount };

struct PageMarginsValues {
  int32_t Mode = kMarginsFromPrinter;
  int Unit = 0;
  std::array<std::string, kMarginSideCount> Texts;  // left, top, right, bottom in Unit
  LRect Opened;  // the margins the edits showed when the dialog opened
};

LRect MarginsOf(const std::array<int32_t, kMarginSideCount>& sides);

PageMarginsValues OpenPageMargins(const LayoutDocument& document);

// The radio buttons: the printer's margins are shown for mode 0; choosing
// manual margins starts from what is shown.
void ChoosePageMarginsMode(PageMarginsValues& values, const LayoutDocument& document, int32_t mode);
// The unit box: the four values shown again in the new unit.
void ChoosePageMarginsUnit(PageMarginsValues& values, int unit);

// The most an edit accepts: the page width (left, right) or height (top,
// bottom) in the unit -- millimetres with their fraction, whole inches.
double MarginEditLimit(const LayoutDocument& document, int side, int unit);

// OK. Manual margins must not be narrower than the printer's, nor add up
// to more than the page; a refusal shows "Out of range.", puts the values
// shown at opening back into the edits, names the edit to select in
// `badSide` and changes nothing. Accepted margins are stored under an undo
// snapshot and the layout is arranged again.
bool ApplyPageMargins(PageMarginsValues& values, LayoutDocument& document, int& badSide,
                      LayoutServices& services = NoLayoutServices());

}  // namespace tl
