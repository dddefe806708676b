// Free lines (solid, dashed, shortened ends, arrow heads) and the image
// stamp (automatic and manual placement, turning with the picture,
// proportions, clipping), on paper at 72 dpi: a layout unit is 0.2 pixel.
#include <gtest/gtest.h>

#include "layout/image_geometry.h"
#include "render/free_line.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

int Dev(int32_t layout) { return int(std::lround(layout / 5.0)); }

class LinesStampsTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    document_->Free = 1;
  }
  FreeLineObject* Line(int32_t thickness) {
    FreeLineObject* line = FreeLineObjectNew(document_.get(), &document_->Objects);
    line->Anchor = {1000, 1000};
    line->Length = 1000;
    line->Angle = 0;
    line->Thickness = thickness;
    UpdateFreeLineEnds(*line);  // from x 1000 to 2000 at y 1000
    return line;
  }
  QImage Paper() { return RenderPrinter(*document_, 72); }
  // The ink of the line's row band.
  QRect LineInk(const QImage& page) { return InkBox(page, QRect(150, 150, 300, 100), kWhiteRgb); }

  TempFolder folder_;
  DocumentPtr document_;
};

TEST_F(LinesStampsTest, EndsWithoutAFilledHeadMoveInSoAnOpenHeadsPointLandsOnThem) {
  struct Case {
    int32_t fill;
    int16_t arrowAngle;
    int inset;  // layout units
  } cases[] = {
      {1, 90, 0},
      {0, 90, 25},  // (36 / 2) x 1.414
      {0, 60, 36},  // (36 / 2) x 2
  };
  for (const Case& k : cases) {
    ObjectListFree(document_->Objects);
    FreeLineObject* line = Line(36);
    line->ArrowFill = k.fill;
    line->ArrowAngle = k.arrowAngle;
    const QRect ink = LineInk(Paper());
    EXPECT_NEAR(ink.left(), Dev(1000 + k.inset), 1) << k.fill << " " << k.arrowAngle;
    EXPECT_NEAR(ink.right() + 1, Dev(2000 - k.inset), 1) << k.fill << " " << k.arrowAngle;
    EXPECT_NEAR(ink.height(), Dev(36), 1) << "a pen of the line's thickness";
  }
}

TEST_F(LinesStampsTest, ArrowHeadsSitOnTheChosenEndsAndShrinkWithThinPens) {
  struct Case {
    int32_t thickness;
    int16_t mark;
    int firstHeight, secondHeight;  // ink across the line within 14 pixels of each end
  } cases[] = {
      {10, kArrowOneSide, 24, 2},   // a 2-pixel pen: heads of 6 pen widths
      {10, kArrowBothSide, 24, 24},
      {5, kArrowOneSide, 6, 1},     // a 1-pixel pen: heads at half size, in pen widths
  };
  for (const Case& k : cases) {
    ObjectListFree(document_->Objects);
    FreeLineObject* line = Line(k.thickness);
    line->ArrowMark = k.mark;
    line->ArrowSize = kArrowMiddle;
    const QImage page = Paper();
    const QRect nearFirst = InkBox(page, QRect(Dev(1000), 150, 14, 100), kWhiteRgb, 100);
    const QRect nearSecond = InkBox(page, QRect(Dev(2000) - 14, 150, 14, 100), kWhiteRgb, 100);
    EXPECT_NEAR(nearFirst.height(), k.firstHeight, 2) << k.thickness << " " << k.mark;
    EXPECT_NEAR(nearSecond.height(), k.secondHeight, 2) << k.thickness << " " << k.mark;
  }
}

TEST_F(LinesStampsTest, DashedLinesLeaveGaps) {
  FreeLineObject* line = Line(20);
  const auto runs = [&](const QImage& page) {
    int count = 0;
    bool in = false;
    for (int x = 195; x < 405; ++x) {
      const bool ink = !Near(Rgb(page, x, Dev(1000)), kWhiteRgb, 100);
      count += ink && !in;
      in = ink;
    }
    return count;
  };
  EXPECT_EQ(runs(Paper()), 1);
  line->LineStyle = kLineDash;
  EXPECT_GT(runs(Paper()), 10);
}

class StampTest : public LinesStampsTest {
 protected:
  // A blue picture at (720, 720), 1800 x 1200, in a frame of 180, and a
  // stamp in quadrants.
  void SetUp() override {
    LinesStampsTest::SetUp();
    image_ = PlacePicture(*document_, WriteSolidJpeg(folder_, "blue.jpg", 300, 200, kBlue), {720, 720, 2880, 2280});
    ASSERT_TRUE(image_);
    image_->FrameSetting = kFrameCustom;
    image_->FrameRect = {180, 180, 180, 180};
    document_->ImageStampInUse = 1;
    document_->ImageStampFileName = WriteQuadrantJpeg(folder_, "stamp.jpg", 100, 100);
  }
  // The picture: 1800 x 1200 at (900, 900): pixels 180..540 by 180..420.
  static QRect Picture() { return QRect(180, 180, 360, 240); }
  ImageObject* image_ = nullptr;
};

TEST_F(StampTest, AutomaticStampCoversThePictureOnly) {
  const QImage page = Paper();
  const QRect p = Picture();
  EXPECT_TRUE(Near(Rgb(page, p.left() + 10, p.top() + 10), kRed));
  EXPECT_TRUE(Near(Rgb(page, p.right() - 10, p.bottom() - 10), kYellow));
  EXPECT_EQ(Rgb(page, p.left() - 10, p.top() + 10), kWhiteRgb) << "the frame band stays clear";
  const QImage screen = RenderScreen(*document_, PageView(*document_));
  EXPECT_TRUE(Near(Rgb(screen, 10 + 900 * 96 / 360 + 5, 10 + 900 * 96 / 360 + 5), kRed)) << "and on screen";
}

TEST_F(StampTest, ManualStampKeepsItsCornerAndDirectionWhenThePictureTurns) {
  document_->ImageStampSettings = 1;
  document_->ImageStampPosition = {0, 0};
  document_->ImageStampSize = {360, 360};  // 72 x 72 pixels
  const QRect p = Picture();
  QImage page = Paper();
  EXPECT_TRUE(Near(Rgb(page, p.left() + 10, p.top() + 10), kRed));
  EXPECT_TRUE(Near(Rgb(page, p.left() + 62, p.top() + 62), kYellow));
  EXPECT_TRUE(Near(Rgb(page, p.left() + 100, p.top() + 100), kBlue)) << "the rest of the picture";

  // Turned half round: at the opposite corner, upside down.
  image_->RotateFlip = kRotate180;
  page = Paper();
  EXPECT_TRUE(Near(Rgb(page, p.right() - 10, p.bottom() - 10), kRed));
  EXPECT_TRUE(Near(Rgb(page, p.right() - 62, p.bottom() - 62), kYellow));
  EXPECT_TRUE(Near(Rgb(page, p.left() + 10, p.top() + 10), kBlue));

  // A quarter turn clockwise carries the corner to the top right; the
  // turned picture (2 : 3) stands in the middle of the box.
  image_->RotateFlip = kRotate90;
  page = Paper();
  const QRect turned(280, 180, 160, 240);
  EXPECT_TRUE(Near(Rgb(page, turned.right() - 10, turned.top() + 10), kRed));
  EXPECT_TRUE(Near(Rgb(page, turned.right() - 10, turned.top() + 62), kGreen));
  EXPECT_TRUE(Near(Rgb(page, turned.right() - 62, turned.top() + 10), kBlue));
}

TEST_F(StampTest, ManualStampKeepsItsProportionsAndStaysOnThePicture) {
  document_->ImageStampSettings = 1;
  document_->ImageStampPosition = {900, 0};
  document_->ImageStampSize = {1800, 360};
  const QRect p = Picture();
  QImage page = Paper();
  EXPECT_TRUE(Near(Rgb(page, p.left() + 180 + 60, p.top() + 60), kYellow)) << "72 x 72, not 360 x 72";
  EXPECT_TRUE(Near(Rgb(page, p.left() + 180 + 100, p.top() + 30), kBlue));

  document_->ImageStampConstrainPropotion = 0;
  page = Paper();
  EXPECT_TRUE(Near(Rgb(page, p.right() - 5, p.top() + 10), kRed)) << "stretched past the picture's edge";
  EXPECT_EQ(Rgb(page, p.right() + 10, p.top() + 10), kWhiteRgb) << "clipped there";
}

}  // namespace
}  // namespace tl::test
