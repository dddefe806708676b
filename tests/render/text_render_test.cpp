// Texts on the page: labels and captions in their frame bands, free text
// boxes (measured, turned, columnar, with background), the width check of
// the free text dialog, and the header and footer.
#include <gtest/gtest.h>

#include <QLocale>

#include "layout/image_geometry.h"
#include "render/free_text.h"
#include "render/header_footer.h"
#include "render/label_drawing.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

// A white picture in a 1800 x 1800 box at (720, 720) with a 270-unit frame
// on every side: 72-pixel bands on the 96 dpi screen.
constexpr LRect kBox = {720, 720, 2520, 2520};
constexpr int32_t kBand = 270;
int Px(int32_t layout) { return 10 + int(std::lround(layout * 96.0 / 360)); }

QRect BandRect(int16_t side) {
  const int l = Px(kBox.left), t = Px(kBox.top), r = Px(kBox.right), b = Px(kBox.bottom), f = Px(kBand) - 10;
  switch (side) {
    case kLocationTop: return QRect(l + f, t, r - l - 2 * f, f);
    case kLocationBottom: return QRect(l + f, b - f, r - l - 2 * f, f);
    case kLocationLeft: return QRect(l, t + f, f, b - t - 2 * f);
    default: return QRect(r - f, t + f, f, b - t - 2 * f);
  }
}

class TextRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    document_->Free = 1;
    document_->ShowPrintMargins = document_->ShowLayoutMargins = 0;
  }
  ImageObject* FramedPicture() {
    ImageObject* image = PlacePicture(*document_, WriteSolidJpeg(folder_, "white.jpg", 64, 64, 0xFFFFFF), kBox);
    image->SizeImageOption = kAutoFit;
    image->FrameSetting = kFrameCustom;
    image->FrameRect = {kBand, kBand, kBand, kBand};
    image->LabelFontName = "DejaVu Sans";
    image->CaptionFontName = "DejaVu Sans";
    return image;
  }
  QImage Screen() { return RenderScreen(*document_, PageView(*document_)); }

  TempFolder folder_;
  DocumentPtr document_;
};

TEST_F(TextRenderTest, LabelsAndCaptionsGoToTheBandOfTheirSide) {
  const int16_t sides[] = {kLocationTop, kLocationBottom, kLocationLeft, kLocationRight};
  for (int16_t side : sides) {
    ImageObject* image = FramedPicture();
    image->LabelText = "Number: 7  Name: harbour.jpg  ";
    image->LabelLocation = side;
    const QImage page = Screen();
    for (int16_t other : sides) {
      const QRect ink = InkBox(page, BandRect(other), kWhiteRgb);
      if (other != side) {
        EXPECT_TRUE(ink.isEmpty()) << "label at " << side << " shows in band " << other;
        continue;
      }
      ASSERT_FALSE(ink.isEmpty()) << "no label in band " << side;
      // The text runs along its band.
      const bool acrossPage = side == kLocationTop || side == kLocationBottom;
      EXPECT_EQ(ink.width() > ink.height(), acrossPage) << side;
    }
    ObjectListFree(document_->Objects);
  }
}

TEST_F(TextRenderTest, SideFollowsTheFrameOnlyWhenItTurnsWithThePicture) {
  struct Case {
    int16_t rotateFlip;
    int32_t frameRotation;
    int16_t stored, shown;
  } cases[] = {
      {kRotate90, 1, kLocationLeft, kLocationTop},
      {kRotate90, 0, kLocationLeft, kLocationLeft},
      {kRotate180, 1, kLocationTop, kLocationBottom},
      {kRotate270, 1, kLocationTop, kLocationLeft},
      {kFlipHorizontal, 1, kLocationLeft, kLocationRight},
      {kFlipHorizontal, 1, kLocationBottom, kLocationBottom},
  };
  for (const Case& k : cases) {
    ImageObject* image = FramedPicture();
    image->RotateFlip = k.rotateFlip;
    image->FrameRotation = k.frameRotation;
    image->CaptionString = "Harbour at dawn";
    image->CaptionLocation = k.stored;
    EXPECT_EQ(ShownTextSide(*image, k.stored), k.shown);
    EXPECT_FALSE(InkBox(Screen(), BandRect(k.shown), kWhiteRgb).isEmpty()) << k.rotateFlip << " " << k.stored;
    ObjectListFree(document_->Objects);
  }
}

TEST_F(TextRenderTest, AlignmentAndUpsideDownPlaceTheTextAlongTheBand) {
  const QRect band = BandRect(kLocationBottom);
  struct Case {
    int16_t align;
    int32_t upsideDown;
    bool nearLeft, nearRight;
  } cases[] = {{0, 0, true, false}, {2, 0, false, true}, {1, 0, false, false}, {0, 1, false, true}};
  for (const Case& k : cases) {
    ImageObject* image = FramedPicture();
    image->LabelText = "Number: 1  ";
    image->LabelAlign = k.align;
    image->LabelUpsideDown = k.upsideDown;
    const QRect ink = InkBox(Screen(), band, kWhiteRgb);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.left() - band.left() < 8, k.nearLeft) << k.align << " " << k.upsideDown << " ink " << ink.left()
                                                         << ".." << ink.right() << " band " << band.left() << ".."
                                                         << band.right();
    EXPECT_EQ(band.right() - ink.right() < 8, k.nearRight) << k.align << " " << k.upsideDown;
    if (k.align == 1) {
      EXPECT_NEAR(ink.center().x(), band.center().x(), 4);
    }
    ObjectListFree(document_->Objects);
  }
}

TEST_F(TextRenderTest, BandTextWrapsIntoWholeLinesOnly) {
  ImageObject* image = FramedPicture();
  image->LabelText = "Created: 05/01/24 10:00:00 AM  Modified: 05/02/24 11:30:00 AM  Size: 1.2 MB  ";
  const QRect band = BandRect(kLocationBottom);
  const QRect oneLine = InkBox(Screen(), band, kWhiteRgb);
  image->LabelFontSize = 25;  // smaller: more fits on a line, and more lines fit
  const QRect small = InkBox(Screen(), band, kWhiteRgb);
  EXPECT_GT(oneLine.height(), 12);
  EXPECT_LT(oneLine.right(), band.right() + 1) << "wrapped inside the band";
  // A font taller than the band shows nothing at all.
  image->LabelFontSize = 400;
  EXPECT_TRUE(InkBox(Screen(), band, kWhiteRgb).isEmpty());
  EXPECT_FALSE(small.isEmpty());
  // A caption on a side without a frame band is not drawn.
  image->LabelText.clear();
  image->FrameRect.top = 0;
  image->CaptionString = "Not here";
  image->CaptionLocation = kLocationTop;
  EXPECT_EQ(InkCount(Screen(), QRect(Px(kBox.left), Px(kBox.top) - 30, Px(kBox.right) - Px(kBox.left), 60),
                     kWhiteRgb),
            0);
}

FreeTextObject* NewFreeText(LayoutDocument& d, const std::string& text) {
  FreeTextObject* t = FreeTextObjectNew(&d, &d.Objects);
  t->Style.FontName = "DejaVu Sans";
  t->Style.FontSize = 100;
  t->Style.LineHeight = 120;
  t->String = text;
  t->Origin = {1000, 1000};
  return t;
}

TEST_F(TextRenderTest, FreeTextBoxFollowsTextLinesAndAngle) {
  FreeTextObject* t = NewFreeText(*document_, "Tessaline\r\nproof");
  MeasureFreeText(*t);
  const LSize box = t->BoxSize;
  EXPECT_EQ(box.cy, 240) << "two lines";
  EXPECT_GT(box.cx, 300);
  EXPECT_EQ(t->Size, box);
  EXPECT_EQ(t->Origin, (LPoint{1000, 1000})) << "the box keeps its corner";

  t->Angle = 90;
  MeasureFreeText(*t);
  EXPECT_EQ(t->Size, (LSize{box.cy, box.cx})) << "a quarter turn swaps the sides";
  EXPECT_EQ(t->BoxSize, box);

  t->Angle = 0;
  t->String.clear();
  MeasureFreeText(*t);
  EXPECT_EQ(t->BoxSize, (LSize{0, 120})) << "an empty text has one line";

  t->String = "abc\r\nde\r\nf";
  t->ColumnarWriting = 1;
  MeasureFreeText(*t);
  EXPECT_EQ(t->BoxSize.cx, 360) << "three columns";
  EXPECT_GT(t->BoxSize.cy, t->BoxSize.cx / 3);
}

TEST_F(TextRenderTest, FreeTextDrawsTurnedOnItsBackground) {
  FreeTextObject* t = NewFreeText(*document_, "Tessaline proof");
  t->DispBackGround = 1;
  t->BackGroundColor = MakeColor(255, 255, 0);
  MeasureFreeText(*t);
  const QRect area(Px(900), Px(900), Px(2200) - Px(900), Px(2200) - Px(900));
  const QImage flat = Screen();
  const QRect background = ColorBox(flat, area, kYellow);
  EXPECT_NEAR(background.width(), t->BoxSize.cx * 96 / 360, 2);
  EXPECT_NEAR(background.height(), t->BoxSize.cy * 96 / 360, 2);
  EXPECT_GT(InkCount(flat, area, kYellow, 100), 50) << "dark text on the yellow box";

  t->Angle = 90;
  t->DispBackGround = 0;
  MeasureFreeText(*t);
  const QRect turned = InkBox(Screen(), area, kWhiteRgb);
  EXPECT_GT(turned.height(), 2 * turned.width()) << "the text runs downwards";

  // A text as a file brings it, never measured, is drawn all the same.
  FreeTextObject* unmeasured = NewFreeText(*document_, "From a file");
  unmeasured->Origin = {1000, 3000};
  EXPECT_FALSE(InkBox(Screen(), QRect(Px(950), Px(2950), 300, 60), kWhiteRgb).isEmpty());
}

TEST_F(TextRenderTest, WidthCheckCutsTheFirstLineWiderThanFortyFiveInches) {
  EXPECT_EQ(CheckFreeTextWidth("Short line\r\nAnother", "DejaVu Sans", 0, 50), 19u);
  const std::string wide(200, 'W');  // about 73 inches at 105 points
  const std::string text = "fits\r\n" + wide;
  const size_t accepted = CheckFreeTextWidth(text, "DejaVu Sans", kFaceBold, 525);
  EXPECT_GT(accepted, 6u);
  EXPECT_LT(accepted, text.size());
  EXPECT_EQ(CheckFreeTextWidth(text.substr(0, accepted), "DejaVu Sans", kFaceBold, 525), accepted)
      << "what is accepted fits";
}

class HeaderFooterTest : public TextRenderTest {
 protected:
  void SetUp() override {
    TextRenderTest::SetUp();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    document_->PageNumber = 4;
  }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(HeaderFooterTest, ComposedTextJoinsTheShownParts) {
  PrintInformation print;
  print.PrinterName = "Studio 9";
  print.MediaTypes = {{3, "Glossy"}, {7, "Matte"}};
  document_->MediaTypeID = 7;
  document_->Color = kInkDuotint;
  const QDate today(2024, 5, 3);
  BandSettings band;
  band.Text = "Proof";
  band.DispText = band.DispPrintInfo = band.DispDatePage = 1;
  EXPECT_EQ(ComposeBandText(*document_, band, &print, today),
            "Proof\r\nPrinter : Studio 9  Ink : Duotint  Media Type : Matte\r\n5/3/24  @ / 4\r\n");
  document_->PrinterName = "Studio 9 (stored)";
  document_->MediaType = "Matte (stored)";
  EXPECT_EQ(ComposeBandText(*document_, band, nullptr, today),
            "Proof\r\nPrinter : Studio 9 (stored)  Ink : Duotint  Media Type : Matte (stored)\r\n5/3/24  @ / 4\r\n")
      << "a preview without the printer's lists shows what the layout stored";
  band.DispText = band.DispPrintInfo = 0;
  band.UseFixedDate = 1;
  band.FixedDate = {2023, 12, 24};
  document_->Banner = 1;
  document_->PageNumber = 1;
  EXPECT_EQ(ComposeBandText(*document_, band, &print, today), "12/24/23  1 / 1\r\n") << "fixed date, banner";
  band.DispDatePage = 0;
  EXPECT_EQ(ComposeBandText(*document_, band, &print, today), "");
}

TEST_F(HeaderFooterTest, AtSignsBecomeThePageNumberOnlyWithTheDatePageLine) {
  BandSettings band;
  band.WorkText = "Sheet @\r\n";
  band.DispDatePage = 1;
  EXPECT_EQ(BandTextOnPage(band, 2), "Sheet 3\r\n");
  band.DispDatePage = 0;
  EXPECT_EQ(BandTextOnPage(band, 2), "Sheet @\r\n");
  band.DispDatePage = 1;
  band.WorkText = std::string(250, 'x') + "@@@";
  EXPECT_EQ(BandTextOnPage(band, 11), std::string(250, 'x') + "1212@") << "stops where the text would pass 255";
}

// The number of separate runs of inked rows in `area`.
int InkedLines(const QImage& image, const QRect& area) {
  int lines = 0;
  bool inLine = false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const bool ink = InkCount(image, QRect(area.left(), y, area.width(), 1), kWhiteRgb) > 0;
    if (ink && !inLine) ++lines;
    inLine = ink;
  }
  return lines;
}

TEST_F(HeaderFooterTest, HeaderKeepsToItsBandOnScreenButNotOnPaper) {
  LayoutDocument& d = *document_;
  d.HeaderFooterStyle.FontName = "DejaVu Sans";
  d.HeaderFooterStyle.FontSize = 50;
  d.HeaderFooterStyle.LineHeight = 80;
  d.Header.DispText = 1;
  d.Header.Text = "one\r\ntwo\r\nthree";
  d.Header.Offset = 170;  // two lines of 80
  const QImage screen = Screen();
  EXPECT_EQ(InkedLines(screen, QRect(Px(45) + 2, Px(45), 600, 150)), 2);
  const QImage paper = RenderPrinter(d, 72);
  EXPECT_EQ(InkedLines(paper, QRect(10, 10, 400, 100)), 3);

  d.Footer.DispDatePage = 1;
  d.Footer.Offset = 100;  // a line of 80 fits
  d.Footer.UseFixedDate = 1;
  d.Footer.FixedDate = {2024, 1, 2};
  d.HeaderFooterStyle.Justify = kJustifyRight;
  const QRect footer = InkBox(RenderPrinter(d, 72), QRect(0, 4009 / 5 - 40, 2976 / 5, 40), kWhiteRgb);
  ASSERT_FALSE(footer.isEmpty());
  EXPECT_NEAR(footer.right(), 2931 / 5, 6) << "right-justified at the printable edge";
}

}  // namespace
}  // namespace tl::test
