// The page as the view shows it: where the paper sits in the window, what
// the paper colour covers, the white margin mask, which objects are drawn,
// the grid, the selection handles, the focus rectangle, desk and shadow.
#include <gtest/gtest.h>

#include "render/draw_page.h"
#include "render/screen_page.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

constexpr QRgb kDesk = 0xB4B4B4, kShadow = 0x4D4D4D, kGrid = 0x808080;

// Layout units to pixels at 100 % on the 96 dpi test screen, with the
// paper 10 pixels from the window's corner.
int Px(int32_t layout) { return kPaperInset + int(std::lround(layout * 96.0 / 360)); }

class PageRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    document_->ShowPrintMargins = 0;
    document_->ShowLayoutMargins = 0;
  }
  LayoutDocument& Doc() { return *document_; }
  QImage Render(int32_t page = 0) { return RenderScreen(Doc(), PageView(Doc(), page)); }

  TempFolder folder_;
  DocumentPtr document_;
};

TEST_F(PageRenderTest, PaperSitsInsetCentredOrBesideTheRulers) {
  struct Case {
    int clientWidth;
    bool rulers;
    int paperLeft;
  } cases[] = {
      {700, false, 10},        // narrower than the page
      {794 + 20, false, 10},   // not wider by more than 20
      {794 + 120, false, 60},  // centred
      {700, true, 30},         // the ruler band first
  };
  for (const Case& k : cases) {
    ScreenView view = PageView(Doc());
    view.ClientSize.setWidth(k.clientWidth);
    view.ShowRulers = k.rulers;
    const QImage image = RenderScreen(Doc(), view);
    const int y = 200;
    EXPECT_EQ(Rgb(image, k.paperLeft - 1, y), kDesk) << k.clientWidth << " rulers " << k.rulers;
    EXPECT_EQ(Rgb(image, k.paperLeft, y), kBlackRgb) << "paper outline";
    EXPECT_EQ(Rgb(image, k.paperLeft + 1, y), kWhiteRgb);
  }
}

TEST_F(PageRenderTest, DeskShadowAndOutlinesFrameThePaper) {
  Doc().ShowPrintMargins = 1;
  Doc().ShowLayoutMargins = 1;
  Doc().LayoutMargin = {180, 180, 180, 180};
  const QImage image = Render();
  const int right = Px(Doc().PageWidth), bottom = Px(Doc().PageHeight);
  EXPECT_EQ(Rgb(image, right + 2, 300), kShadow);
  EXPECT_EQ(Rgb(image, 300, bottom + 2), kShadow);
  EXPECT_EQ(Rgb(image, right + 2, 2), kDesk) << "the shadow starts 5 pixels down";
  EXPECT_EQ(Rgb(image, Px(45), 300), 0xFF0000u) << "printer margins in red";
  EXPECT_EQ(Rgb(image, Px(180), 300), kGrid) << "layout margins in gray";
}

TEST_F(PageRenderTest, BlackPaperLeavesTheUnprintableBandWhite) {
  Doc().PaperColor = kBlack;
  const QImage screen = Render();
  EXPECT_EQ(Rgb(screen, Px(1000), Px(1000)), kBlackRgb);
  EXPECT_EQ(Rgb(screen, Px(20), Px(1000)), kWhiteRgb) << "left band";
  EXPECT_EQ(Rgb(screen, Px(1000), Px(4100)), kWhiteRgb) << "bottom band";

  const QImage paper = RenderPrinter(Doc(), 72);
  EXPECT_EQ(Rgb(paper, 200, 200), kBlackRgb);
  EXPECT_EQ(Rgb(paper, 4, 200), kWhiteRgb);
  EXPECT_EQ(Rgb(paper, 200, paper.height() - 10), kWhiteRgb);
}

TEST_F(PageRenderTest, MarginMaskCutsObjectsAtThePrintableEdge) {
  const std::string blue = WriteSolidJpeg(folder_, "blue.jpg", 100, 100, kBlue);
  Doc().Free = 1;
  ASSERT_TRUE(PlacePicture(Doc(), blue, {-300, 900, 600, 1800}));   // across the left edge
  ASSERT_TRUE(PlacePicture(Doc(), blue, {1000, 4050, 1400, 4200}));  // wholly in the bottom band
  const QImage image = Render();
  EXPECT_TRUE(Near(Rgb(image, Px(300), Px(1300)), kBlue)) << "inside the printable area";
  EXPECT_EQ(Rgb(image, Px(20), Px(1300)), kWhiteRgb) << "cut at the printable edge";
  EXPECT_EQ(InkCount(image, QRect(Px(0) + 1, Px(4010), Px(2976) - Px(0) - 2, Px(4209) - Px(4010) - 1), kWhiteRgb), 0)
      << "nothing drawn in the bottom band";
}

TEST_F(PageRenderTest, OnlyObjectsOfTheCurrentPageAreDrawn) {
  const std::string blue = WriteSolidJpeg(folder_, "blue.jpg", 100, 300, kBlue);
  Doc().Free = 1;
  Doc().PageNumber = 2;
  // On page 1, but reaching far down into page 2.
  ASSERT_TRUE(PlacePicture(Doc(), blue, {500, 3000, 1500, 6000}));
  ASSERT_TRUE(PlacePicture(Doc(), blue, {2000, 4209 + 2000, 2500, 4209 + 3500}));
  const QImage second = Render(1);
  EXPECT_EQ(Rgb(second, Px(1000), Px(500)), kWhiteRgb) << "page 1's image stays on page 1";
  EXPECT_TRUE(Near(Rgb(second, Px(2250), Px(2750)), kBlue)) << "page 2's image, shifted into view";
  const QImage first = Render(0);
  EXPECT_TRUE(Near(Rgb(first, Px(1000), Px(3500)), kBlue));
  EXPECT_EQ(Rgb(first, Px(2250), Px(2750)), kWhiteRgb);
}

TEST_F(PageRenderTest, GridSkipsADirectionOfFourPixelsOrLess) {
  Doc().Free = 1;
  ScreenView view = PageView(Doc());
  view.ShowGrid = true;
  view.GridPitch = {15, 75};  // 4 pixels across, about 20 down
  const QImage image = RenderScreen(Doc(), view);
  const int top = Px(45);
  EXPECT_EQ(Rgb(image, Px(1000), top), kGrid) << "the first line lies on the printable top";
  EXPECT_EQ(Rgb(image, Px(1000), top + 20), kGrid);
  EXPECT_EQ(InkCount(image, QRect(Px(100), top + 5, Px(1500) - Px(100), 10), kWhiteRgb, 10), 0)
      << "no vertical lines";

  Doc().Free = 0;
  EXPECT_EQ(Rgb(RenderScreen(Doc(), view), Px(1000), top + 20), kWhiteRgb) << "no grid in automatic layout";
}

TEST_F(PageRenderTest, HandlesAndFocusMarkSelectedObjectsInsideThePrintableArea) {
  const std::string white = WriteSolidJpeg(folder_, "white.jpg", 50, 50, 0xFFFFFF);
  Doc().Free = 1;
  ImageObject* inside = PlacePicture(Doc(), white, {720, 720, 1440, 1440});
  ImageObject* outside = PlacePicture(Doc(), white, {1000, 4040, 1300, 4200});
  ASSERT_TRUE(inside && outside);
  inside->Selected = outside->Selected = 1;
  Doc().CurrentImage = inside;
  ScreenView view = PageView(Doc());
  view.FocusColor = MakeColor(255, 0, 255);
  const QImage image = RenderScreen(Doc(), view);
  // The inverted square over the white picture's top-left corner is black.
  EXPECT_EQ(Rgb(image, Px(720), Px(720)), kBlackRgb);
  EXPECT_EQ(Rgb(image, Px(720) + 2, Px(720) + 2), kBlackRgb);
  EXPECT_EQ(Rgb(image, Px(1080), Px(720) + 1), kBlackRgb) << "handle at the middle of the top side";
  EXPECT_EQ(Rgb(image, Px(1080) - 10, Px(720) - 1), 0xFF00FFu) << "focus rectangle just outside";
  EXPECT_EQ(InkCount(image, QRect(Px(990), Px(4010), Px(1310) - Px(990), Px(4209) - Px(4010) - 1), kWhiteRgb), 0)
      << "no handles on the masked band";
}

TEST_F(PageRenderTest, RepaintedAreaMatchesTheWholeDraw) {
  const std::string quadrants = WriteQuadrantJpeg(folder_, "q.jpg", 200, 200);
  ASSERT_TRUE(PlacePicture(Doc(), quadrants, {400, 400, 1600, 1600}));
  const ScreenView view = PageView(Doc());
  const QImage whole = RenderScreen(Doc(), view);
  const QRect clip(90, 120, 260, 180);
  const QImage part = RenderScreenPage(Doc(), view, clip);
  ASSERT_EQ(part.size(), clip.size());
  EXPECT_EQ(part, whole.copy(clip));
}

TEST_F(PageRenderTest, FrameTitleNamesTheFileOrTheUntitledNumber) {
  std::string title;
  ScreenView view = PageView(Doc());
  view.UntitledNumber = 3;
  view.SetFrameTitle = [&](const std::string& t) { title = t; };
  RenderScreen(Doc(), view);
  EXPECT_EQ(title, "Untitled-3");
  Doc().DocumentPath = "/home/ada/Prints/sheet one.qlf";
  RenderScreen(Doc(), view);
  EXPECT_EQ(title, "sheet one.qlf");
}

}  // namespace
}  // namespace tl::test
