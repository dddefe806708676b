#include "layout/paper_table.h"

#include <cstdio>
#include <iterator>

#include "document/layout_document.h"
#include "layout/units.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPaperNameString = 10200;      // + row - 1
constexpr int kPaperSizeNameString = 10250;  // + row - 1
constexpr int32_t kLayoutUnitsPerPoint = 5;

constexpr PaperRow kPaperRows[kPaperRowCount] = {
    {4478, 3169, 600, 11180, 15800},  //  1 Super B0
    {4127, 2919, 601, 10300, 14560},  //  2 B0
    {2919, 2063, 602, 7280, 10300},   //  3 B1
    {2063, 2919, 652, 10300, 7280},   //  4 B1 Landscape
    {2063, 1459, 603, 5150, 7280},    //  5 B2
    {1459, 1031, 259, 3640, 5150},    //  6 B3
    {1031, 728, 12, 2570, 3640},      //  7 B4
    {728, 515, 13, 1820, 2570},       //  8 B5
    {3662, 2590, 604, 9140, 12920},   //  9 Super A0
    {3370, 2383, 605, 8410, 11890},   // 10 A0
    {2592, 1728, 612, 6096, 9144},    // 11 Super A1
    {2383, 1683, 606, 5940, 8410},    // 12 A1
    {1683, 1190, 257, 4200, 5940},    // 13 A2
    {1369, 932, 258, 3290, 4830},     // 14 Super A3/B
    {1190, 841, 8, 2970, 4200},       // 15 A3
    {842, 595, 9, 2100, 2970},        // 16 A4
    {792, 612, 1, 2159, 2794},        // 17 US Letter
    {1224, 792, 262, 2794, 4318},     // 18 US B
    {1584, 1224, 261, 4318, 5588},    // 19 US C
    {2448, 1584, 611, 5588, 8636},    // 20 US D
    {3168, 2448, 610, 8636, 11176},   // 21 US E
};

}  // namespace

const PaperRow* PaperTableRow(int row) {
  if (row < 1 || row > kPaperRowCount) return nullptr;
  return &kPaperRows[row - 1];
}

std::string_view PaperRowName(int row) {
  if (row < 1 || row > kUserDefinedRow) return {};
  return StringText(kPaperNameString + row - 1);
}

std::string PaperRowSizeName(int row, const LSize& page, int unit) {
  if (row < 1 || row > kUserDefinedRow) return {};
  const std::string format(StringText(row == kUserDefinedRow ? kPaperNameString + row - 1
                                                             : kPaperSizeNameString + row - 1));
  const std::string w = LayoutToUnitText(page.cx, unit);
  const std::string h = LayoutToUnitText(page.cy, unit);
  const std::string name(UnitName(unit));
  const int n = std::snprintf(nullptr, 0, format.c_str(), w.c_str(), h.c_str(), name.c_str());
  if (n < 0) return {};
  std::string text(size_t(n) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), w.c_str(), h.c_str(), name.c_str());
  text.resize(size_t(n));
  return text;
}

bool BuiltInPaperSize(int16_t driverId, int32_t& width, int32_t& length) {
  for (const PaperRow& row : kPaperRows) {
    if (row.DriverId == driverId) {
      width = row.BuiltInShort;
      length = row.BuiltInLong;
      return true;
    }
  }
  return false;
}

LSize PageSizeFromTableRow(const LayoutDocument& document, int row, bool landscape) {
  LSize page;
  if (row == kUserDefinedRow) {
    page = document.UserDefinedPage;
  } else if (const PaperRow* r = PaperTableRow(row)) {
    page = {r->PointsShort * kLayoutUnitsPerPoint, r->PointsLong * kLayoutUnitsPerPoint};
  } else {
    return {};
  }
  if (landscape) std::swap(page.cx, page.cy);
  return page;
}

int16_t FindPaperTableIndex(const LayoutDocument& document) {
  const LSize page{document.PageWidth, document.PageHeight};
  for (int row = 1; row <= kPaperRowCount; ++row)
    if (PageSizeFromTableRow(document, row, document.PaperOrient != 0) == page) return int16_t(row);
  return document.UserDefinedPageInUse ? int16_t(kUserDefinedRow) : int16_t(-1);
}

}  // namespace tl
