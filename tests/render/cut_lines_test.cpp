// Cut lines on paper at 72 dpi (a layout unit is 0.2 pixel): corner
// marks, rectangles, Fotoba marks in rows and grids, and the message for
// cut lines that have become invalid.
#include <gtest/gtest.h>

#include "layout/fotoba_analysis.h"
#include "render/cut_lines.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

int Dev(int32_t layout) { return int(std::lround(layout / 5.0)); }

// Fotoba lines are 2 pixels wide wherever they fall, so a pixel they cross
// is dark if not black.
bool Dark(const QImage& page, int x, int y) { return Near(Rgb(page, x, y), kBlackRgb, 100); }

class CutLinesTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    picture_ = WriteSolidJpeg(folder_, "blue.jpg", 60, 40, kBlue);
  }
  void Place(const LRect& box) {
    ImageObject* image = PlacePicture(*document_, picture_, box);
    ASSERT_TRUE(image);
    image->SizeImageOption = 1;  // the picture fills its box
  }
  QImage Paper(CutLineNotice* notice = nullptr) {
    DrawServices services;
    services.CutLines = notice;
    return RenderPrinter(*document_, 72, 0, {}, {}, services);
  }

  TempFolder folder_;
  std::string picture_;
  DocumentPtr document_;
};

TEST_F(CutLinesTest, CornerMarksRunOutwardFromEachCorner) {
  document_->CutLineMode = kCutLineOthers;
  document_->CutLineOthersType = kCutAtCorner;
  document_->CutLineColor = MakeColor(255, 0, 0);
  Place({720, 720, 2160, 2160});
  const QImage page = Paper();
  const int corner = Dev(720) - 1;  // the image's corner grown by a pixel
  EXPECT_TRUE(Near(Rgb(page, corner - 8, corner), kRed)) << "out to the left";
  EXPECT_TRUE(Near(Rgb(page, corner, corner - 8), kRed)) << "up";
  EXPECT_EQ(Rgb(page, corner - 20, corner), kWhiteRgb) << "71 units, 14 pixels long";
  EXPECT_EQ(Rgb(page, corner - 8, corner - 8), kWhiteRgb);
  EXPECT_EQ(Rgb(page, Dev(1440), corner), kWhiteRgb) << "nothing along the side";

  document_->CutLineOthersType = kCutAroundImage;
  EXPECT_TRUE(Near(Rgb(Paper(), Dev(1440), corner), kRed)) << "a rectangle around the image";
}

TEST_F(CutLinesTest, MarksAcrossThePaperEdgeAreCutByTheMask) {
  document_->CutLineMode = kCutLineOthers;
  document_->Free = 1;
  Place({60, 720, 1000, 1500});
  const QImage page = Paper();
  EXPECT_EQ(Rgb(page, Dev(30), Dev(720) - 1), kWhiteRgb) << "left of the printable edge";
  EXPECT_TRUE(Near(Rgb(page, Dev(60) - 1, Dev(720) - 5), kBlackRgb)) << "the vertical mark is printed";
}

// Two rows of images whose columns do not line up: cut in rows.
class FotobaTest : public CutLinesTest {
 protected:
  void SetUp() override {
    CutLinesTest::SetUp();
    document_->CutLineMode = kCutLineFotoba;
    document_->AlignHorizontal = kAlignLeft;
  }
  void Rows() {
    Place({300, 1000, 800, 1400});
    Place({900, 1000, 1400, 1400});
    Place({300, 1500, 1000, 1900});
    Place({1100, 1500, 1400, 1900});
  }
};

TEST_F(FotobaTest, RowsGetThroughCutsAndCutsInsideEachBand) {
  Rows();
  CropMarkSet set;
  ASSERT_EQ(BuildCropMarkSet(*document_, 0, set), CutLineBuild::Built);
  EXPECT_EQ(set.FotobaOrientation, kFotobaRows);
  EXPECT_EQ(set.Bounds, (LRect{300, 1000, 1400, 1900}));
  EXPECT_EQ(set.CentresY[0], 450);
  EXPECT_EQ(set.CentresY[1], 0);
  // Band 1 is cut at 550, band 2 at 750; each band's list ends with 0.
  EXPECT_EQ((std::vector<int32_t>(set.CentresX.begin(), set.CentresX.begin() + 4)),
            (std::vector<int32_t>{550, 0, 750, 0}));

  const QImage page = Paper();
  const int gapX = Dev(850);  // between the images of the first row
  EXPECT_TRUE(Dark(page, gapX, Dev(1435))) << "the row cut's upper line";
  EXPECT_TRUE(Dark(page, gapX, Dev(1465))) << "its lower line";
  EXPECT_EQ(Rgb(page, gapX, Dev(1450)), kWhiteRgb) << "the cut itself stays clear";
  EXPECT_TRUE(Dark(page, Dev(835), Dev(1380))) << "band cut, left line";
  EXPECT_TRUE(Dark(page, Dev(865), Dev(1380))) << "band cut, right line";
  EXPECT_EQ(Rgb(page, Dev(835), Dev(1425)), kWhiteRgb) << "band cuts stop 35 short of the row cut";
  EXPECT_TRUE(Dark(page, gapX, Dev(950 - 15))) << "outer mark above, half the outer distance out";
  EXPECT_TRUE(Dark(page, gapX, Dev(1950 + 15))) << "and below";
}

TEST_F(FotobaTest, NeverDrawnForFreeLayoutsOrJustifiedRowsAndNothingIsSaid) {
  Rows();
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  const QImage drawn = Paper();
  for (int free = 0; free < 2; ++free) {
    document_->Free = free;
    document_->AlignHorizontal = free ? kAlignLeft : kAlignJustify;
    EXPECT_EQ(Rgb(Paper(), Dev(850), Dev(1435)), kWhiteRgb) << free;
  }
  EXPECT_TRUE(Dark(drawn, Dev(850), Dev(1435)));
  EXPECT_TRUE(sink.texts.empty());
}

TEST_F(FotobaTest, SingleImageGetsOuterMarksOnAllFourSides) {
  Place({1000, 1000, 2000, 1600});
  const QImage page = Paper();
  const int outer = std::min(document_->AlignHorizontalSpacing, document_->AlignVerticalSpacing) / 2;
  EXPECT_TRUE(Dark(page, Dev(1500), Dev(1000 - outer - 14))) << "above, 14 either side";
  EXPECT_TRUE(Dark(page, Dev(1500), Dev(1600 + outer + 14))) << "below";
  EXPECT_TRUE(Dark(page, Dev(1000 - outer - 14), Dev(1300))) << "left";
  EXPECT_TRUE(Dark(page, Dev(2000 + outer + 14), Dev(1300))) << "right";
}

// Counts what the document would do with its undo history.
class CountingNotice final : public CutLineNotice {
 public:
  int cleared = 0;

 protected:
  void ClearUndoHistory() override { ++cleared; }
};

// A message box whose repaint draws the page again, as a modal box does.
class RepaintingSink final : public MessageSink {
 public:
  std::function<void()> repaint;
  int shown = 0;
  MessageAnswer Show(std::string_view, MessageIcon icon, MessageButtons, MessageAnswer headless) override {
    ++shown;
    EXPECT_EQ(icon, MessageIcon::Stop);
    if (repaint) repaint();
    return headless;
  }
};

TEST_F(CutLinesTest, InvalidCutLinesAreReportedOnceUntilValidAgain) {
  document_->CutLineMode = kCutLineOthers;
  document_->Free = 1;
  Place({720, 720, 2160, 2160});
  ImageObject* image = AsImage(document_->Objects.Head);
  CountingNotice notice;
  RepaintingSink sink;
  ScopedMessageSink scope(&sink);
  sink.repaint = [&] { Paper(&notice); };

  image->Size = {0, 0};  // no area left for the marks
  Paper(&notice);
  EXPECT_EQ(sink.shown, 1) << "not again from the repaint under the message";
  Paper(&notice);
  EXPECT_EQ(sink.shown, 1) << "nor at the next draw";
  EXPECT_EQ(notice.cleared, 1);

  image->Size = {1440, 1440};
  Paper(&notice);
  image->Size = {0, 0};
  Paper(&notice);
  EXPECT_EQ(sink.shown, 2) << "invalid again after being valid";
  EXPECT_EQ(document_->CutLineMode, kCutLineOthers) << "the settings stay";
}

}  // namespace
}  // namespace tl::test
