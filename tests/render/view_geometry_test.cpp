// The view's one mapping between device pixels and layout units, the
// scroll range it gives, and the rulers drawn from it.
#include <gtest/gtest.h>

#include <QImage>

#include "render/view_rulers.h"
#include "tests/render/render_test_support.h"
#include "tests/render/view_fixtures.h"

namespace tl::test {
namespace {

class ViewGeometryTest : public ::testing::Test, public ViewFixture {};

TEST_F(ViewGeometryTest, MapsBothWays) {
  const ViewGeometry g = Geometry();
  EXPECT_EQ(g.ToDevice(LPoint{400, 800}), QPoint(110, 210));
  EXPECT_EQ(g.ToLayout({110, 210}), (LPoint{400, 800}));
  EXPECT_EQ(g.ToLayout({10, 10}), (LPoint{0, 0}));
  EXPECT_EQ(g.DeltaToLayout({3, -3}), (LSize{12, -12}));
  EXPECT_EQ(g.DeltaToDevice({14, -14}), QPoint(4, -4)) << "3.5 rounds away from zero";
  EXPECT_EQ(g.PageArea(), (LRect{0, 0, 2976, 4209}));
  EXPECT_EQ(g.VisiblePageArea(), (LRect{-40, -40, 3016, 4248}));

  // Page 2 shows where page 1 did; layout points stay page-absolute.
  view.CurrentPage = 1;
  const ViewGeometry second = Geometry();
  EXPECT_EQ(second.ToDevice(LPoint{400, 4209 + 800}), QPoint(110, 210));
  EXPECT_EQ(second.ToLayout({110, 210}), (LPoint{400, 4209 + 800}));
  EXPECT_EQ(second.VisiblePageArea(), (LRect{-40, -40, 3016, 4248})) << "relative to the page shown";

  // At 2 : 3 a pixel is six units, and a movement is cut toward zero.
  view.ZoomNumerator = 2;
  view.ZoomDenominator = 3;
  EXPECT_EQ(Geometry().DeltaToLayout({1, -1}), (LSize{6, -6}));
  EXPECT_EQ(Geometry().DeltaToLayout({0, 0}), (LSize{0, 0}));
}

TEST_F(ViewGeometryTest, RulersMoveThePageAndTakeTheirBands) {
  view.ShowRulers = true;
  const ViewGeometry g = Geometry();
  EXPECT_EQ(g.Paper().topLeft(), QPoint(30, 30));
  EXPECT_TRUE(g.OnRulers({300, 19}));
  EXPECT_TRUE(g.OnRulers({19, 300}));
  EXPECT_FALSE(g.OnRulers({20, 20}));
  view.ShowRulers = false;
  EXPECT_FALSE(Geometry().OnRulers({5, 5}));
}

TEST_F(ViewGeometryTest, ScrollRange) {
  EXPECT_EQ(ScrollRange(D(), view), QSize(5, 5)) << "the shadow reaches past the window";
  view.ShowRulers = true;
  EXPECT_EQ(ScrollRange(D(), view), QSize(25, 25));
  view.ZoomNumerator = 2;
  EXPECT_EQ(ScrollRange(D(), view), QSize(1488 + 45 - 764, 2105 + 45 - 1072));
  view.ClientSize = QSize(5000, 5000);
  EXPECT_EQ(ScrollRange(D(), view), QSize(0, 0));
}

TEST(RulerScale, FollowsTheZoomAndTheUnit) {
  struct Case {
    int unit;
    double pixelsPerUnit;
    double number;
    int divisions;
  } cases[] = {
      {1, 0.25, 20, 10},        // mm at 1 : 1 on 90 dpi: numbers every 20 mm, ticks every 2
      {1, 1.0, 5, 5},           // mm at 4 : 1
      {1, 0.25 / 32, 500, 10},  // mm at 1 : 32
      {2, 0.25, 1, 8},          // inches at 1 : 1: eighths
      {2, 4.0, 0.125, 1},       // inches at 16 : 1
  };
  for (const Case& c : cases) {
    const RulerScale scale = ChooseRulerScale(c.unit, c.pixelsPerUnit);
    EXPECT_EQ(scale.Number, c.number) << c.unit << " " << c.pixelsPerUnit;
    EXPECT_EQ(scale.Divisions, c.divisions) << c.unit << " " << c.pixelsPerUnit;
  }
}

TEST_F(ViewGeometryTest, RulersAreDrawnOverTheDesk) {
  view.ShowRulers = true;
  const QImage page = RenderScreenPage(D(), view, QRect(QPoint(0, 0), view.ClientSize));
  ASSERT_FALSE(page.isNull());
  // The bands are light, their edge dark; the paper starts inside them.
  EXPECT_TRUE(Near(Rgb(page, 370, 3), 0xF0F0F0, 8));
  EXPECT_TRUE(Near(Rgb(page, 3, 350), 0xF0F0F0, 8));
  EXPECT_TRUE(Near(Rgb(page, 400, 19), 0x202020, 8));
  EXPECT_TRUE(Near(Rgb(page, 100, 100), kWhiteRgb, 8));
  // Ticks: some ink along the top band above the paper.
  EXPECT_GT(InkCount(page, QRect(30, 8, 700, 11), 0xF0F0F0), 50);
}

}  // namespace
}  // namespace tl::test
