// The image preview window's workings without its widgets: the zoom list
// a picture allows, the "+" and "-" steps, the pane sizes, the working
// copy and its decodes (raw and colour-managed), the decoder that runs
// them off the interface thread, and where a tool window opens.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <vector>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "render/image_preview_decode.h"
#include "render/preview_decoder.h"
#include "render/preview_zoom.h"
#include "render/tool_window_place.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

constexpr LSize kPane = {450, 450};

std::string AllowedItems(const PreviewZoom& zoom) {
  std::string s;
  for (bool allowed : zoom.Allowed) s += allowed ? '1' : '.';
  return s;
}

TEST(PreviewZoom, ListTextsInOrder) {
  const std::vector<std::string> expected = {"All", "100%", "66.67%", "50%", "33.33%", "25%",
                                             "16.67%", "12.5%", "8.33%", "6.25%", "5%"};
  for (int item = 0; item < kPreviewZoomCount; ++item) EXPECT_EQ(PreviewZoomText(item), expected[size_t(item)]);
}

TEST(PreviewZoom, FittingAllowsEveryFactorDownToTheFirstThatFits) {
  const struct {
    LSize picture;
    const char* allowed;
  } cases[] = {
      {{300, 200}, "11........."},      // small pictures: "All" and "100%" only
      {{320, 320}, "11........."},
      {{321, 100}, "11........."},      // fits at 100 %
      {{4000, 3000}, "111111111.."},    // fits at 1/12 ("8.33%"): 6.25 % and 5 % are not offered
      {{3000, 4000}, "111111111.."},
      {{600, 450}, "111........"},      // 2/3 fits
      {{20000, 20000}, "11111111111"},  // nothing fits: the search ends at 5 %
  };
  for (const auto& c : cases) {
    const PreviewZoom zoom = FitPreviewZoom(c.picture, kPane);
    EXPECT_EQ(AllowedItems(zoom), c.allowed) << c.picture.cx << "x" << c.picture.cy;
    EXPECT_EQ(zoom.Selection, kZoomAll);
    EXPECT_FALSE(CanZoomIn(zoom));
    EXPECT_FALSE(CanZoomOut(zoom));
  }
}

TEST(PreviewZoom, ChoosingAndSteppingStayOnAllowedItems) {
  PreviewZoom zoom = FitPreviewZoom({4000, 3000}, kPane);
  ChoosePreviewZoom(zoom, 10);  // "5%" is not allowed: back to "All"
  EXPECT_EQ(zoom.Selection, kZoomAll);
  ChoosePreviewZoom(zoom, kZoomActual);
  EXPECT_FALSE(CanZoomIn(zoom)) << "+ stops at 100 %";
  EXPECT_TRUE(CanZoomOut(zoom));
  for (int i = 0; i < 20; ++i) ZoomOut(zoom);
  EXPECT_EQ(zoom.Selection, 8) << "- stops at the last allowed factor";
  EXPECT_FALSE(CanZoomOut(zoom));
  ZoomIn(zoom);
  EXPECT_EQ(zoom.Selection, 7);

  PreviewZoom small = FitPreviewZoom({300, 200}, kPane);
  ChoosePreviewZoom(small, kZoomActual);
  EXPECT_FALSE(CanZoomIn(small));
  EXPECT_FALSE(CanZoomOut(small));
}

TEST(PreviewZoom, PictureSizeOnThePane) {
  PreviewZoom zoom = FitPreviewZoom({4000, 3000}, kPane);
  EXPECT_EQ(ZoomedPictureSize(zoom, {4000, 3000}, kPane), (LSize{450, 337}));
  EXPECT_EQ(ZoomedPictureSize(zoom, {3000, 4000}, kPane), (LSize{337, 450}));
  EXPECT_EQ(ZoomedPictureSize(zoom, {300, 200}, kPane), (LSize{450, 300})) << "All fits small pictures too";
  ChoosePreviewZoom(zoom, 3);
  EXPECT_EQ(ZoomedPictureSize(zoom, {4000, 3000}, kPane), (LSize{2000, 1500}));
  ChoosePreviewZoom(zoom, 8);
  EXPECT_EQ(ZoomedPictureSize(zoom, {4000, 3000}, kPane), (LSize{333, 250}));
  EXPECT_EQ(ZoomedPictureSize(zoom, {5, 5}, kPane), (LSize{1, 1})) << "never below a pixel";
  EXPECT_EQ(ZoomedPictureSize(zoom, {0, 0}, kPane), (LSize{0, 0}));
}

TEST(PreviewZoom, PaneMinimumFollowsThePicturesProportion) {
  EXPECT_EQ(PreviewPaneMinimum({3000, 4000}), (LSize{450, 451}));
  EXPECT_EQ(PreviewPaneMinimum({1000, 1001}), (LSize{450, 451}));
  EXPECT_EQ(PreviewPaneMinimum({4000, 3000}), (LSize{450, 337}));
  EXPECT_EQ(PreviewPaneMinimum({500, 500}), (LSize{450, 450}));
  EXPECT_EQ(PreviewPaneMinimum({9000, 1000}), (LSize{450, 50}));
  EXPECT_EQ(PreviewPaneMinimum({0, 0}), (LSize{450, 450}));
}

TEST(ToolWindowOrigin, KeepsTheWindowInsideTheWorkArea) {
  const LRect work = {0, 30, 1920, 1080};
  const LSize window = {450, 500};
  EXPECT_EQ(ToolWindowOrigin({100, 100}, window, work), (LPoint{100, 100}));
  EXPECT_EQ(ToolWindowOrigin({1800, 900}, window, work), (LPoint{1470, 580}));
  EXPECT_EQ(ToolWindowOrigin({-40, 0}, window, work), (LPoint{0, 30}));
  EXPECT_EQ(ToolWindowOrigin({5000, -5000}, {2500, 2000}, work), (LPoint{0, 30})) << "too large: left and top";
}

class PreviewDecodeTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    path_ = WriteQuadrantJpeg(folder_, "quadrants.jpg", 400, 300);
    image_ = PlacePicture(*document_, path_, {0, 0, 400, 300});
    ASSERT_NE(image_, nullptr);
  }

  TempFolder folder_;
  DocumentPtr document_;
  std::string path_;
  ImageObject* image_ = nullptr;
};

TEST_F(PreviewDecodeTest, WorkingCopyCarriesItsOwnSettings) {
  auto source = MakePreviewSource(*image_);
  ASSERT_NE(source, nullptr);
  ASSERT_NE(source->Settings, nullptr);
  EXPECT_EQ(source->Image.Owner, source->Settings.get());
  EXPECT_NE(source->Settings.get(), document_.get());
  EXPECT_TRUE(source->Settings->Objects.Empty());
  document_->InputSimMethod = 1;  // the document changes; the copy does not
  EXPECT_EQ(source->Settings->InputSimMethod, 0);
  EXPECT_EQ(image_->Preview.get(), source->Image.Preview.get()) << "the document's preview is shared, never touched";
}

TEST_F(PreviewDecodeTest, FullSizeFittedSizeAndQuarterTurns) {
  auto source = MakePreviewSource(*image_);
  PreviewPicture full = DecodePreviewPicture(*source, true, nullptr);
  ASSERT_NE(full.Pixels, nullptr);
  EXPECT_EQ(full.Pixels->Width, 400);
  EXPECT_EQ(full.Pixels->Height, 300);
  const LSize fitted = {150, 112};
  PreviewPicture small = DecodePreviewPicture(*source, false, &fitted);
  ASSERT_NE(small.Pixels, nullptr);
  EXPECT_EQ(small.Pixels->Width, 150);
  EXPECT_EQ(small.Pixels->Height, 112);

  image_->RotateFlip = kRotate90;
  EXPECT_EQ(PreviewPictureSize(*image_), (LSize{300, 400}));
  PreviewPicture turned = DecodePreviewPicture(*MakePreviewSource(*image_), true, nullptr);
  ASSERT_NE(turned.Pixels, nullptr);
  EXPECT_EQ(turned.Pixels->Width, 300);
  EXPECT_EQ(turned.Pixels->Height, 400);
}

TEST_F(PreviewDecodeTest, ColourManagementOffShowsTheUnmatchedPixels) {
  // A press simulation changes how red looks on the screen.
  image_->ImageSimMethod = 1;
  auto source = MakePreviewSource(*image_);
  PreviewPicture matched = DecodePreviewPicture(*source, true, nullptr);
  PreviewPicture raw = DecodePreviewPicture(*source, false, nullptr);
  ASSERT_TRUE(matched.Pixels && raw.Pixels);
  const uint8_t* m = matched.Pixels->Row(10) + 10 * OffscreenBitmap::kBytesPerPixel;
  const uint8_t* r = raw.Pixels->Row(10) + 10 * OffscreenBitmap::kBytesPerPixel;
  EXPECT_TRUE(Near(qRgb(r[2], r[1], r[0]), kRed, 12)) << "raw red stays red";
  EXPECT_GT(std::abs(int(m[2]) - int(r[2])) + std::abs(int(m[1]) - int(r[1])) + std::abs(int(m[0]) - int(r[0])), 20)
      << "the simulated red differs";
}

TEST_F(PreviewDecodeTest, VanishedFileLeavesTheLoadsMessage) {
  auto source = MakePreviewSource(*image_);
  std::remove(path_.c_str());
  PreviewPicture picture = DecodePreviewPicture(*source, true, nullptr);
  EXPECT_EQ(picture.Pixels, nullptr);
  EXPECT_NE(picture.Message, 0);
}

TEST_F(PreviewDecodeTest, KeyChangesWithWhatThePreviewShows) {
  const PreviewKey before = PreviewKeyOf(image_);
  EXPECT_EQ(before, PreviewKeyOf(image_));
  EXPECT_EQ(PreviewKeyOf(nullptr), PreviewKey());
  image_->Selected = 1;  // selection alone shows nothing new
  EXPECT_EQ(before, PreviewKeyOf(image_));
  for (auto change : std::vector<void (*)(ImageObject&)>{
           [](ImageObject& i) { i.RotateFlip = kRotate180; }, [](ImageObject& i) { i.ColorTune[1] = 2; },
           [](ImageObject& i) { i.ImageSimMethod = 1; }, [](ImageObject& i) { i.ImagePath += "x"; }}) {
    ImageObject copy = *image_;
    change(copy);
    EXPECT_NE(PreviewKeyOf(&copy), before);
  }
}

// Runs the event loop until `done` or two seconds have passed.
template <typename Done>
bool WaitFor(Done done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

TEST_F(PreviewDecodeTest, DecoderDeliversTheLatestRequestOnlyInStageOrder) {
  std::vector<std::pair<PreviewDecoder::Stage, int>> delivered;  // stage, picture width
  PreviewDecoder decoder([&](PreviewDecoder::Stage stage, PreviewPicture& picture) {
    delivered.push_back({stage, picture.Pixels ? picture.Pixels->Width : 0});
  });
  const std::string other = WriteSolidJpeg(folder_, "other.jpg", 640, 480, kBlue);
  ImageObject* second = PlacePicture(*document_, other, {0, 0, 640, 480});
  ASSERT_NE(second, nullptr);

  decoder.Start(MakePreviewSource(*image_), true, {200, 150});
  decoder.Start(MakePreviewSource(*second), true, {320, 240});  // a newer selection
  EXPECT_TRUE(decoder.Pending());
  ASSERT_TRUE(WaitFor([&] { return !decoder.Pending(); }));
  QCoreApplication::processEvents();
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_EQ(delivered[0], std::make_pair(PreviewDecoder::Stage::Fitted, 320));
  EXPECT_EQ(delivered[1], std::make_pair(PreviewDecoder::Stage::Full, 640));
}

TEST_F(PreviewDecodeTest, DecoderReportsAFailureOnceAndCancelledRequestsNever) {
  int failures = 0, pictures = 0;
  PreviewDecoder decoder([&](PreviewDecoder::Stage, PreviewPicture& picture) {
    picture.Pixels ? ++pictures : ++failures;
  });
  auto source = MakePreviewSource(*image_);
  std::remove(path_.c_str());
  decoder.Start(source, true, {200, 150});
  ASSERT_TRUE(WaitFor([&] { return !decoder.Pending(); }));
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(pictures, 0);

  decoder.Start(MakePreviewSource(*image_), true, {200, 150});
  decoder.Cancel();
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(failures, 1) << "a cancelled request delivers nothing";
}

}  // namespace
}  // namespace tl::test
