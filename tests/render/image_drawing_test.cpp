// Image objects on screen and on paper: the three fitting rules, crops,
// turns and mirrors, the frame ring and the crop frame.
#include <gtest/gtest.h>

#include "layout/image_geometry.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

// The test box: 1440 layout units square at (720, 720), 384 pixels on the
// 96 dpi screen and 288 on a 72 dpi printer.
constexpr LRect kBox = {720, 720, 2160, 2160};

struct Probe {
  double fx, fy;  // where in the box, as fractions of its side
  QRgb color;
};

class ImageDrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    document_->Free = 1;
    document_->ShowPrintMargins = document_->ShowLayoutMargins = 0;
  }
  ImageObject* Place(const std::string& path, LRect box = kBox) {
    ImageObject* image = PlacePicture(*document_, path, box);
    EXPECT_TRUE(image);
    return image;
  }
  // The box's pixels on screen (96 dpi) and on paper (72 dpi).
  QImage Screen() { return RenderScreen(*document_, PageView(*document_)).copy(BoxOnScreen()); }
  QImage Paper() { return RenderPrinter(*document_, 72).copy(QRect(kBox.left / 5, kBox.top / 5, 288, 288)); }
  static QRect BoxOnScreen() { return QRect(10 + kBox.left * 96 / 360, 10 + kBox.top * 96 / 360, 384, 384); }

  static void ExpectProbes(const QImage& box, std::initializer_list<Probe> probes, const char* what) {
    for (const Probe& p : probes) {
      const int x = int(p.fx * box.width()), y = int(p.fy * box.height());
      EXPECT_TRUE(Near(Rgb(box, x, y), p.color))
          << what << " at " << p.fx << "," << p.fy << ": " << std::hex << Rgb(box, x, y) << " not " << p.color;
    }
  }

  TempFolder folder_;
  DocumentPtr document_;
};

TEST_F(ImageDrawingTest, FittingRulesPlaceAWidePictureInASquareBox) {
  const std::string wide = WriteQuadrantJpeg(folder_, "wide.jpg", 400, 200);
  struct Case {
    int16_t option;
    std::initializer_list<Probe> probes;
  } cases[] = {
      // None: the box shrinks to the picture, centred: white above and below.
      {kImageOptionNone, {{0.5, 0.1, kWhiteRgb}, {0.1, 0.3, kRed}, {0.9, 0.3, kGreen}, {0.1, 0.7, kBlue},
                          {0.9, 0.7, kYellow}, {0.5, 0.9, kWhiteRgb}}},
      // AutoCrop: the picture's middle square fills the box.
      {kAutoCrop, {{0.2, 0.05, kRed}, {0.8, 0.05, kGreen}, {0.2, 0.95, kBlue}, {0.8, 0.95, kYellow}}},
      // AutoFit: the whole picture stretched into the box.
      {kAutoFit, {{0.05, 0.05, kRed}, {0.95, 0.05, kGreen}, {0.05, 0.95, kBlue}, {0.95, 0.95, kYellow}}},
  };
  for (const Case& k : cases) {
    ObjectListFree(document_->Objects);
    ImageObject* image = Place(wide);
    ASSERT_TRUE(image);
    image->SizeImageOption = k.option;
    ExpectProbes(Screen(), k.probes, "screen");
    ExpectProbes(Paper(), k.probes, "paper");
  }
}

TEST_F(ImageDrawingTest, TurnsAndMirrorsMoveThePictureLikeTheOrientationModel) {
  const std::string square = WriteQuadrantJpeg(folder_, "square.jpg", 200, 200);
  struct Case {
    int16_t bits;
    QRgb topLeft, topRight, bottomLeft, bottomRight;
  } cases[] = {
      {0, kRed, kGreen, kBlue, kYellow},
      {kRotate90, kBlue, kRed, kYellow, kGreen},
      {kRotate180, kYellow, kBlue, kGreen, kRed},
      {kRotate270, kGreen, kYellow, kRed, kBlue},
      {kFlipHorizontal, kGreen, kRed, kYellow, kBlue},
      {kFlipHorizontal | kRotate90, kYellow, kGreen, kBlue, kRed},
  };
  for (const Case& k : cases) {
    ObjectListFree(document_->Objects);
    const std::initializer_list<Probe> probes = {{0.25, 0.25, k.topLeft}, {0.75, 0.25, k.topRight},
                                                 {0.25, 0.75, k.bottomLeft}, {0.75, 0.75, k.bottomRight}};
    // Set before the preview is made, as the import does.
    document_->DefaultImageSettings->RotateFlip = k.bits;
    ASSERT_TRUE(Place(square));
    ExpectProbes(Screen(), probes, "screen");
    ExpectProbes(Paper(), probes, "paper");
  }
}

TEST_F(ImageDrawingTest, CropKeepsThePartCutInTheFileAfterTheTurn) {
  const std::string wide = WriteQuadrantJpeg(folder_, "wide.jpg", 400, 200);
  // The right half of the file is kept: green above yellow.
  ImageObject* image = Place(wide);
  image->CropMode = kCropCut;
  image->CropArea = {200, 0, 0, 0};
  ExpectProbes(Screen(), {{0.25, 0.25, kGreen}, {0.75, 0.25, kGreen}, {0.25, 0.75, kYellow}, {0.75, 0.75, kYellow}},
               "unturned");
  // Turned a quarter clockwise, the file's right half lies at the bottom.
  document_->DefaultImageSettings->RotateFlip = kRotate90;
  ObjectListFree(document_->Objects);
  image = Place(wide);
  image->CropMode = kCropCut;
  image->CropArea = {200, 0, 0, 0};
  const std::initializer_list<Probe> turned = {
      {0.25, 0.25, kYellow}, {0.75, 0.25, kGreen}, {0.25, 0.75, kYellow}, {0.75, 0.75, kGreen}};
  ExpectProbes(Screen(), turned, "turned, screen");
  ExpectProbes(Paper(), turned, "turned, paper");
}

TEST_F(ImageDrawingTest, FrameRingTakesTheFrameColourAroundThePicture) {
  const std::string square = WriteSolidJpeg(folder_, "blue.jpg", 100, 100, kBlue);
  ImageObject* image = Place(square);
  image->FrameSetting = kFrameCustom;
  image->FrameRect = {180, 180, 180, 360};
  image->FrameColor = MakeColor(255, 0, 255);
  image->FrameColorValid = 1;
  const QImage box = Screen();
  EXPECT_EQ(Rgb(box, 5, 200), 0xFF00FFu) << "left band";
  EXPECT_EQ(Rgb(box, 200, box.height() - 30), 0xFF00FFu) << "bottom band";
  EXPECT_TRUE(Near(Rgb(box, 192, 170), kBlue)) << "the picture inside";
  // Without a valid colour the frame is left as paper.
  image->FrameColorValid = 0;
  EXPECT_EQ(Rgb(Screen(), 5, 200), kWhiteRgb);
}

TEST_F(ImageDrawingTest, CropFrameOutlinesTheCropWithoutCutting) {
  const std::string square = WriteQuadrantJpeg(folder_, "square.jpg", 200, 200);
  ImageObject* image = Place(square);
  image->CropMode = kCropDrawFrame;
  image->CropArea = {100, 0, 0, 100};  // keeps the top-right quarter
  image->CropFrameColor = MakeColor(255, 0, 255);
  const QImage box = Screen();
  EXPECT_TRUE(Near(Rgb(box, 50, 50), kRed)) << "nothing is cut";
  EXPECT_TRUE(Near(Rgb(box, 50, 300), kBlue));
  EXPECT_EQ(Rgb(box, 192, 90), 0xFF00FFu) << "left edge of the kept quarter";
  EXPECT_EQ(Rgb(box, 290, 191), 0xFF00FFu) << "its bottom edge";
  EXPECT_TRUE(Near(Rgb(box, 290, 100), kGreen));
}

TEST_F(ImageDrawingTest, AMissingPreviewIsMadeAgainOnScreen) {
  ImageObject* image = Place(WriteSolidJpeg(folder_, "blue.jpg", 100, 100, kBlue));
  image->Preview.reset();
  ExpectProbes(Screen(), {{0.5, 0.5, kBlue}}, "screen");
  EXPECT_TRUE(image->Preview);
}

}  // namespace
}  // namespace tl::test
