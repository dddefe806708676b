#include "layout/paper_table.h"

#include <gtest/gtest.h>

#include "document/layout_document.h"
#include "layout/units.h"

namespace tl {
namespace {

TEST(PaperTable, EveryRowGivesItsPageAndBuiltInSize) {
  struct Row {
    int row;
    int16_t id;
    LSize page;  // portrait, layout units
    int32_t width, length;
  } rows[] = {
      {1, 600, {15845, 22390}, 11180, 15800},  {2, 601, {14595, 20635}, 10300, 14560},
      {3, 602, {10315, 14595}, 7280, 10300},   {4, 652, {14595, 10315}, 10300, 7280},
      {5, 603, {7295, 10315}, 5150, 7280},     {6, 259, {5155, 7295}, 3640, 5150},
      {7, 12, {3640, 5155}, 2570, 3640},       {8, 13, {2575, 3640}, 1820, 2570},
      {9, 604, {12950, 18310}, 9140, 12920},   {10, 605, {11915, 16850}, 8410, 11890},
      {11, 612, {8640, 12960}, 6096, 9144},    {12, 606, {8415, 11915}, 5940, 8410},
      {13, 257, {5950, 8415}, 4200, 5940},     {14, 258, {4660, 6845}, 3290, 4830},
      {15, 8, {4205, 5950}, 2970, 4200},       {16, 9, {2975, 4210}, 2100, 2970},
      {17, 1, {3060, 3960}, 2159, 2794},       {18, 262, {3960, 6120}, 2794, 4318},
      {19, 261, {6120, 7920}, 4318, 5588},     {20, 611, {7920, 12240}, 5588, 8636},
      {21, 610, {12240, 15840}, 8636, 11176},
  };
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  for (const Row& r : rows) {
    ASSERT_NE(PaperTableRow(r.row), nullptr);
    EXPECT_EQ(PaperTableRow(r.row)->DriverId, r.id) << r.row;
    EXPECT_EQ(PageSizeFromTableRow(*d, r.row, false), r.page) << r.row;
    EXPECT_EQ(PageSizeFromTableRow(*d, r.row, true), (LSize{r.page.cy, r.page.cx})) << r.row;
    int32_t width = 0, length = 0;
    ASSERT_TRUE(BuiltInPaperSize(r.id, width, length)) << r.row;
    EXPECT_EQ(width, r.width) << r.row;
    EXPECT_EQ(length, r.length) << r.row;
    EXPECT_FALSE(PaperRowName(r.row).empty()) << r.row;
  }
  EXPECT_EQ(PaperTableRow(0), nullptr);
  EXPECT_EQ(PaperTableRow(22), nullptr);
  int32_t width = 0, length = 0;
  EXPECT_FALSE(BuiltInPaperSize(256, width, length));
  EXPECT_FALSE(BuiltInPaperSize(0, width, length));
}

TEST(PaperTable, TheUserDefinedRowIsTheDocumentsOwnPage) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->UserDefinedPage = {1000, 2000};
  EXPECT_EQ(PageSizeFromTableRow(*d, kUserDefinedRow, false), (LSize{1000, 2000}));
  EXPECT_EQ(PageSizeFromTableRow(*d, kUserDefinedRow, true), (LSize{2000, 1000}));
  EXPECT_EQ(PageSizeFromTableRow(*d, 23, false), (LSize{}));
}

TEST(PaperTable, NamesComeFromTheStringTable) {
  EXPECT_EQ(PaperRowName(16), "A4 (  210 x 297 mm )");
  EXPECT_EQ(PaperRowName(17), "US Letter ( 8.5 x 11 inch )");
  EXPECT_EQ(PaperRowName(22), "User Defined ( %s x %s %s )");
  EXPECT_EQ(PaperRowSizeName(16, {2976, 4209}, kUnitMillimetre), "A4 ( 209.97 x 296.97 mm )");
  EXPECT_EQ(PaperRowSizeName(22, {3060, 3960}, kUnitInch), "User Defined ( 8.500 x 11 inch )");
  EXPECT_EQ(PaperRowSizeName(0, {1, 1}, kUnitInch), "");
}

TEST(PaperTableIndex, FindsTheFirstRowWithExactlyThePage) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->PageWidth = 3060;
  d->PageHeight = 3960;
  EXPECT_EQ(FindPaperTableIndex(*d), 17);

  d->PaperOrient = 1;  // landscape rows
  d->PageWidth = 3960;
  d->PageHeight = 3060;
  EXPECT_EQ(FindPaperTableIndex(*d), 17);

  // B1 landscape (row 4) is the landscape form of row 3.
  d->PaperOrient = 0;
  d->PageWidth = 14595;
  d->PageHeight = 10315;
  EXPECT_EQ(FindPaperTableIndex(*d), 4);

  // The driver's A4 (2976 x 4209) is not the table's (2975 x 4210).
  d->PageWidth = 2976;
  d->PageHeight = 4209;
  EXPECT_EQ(FindPaperTableIndex(*d), -1);
  d->UserDefinedPageInUse = 1;
  EXPECT_EQ(FindPaperTableIndex(*d), kUserDefinedRow);
}

}  // namespace
}  // namespace tl
