#include "layout/arrange.h"

#include <gtest/gtest.h>

#include "layout/page_geometry.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::FakeView;
using fixtures::NewDocument;
using fixtures::Origins;

// A4 portrait: printable 45..2931 across (2886 wide), 45..4009 down; page
// height 4209; spacing 70 both ways.
constexpr int32_t kLeft = 45;
constexpr int32_t kRight = 2931;
constexpr int32_t kTop = 45;
constexpr int32_t kBottom = 4009;
constexpr int32_t kPage = 4209;

struct AlignCase {
  int32_t align;
  std::vector<int32_t> xs;
};

// A landscape, a portrait and a landscape picture in one row.
TEST(ArrangeLayout, PlacesOneRowByEveryHorizontalAlignment) {
  const AlignCase cases[] = {
      {kAlignLeft, {45, 915, 1585}},
      {kAlignRight, {591, 1461, 2131}},
      {kAlignCenter, {318, 1188, 1858}},
      {kAlignJustify, {45, 915, 1585}},        // the last row of a block stays left
      {kAlignEqualSpacing, {45, 1015, 1785}},  // 800-wide square cells, pictures centred in them
  };
  for (const AlignCase& c : cases) {
    SCOPED_TRACE(c.align);
    DocumentPtr d = NewDocument();
    d->AlignHorizontal = c.align;
    AddBox(*d, 800, 600);
    AddBox(*d, 600, 800);
    AddBox(*d, 800, 600);
    ArrangeLayout(*d);
    const std::vector<LPoint> at = Origins(*d);
    ASSERT_EQ(at.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(at[i].x, c.xs[i]) << i;
    // Bottom line alignment: the row shares its bottom edge.
    EXPECT_EQ(at[0].y, 245);
    EXPECT_EQ(at[1].y, 45);
    EXPECT_EQ(at[2].y, 245);
  }
}

TEST(ArrangeLayout, JustifySpreadsAFullRowFromEdgeToEdge) {
  DocumentPtr d = NewDocument();
  d->AlignHorizontal = kAlignJustify;
  // 801 + 800 + 800 + gaps leaves 345 units; the fourth image needs a new row.
  AddBox(*d, 801, 600);
  AddBox(*d, 800, 600);
  AddBox(*d, 800, 600);
  AddBox(*d, 800, 600);
  ArrangeLayout(*d);
  const std::vector<LPoint> at = Origins(*d);
  EXPECT_EQ(at[0].x, kLeft);
  EXPECT_EQ(at[1].x, kLeft + 801 + 70 + 345 / 2);
  EXPECT_EQ(at[2].x, kRight - 800);  // flush right, whatever the division left over
  EXPECT_EQ(at[3], (LPoint{kLeft, kTop + 600 + 70}));
}

TEST(ArrangeLayout, OneImageWiderThanThePrintableWidthGetsARowOfItsOwn) {
  const AlignCase cases[] = {
      {kAlignLeft, {45}}, {kAlignRight, {2931 - 3500}}, {kAlignCenter, {(45 + 2931 - 3500) / 2}},
      {kAlignJustify, {(45 + 2931 - 3500) / 2}}, {kAlignEqualSpacing, {45}},
  };
  for (const AlignCase& c : cases) {
    SCOPED_TRACE(c.align);
    DocumentPtr d = NewDocument();
    d->AlignHorizontal = c.align;
    AddBox(*d, 500, 500);
    AddBox(*d, 3500, 500);
    AddBox(*d, 500, 500);
    ArrangeLayout(*d);
    const std::vector<LPoint> at = Origins(*d);
    EXPECT_EQ(at[1], (LPoint{c.xs[0], kTop + 570}));
    EXPECT_EQ(at[2].y, kTop + 2 * 570);
  }
}

TEST(ArrangeLayout, LineAlignmentPlacesEachImageInItsRowHeight) {
  struct Case {
    int32_t line;
    std::vector<int32_t> ys;
  } cases[] = {
      {kAlignTop, {45, 45, 45}},
      {kAlignBottom, {245, 45, 445}},
      {kAlignMiddle, {145, 45, 245}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    DocumentPtr d = NewDocument();
    d->AlignLine = c.line;
    AddBox(*d, 500, 600);
    AddBox(*d, 500, 800);
    AddBox(*d, 500, 400);
    ImageObject* next = AddBox(*d, 2500, 100);  // next row starts below the tallest
    ArrangeLayout(*d);
    const std::vector<LPoint> at = Origins(*d);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(at[i].y, c.ys[i]) << i;
    EXPECT_EQ(next->Origin.y, kTop + 800 + 70);
  }
}

TEST(ArrangeLayout, ARowThatCrossesThePrintableBottomStartsTheNextPage) {
  DocumentPtr d = NewDocument();
  for (int i = 0; i < 8; ++i) AddBox(*d, 1260, 1260);  // two to a row, three rows to a page
  ArrangeLayout(*d);
  const std::vector<LPoint> at = Origins(*d);
  EXPECT_EQ(at[4].y, kTop + 2 * 1330);
  EXPECT_EQ(at[6].y, kPage + kTop);
  EXPECT_EQ(at[7].y, kPage + kTop);
  EXPECT_EQ(d->PageNumber, 2);
}

TEST(ArrangeLayout, RowsBeyondThePageBudgetPileUpAtTheBottomOfTheLastPage) {
  DocumentPtr d = NewDocument();
  d->MaxPageCount = 2;
  for (int i = 0; i < 16; ++i) AddBox(*d, 1260, 1260);
  EXPECT_FALSE(LayoutFits(*d));
  ArrangeLayout(*d);
  const std::vector<LPoint> at = Origins(*d);
  const int32_t pile = kPage + kBottom - 1260 - 1;
  for (size_t i = 12; i < at.size(); ++i) EXPECT_EQ(at[i].y, pile) << i;
  EXPECT_EQ(at[11].y, kPage + kTop + 2 * 1330);
  EXPECT_EQ(d->PageNumber, 2);

  // Without the surplus the same flow fits.
  while (ObjectCount(d->Objects) > 12) ObjectFree(d->Objects.Head, &d->Objects);
  EXPECT_TRUE(LayoutFits(*d));
}

TEST(ArrangeLayout, ABannerKeepsEveryRowOnItsOnePage) {
  DocumentPtr d = NewDocument();
  d->Banner = 1;
  UpdatePageGeometry(*d);
  ASSERT_EQ(d->MaxPageCount, 1);
  for (int i = 0; i < 9; ++i) AddBox(*d, 1260, 1260);
  FreeTextObject* note = FreeTextObjectNew(d.get(), &d->Objects);
  note->Origin = {100, 3 * kPage};
  note->Size = {300, 100};

  EXPECT_FALSE(LayoutFits(*d));
  ArrangeLayout(*d);
  for (const LayoutObject* o : d->Objects) EXPECT_LE(o->Origin.y + o->Size.cy, kPage) << o->ObjectKind;
  // Rows that found no room end one unit above the printable bottom.
  const std::vector<LPoint> at = Origins(*d);
  EXPECT_EQ(at[6].y, kBottom - 1260 - 1);
  EXPECT_EQ(at[8].y, kBottom - 1260 - 1);
  EXPECT_EQ(note->Origin.y, kPage - 100);
  EXPECT_EQ(d->PageNumber, 1);
}

TEST(ArrangeLayout, BlockAlignmentMovesEachPagesRowsDown) {
  struct Case {
    int16_t vertical;
    int32_t shift;
  } cases[] = {{kAlignTop, 0}, {kAlignMiddle, (kBottom - 2045) / 2}, {kAlignBottom, kBottom - 2045}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vertical);
    DocumentPtr d = NewDocument();
    d->AlignVertical = c.vertical;
    // One 2000-high row fits a page: each page holds one short row.
    AddBox(*d, 2000, 2000);
    AddBox(*d, 2000, 2000);
    ArrangeLayout(*d);
    const std::vector<LPoint> at = Origins(*d);
    EXPECT_EQ(at[0].y, kTop + c.shift);
    EXPECT_EQ(at[1].y, kPage + kTop + c.shift);
  }
}

TEST(ArrangeLayout, HeaderAndFooterBandsStayFreeWhileTheFlowRuns) {
  DocumentPtr d = NewDocument();
  d->Header.Enabled = 1;
  d->Footer.Enabled = 1;
  d->Footer.Offset = 100;
  for (int i = 0; i < 7; ++i) AddBox(*d, 1260, 1260);
  ArrangeLayout(*d);
  const std::vector<LPoint> at = Origins(*d);
  EXPECT_EQ(at[0].y, kTop + 69);
  EXPECT_EQ(at[2].y, kTop + 69 + 1330);
  // The third row would end at 4034, below the footer band's top (3909).
  EXPECT_EQ(at[4].y, kPage + kTop + 69);
  EXPECT_EQ(d->PrintableRect, (LRect{kLeft, kTop, kRight, kBottom}));

  // Bottom block alignment ends at the footer band, not at the printable bottom.
  d->AlignVertical = kAlignBottom;
  ArrangeLayout(*d);
  EXPECT_EQ(AsImage(d->Objects.Head)->Origin.y + 1260 + 70 + 1260, kBottom - 100);
}

TEST(ArrangeLayout, FreeObjectsWhollyOutsideArePulledBackToTheEdge) {
  struct Case {
    int32_t free;
    LPoint from;
    LPoint to;
  } cases[] = {
      {1, {-5000, 500}, {kLeft, 500}},                  // left of the printable area
      {1, {5000, 500}, {kRight - 300, 500}},            // right of it
      {1, {500, -900}, {500, kTop}},                    // above
      {1, {500, 2 * kPage}, {500, kPage - 100}},        // below the one page of free layout
      {0, {500, 60 * kPage}, {500, 50 * kPage - 100}},  // below the page budget of automatic layout
      {1, {2900, 4100}, {2900, 4100}},                  // partly inside: stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from.x << "," << c.from.y);
    DocumentPtr d = NewDocument();
    d->Free = c.free;
    FreeTextObject* text = FreeTextObjectNew(d.get(), &d->Objects);
    text->Origin = c.from;
    text->Size = {300, 100};
    ArrangeLayout(*d);
    EXPECT_EQ(text->Origin, c.to);
    EXPECT_EQ(text->NeedsRedraw, 0);
  }
}

TEST(ArrangeLayout, ClampingMovesAFreeLineWithItsEnds) {
  DocumentPtr d = NewDocument();
  d->Free = 1;
  FreeLineObject* line = FreeLineObjectNew(d.get(), &d->Objects);
  line->Anchor = {-3000, 600};
  UpdateFreeLineEnds(*line);
  line->Origin = {-3000, 100};
  line->Size = {1000, 1000};
  const LPoint end1 = line->End1;
  ArrangeLayout(*d);
  EXPECT_EQ(line->Origin, (LPoint{kLeft, 100}));
  EXPECT_EQ(line->Anchor, (LPoint{kLeft, 600}));
  EXPECT_EQ(line->End1, (LPoint{end1.x + 3045, end1.y}));
}

TEST(ArrangeLayout, OnlyObjectsMarkedForRedrawAreClampedInFreeLayout) {
  DocumentPtr d = NewDocument();
  d->Free = 1;
  ImageObject* image = AddBox(*d, 500, 500);
  image->Origin = {-4000, 300};
  image->NeedsRedraw = 0;
  ArrangeLayout(*d);
  EXPECT_EQ(image->Origin, (LPoint{-4000, 300}));
  image->NeedsRedraw = 1;
  ArrangeLayout(*d);
  EXPECT_EQ(image->Origin, (LPoint{kLeft, 300}));
  // Free layout keeps the page count the user set.
  d->PageNumber = 3;
  image->Origin = {500, 2 * kPage + 500};
  image->NeedsRedraw = 1;
  ArrangeLayout(*d);
  EXPECT_EQ(image->Origin.y, 2 * kPage + 500);
  EXPECT_EQ(d->PageNumber, 3);
}

TEST(ArrangeLayout, FreeElementsKeepTheirPlacesAndTheFlowPassesThem) {
  DocumentPtr d = NewDocument();
  FreeTextObject* text = FreeTextObjectNew(d.get(), &d->Objects);
  text->Origin = {700, 5000};
  text->Size = {300, 100};
  ArrangeLayout(*d);
  EXPECT_EQ(text->Origin, (LPoint{700, 5000}));
  EXPECT_EQ(d->PageNumber, 2);  // the count follows the free elements

  d->AlignHorizontal = kAlignLeft;
  AddBox(*d, 500, 500);
  FreeLineObjectNew(d.get(), &d->Objects)->Size = {100, 100};
  ImageObject* second = AddBox(*d, 500, 500);
  ArrangeLayout(*d);
  EXPECT_EQ(text->Origin, (LPoint{700, 5000}));
  EXPECT_EQ(second->Origin, (LPoint{kLeft + 570, kTop}));
}

TEST(ArrangeLayout, TellsTheViewEveryAreaItRedrawsAndClearsTheMarks) {
  DocumentPtr d = NewDocument();
  FakeView view;
  d->View = &view;
  AddBox(*d, 500, 500);
  AddBox(*d, 500, 500);
  ArrangeLayout(*d);
  ASSERT_EQ(view.areas.size(), 2u);
  EXPECT_EQ(view.areas[0], (LRect{953, 45, 1453, 545}));
  for (const LayoutObject* o : d->Objects) EXPECT_EQ(o->NeedsRedraw, 0);
  d->View = nullptr;
}

TEST(ArrangeLayout, AMovedImageIsRepaintedWhereItWasDrawnToo) {
  DocumentPtr d = NewDocument();
  FakeView view;
  d->View = &view;
  ImageObject* image = AddBox(*d, 500, 500);
  image->OuterRect = {2000, 3000, 2500, 3600};  // as last drawn, label included
  ArrangeLayout(*d);
  EXPECT_EQ(view.areas, (std::vector<LRect>{{1238, 45, 1738, 545}, {2000, 3000, 2500, 3600}}));
  d->View = nullptr;
}

// Kinds with bit 0x4 or 0x8 (none is made today) end a row and a justified
// block without taking a cell.
TEST(ArrangeLayout, ARowBreakingKindEndsTheRowAndTheJustifiedBlock) {
  DocumentPtr d = NewDocument();
  d->AlignHorizontal = kAlignJustify;
  ImageObject* first = AddBox(*d, 800, 600);
  ImageObject* second = AddBox(*d, 800, 600);
  LayoutObject* breaker = FreeTextObjectNew(d.get(), &d->Objects);
  breaker->ObjectKind = 0x4;
  breaker->Origin = {7, 7};
  ImageObject* third = AddBox(*d, 800, 600);
  ArrangeLayout(*d);
  EXPECT_EQ(first->Origin, (LPoint{kLeft, kTop}));
  EXPECT_EQ(second->Origin, (LPoint{kLeft + 870, kTop}));  // left: the block ended here
  EXPECT_EQ(third->Origin, (LPoint{kLeft, kTop + 670}));
  EXPECT_EQ(breaker->Origin, (LPoint{7, 7}));
}

TEST(ArrangeLayout, LeavesADocumentAloneUnlessItIsLive) {
  DocumentPtr d = NewDocument();
  ImageObject* image = AddBox(*d, 500, 500);
  image->Origin = {-100, -100};
  d->RecordState = 1;
  ArrangeLayout(*d);
  EXPECT_EQ(image->Origin, (LPoint{-100, -100}));
  EXPECT_EQ(image->NeedsRedraw, 1);
}

TEST(ArrangeLayout, SurvivesDegenerateSettings) {
  DocumentPtr d = NewDocument();
  d->AlignHorizontalSpacing = -5000;
  d->AlignVerticalSpacing = 100000;
  AddBox(*d, 0, 0);
  AddBox(*d, -10, 300);
  AddBox(*d, 2000000000, 2000000000);
  ArrangeLayout(*d);  // no overflow, division by zero or endless loop
  d->PageHeight = 0;
  EXPECT_TRUE(LayoutFits(*d));
  ArrangeLayout(*d);
}

}  // namespace
}  // namespace tl
