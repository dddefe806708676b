#include "layout/fotoba_analysis.h"

#include <gtest/gtest.h>

#include "layout/arrange.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::NewDocument;

LRect Box(int32_t x, int32_t y, int32_t w, int32_t h) { return {x, y, x + w, y + h}; }

TEST(AnalyseFotobaBlock, AGridIsCutThroughInBothDirections) {
  std::vector<LRect> images;
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 3; ++column) images.push_back(Box(100 + column * 870, 200 + row * 670, 800, 600));
  FotobaArrangement a;
  ASSERT_TRUE(AnalyseFotobaBlock(images, 99, a));
  EXPECT_EQ(a.orientation, kFotobaGrid);
  EXPECT_EQ(a.block, (LRect{100, 200, 100 + 2540, 200 + 1270}));
  // A 70-unit gap after 800 covered units: its centre one past the middle
  // of the last covered (799) and last uncovered (869) unit.
  EXPECT_EQ(a.columnInterspaces, (std::vector<Interspace>{{835, 70}, {1705, 70}}));
  EXPECT_EQ(a.rowInterspaces, (std::vector<Interspace>{{635, 70}}));
  EXPECT_EQ(a.outerDistance, 70);
  EXPECT_EQ(BandCentreList(a), (std::vector<int32_t>{835, 1705, 0, 835, 1705, 0}));
}

TEST(AnalyseFotobaBlock, CentredRowsOfDifferentWidthsAreCutInRows) {
  const std::vector<LRect> images = {
      Box(0, 0, 800, 600),   Box(870, 0, 800, 600), Box(1740, 0, 800, 600),  // three across
      Box(435, 700, 800, 500), Box(1305, 700, 800, 500),                      // two, centred
  };
  FotobaArrangement a;
  ASSERT_TRUE(AnalyseFotobaBlock(images, 99, a));
  EXPECT_EQ(a.orientation, kFotobaRows);
  EXPECT_EQ(a.rowInterspaces, (std::vector<Interspace>{{650, 100}}));
  EXPECT_TRUE(a.columnInterspaces.empty());
  EXPECT_EQ(a.outerDistance, 100);
  EXPECT_EQ(BandCentreList(a), (std::vector<int32_t>{835, 1705, 0, 1270, 0}));
}

TEST(AnalyseFotobaBlock, TheSameTurnedIsCutInColumns) {
  const std::vector<LRect> images = {
      Box(0, 0, 600, 800),   Box(0, 870, 600, 800), Box(0, 1740, 600, 800),
      Box(680, 435, 500, 800), Box(680, 1305, 500, 800),
  };
  FotobaArrangement a;
  ASSERT_TRUE(AnalyseFotobaBlock(images, 99, a));
  EXPECT_EQ(a.orientation, kFotobaColumns);
  EXPECT_EQ(a.columnInterspaces, (std::vector<Interspace>{{640, 80}}));
  EXPECT_EQ(a.outerDistance, 80);
  EXPECT_EQ(BandCentreList(a), (std::vector<int32_t>{835, 1705, 0, 1270, 0}));
}

TEST(AnalyseFotobaBlock, RefusesBlocksThatStraightCutsCannotSeparate) {
  struct Case {
    const char* what;
    std::vector<LRect> images;
  } cases[] = {
      {"nothing", {}},
      {"overlapping images", {Box(0, 0, 800, 600), Box(400, 300, 800, 600)}},
      {"touching images", {Box(0, 0, 800, 600), Box(800, 0, 800, 600), Box(0, 700, 800, 600)}},
      // A pinwheel: no cut runs through the whole block either way.
      {"a pinwheel",
       {Box(0, 0, 600, 200), Box(700, 0, 200, 600), Box(300, 700, 600, 200), Box(0, 300, 200, 600),
        Box(300, 300, 300, 300)}},
  };
  for (const Case& c : cases) {
    FotobaArrangement a;
    EXPECT_FALSE(AnalyseFotobaBlock(c.images, 70, a)) << c.what;
    EXPECT_EQ(a.orientation, kFotobaNone) << c.what;
  }
}

TEST(AnalyseFotobaBlock, OneImageNeedsOnlyItsOuterMarks) {
  FotobaArrangement a;
  ASSERT_TRUE(AnalyseFotobaBlock({Box(300, 300, 1000, 700)}, 70, a));
  EXPECT_EQ(a.orientation, kFotobaGrid);
  EXPECT_EQ(a.outerDistance, 70);
  EXPECT_TRUE(a.rowInterspaces.empty());
  EXPECT_TRUE(a.columnInterspaces.empty());
}

TEST(AnalyseFotobaBlock, RefusesMoreCutsThanACropMarkSetHolds) {
  std::vector<LRect> row;
  for (int i = 0; i < 257; ++i) row.push_back(Box(i * 20, 0, 10, 10));
  FotobaArrangement a;
  EXPECT_FALSE(AnalyseFotobaBlock(row, 10, a));
  row.resize(256);  // 255 cuts
  EXPECT_TRUE(AnalyseFotobaBlock(row, 10, a));
}

TEST(FotobaArrangementFor, NeedsAutomaticRowsAlignedLeftRightOrCentre) {
  DocumentPtr d = NewDocument();
  for (int i = 0; i < 5; ++i) AddBox(*d, 800, 600);
  for (const int32_t align : {kAlignLeft, kAlignRight, kAlignCenter}) {
    d->AlignHorizontal = align;
    ArrangeLayout(*d);
    FotobaArrangement a;
    ASSERT_TRUE(FotobaArrangementFor(*d, a)) << align;
    EXPECT_EQ(a.rowInterspaces.size(), 1u);
    EXPECT_EQ(a.rowInterspaces[0].width, 70);
  }
  FotobaArrangement a;
  d->AlignHorizontal = kAlignJustify;
  EXPECT_FALSE(FotobaArrangementFor(*d, a));
  d->AlignHorizontal = kAlignCenter;
  d->Free = 1;
  EXPECT_FALSE(FotobaArrangementFor(*d, a));
}

}  // namespace
}  // namespace tl
