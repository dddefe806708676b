// The colour-matched view command over a document's selection (messages,
// progress, cancel, failures) and automatic tuning of previews through the
// capture-matching engine's preview call, on the bundled sample photographs.
#include "color/matched_view.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "color/image_color_settings.h"
#include "color/match_bitmap.h"
#include "color/tone_tuning.h"
#include "document/view_link.h"
#include "imaging/capture_matching.h"
#include "imaging/extended_importer.h"
#include "imaging/image_header.h"
#include "imaging/preview.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

std::string Sample(const char* name) {
  const char* source = std::getenv("TL_SOURCE_DIR");
  return std::string(source ? source : ".") + "/resources/samples/" + name;
}

class CountingView final : public ViewLink {
 public:
  int32_t CurrentPage() const override { return 0; }
  void SetCurrentPage(int32_t) override {}
  void Invalidate() override {}
  void InvalidateArea(const LRect&) override { ++areas; }
  void PageCountChanged() override {}
  int areas = 0;
};

class Progress final : public MatchedViewProgress {
 public:
  void Start(int count) override { total = count; }
  void Advance(int count) override { done.push_back(count); }
  bool CancelRequested() override { return cancelAfter >= 0 && int(done.size()) >= cancelAfter; }
  int total = -1;
  std::vector<int> done;
  int cancelAfter = -1;
};

class MatchedViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_.reset(DocumentNew(nullptr, nullptr));
    ASSERT_TRUE(document_);
    document_->View = &view_;
    previous_ = SetCaptureMatcher(&matcher_);
  }
  void TearDown() override { SetCaptureMatcher(previous_); }

  // A selected image of the sample `name`, taken in as a layout does.
  ImageObject* Take(const char* name, LSize frame = {320, 213}) {
    ImageObject* image = test::AddImage(*document_);
    if (!image || !ReadImageHeader(*image, Sample(name))) return nullptr;
    ApplyInputColorSettings(*image, *document_);
    image->Size = frame;
    image->Selected = 1;
    image->Preview = MakePreview(*image);
    return image->Preview ? image : nullptr;
  }

  test::ColorTestPlaces places_;
  DocumentPtr document_;
  CountingView view_;
  BuiltInCaptureMatcher matcher_;
  CaptureMatcher* previous_ = nullptr;
  test::RecordingSink sink_;
  ScopedMessageSink scope_{&sink_};
};

TEST_F(MatchedViewTest, GrayImagesAreLeftOutWithOneMessageAndTheOthersRebuilt) {
  ImageObject* harbour = Take("harbour_landscape.jpg");
  ImageObject* street = Take("street_gray.jpg");
  ImageObject* still = Take("studio_still.tif");
  ASSERT_TRUE(harbour && street && still);
  const auto before = std::make_tuple(harbour->Preview, street->Preview, still->Preview);
  Progress progress;
  EXPECT_EQ(RunColorMatchedView(*document_, &progress), 2);
  ASSERT_EQ(sink_.texts.size(), 1u);
  EXPECT_NE(sink_.texts[0].find("Grayscale is not supported"), std::string::npos);
  EXPECT_EQ(progress.total, 2);
  EXPECT_EQ(progress.done, (std::vector<int>{1, 2}));
  EXPECT_NE(harbour->Preview, std::get<0>(before));
  EXPECT_EQ(street->Preview, std::get<1>(before));
  EXPECT_NE(still->Preview, std::get<2>(before));
  EXPECT_EQ(view_.areas, 2);
  // The raw preview was the camera's thumbnail; the matched one is decoded
  // at the frame's size (through the capture-matching path: the sample
  // carries Exif print data).
  EXPECT_EQ(std::get<0>(before)->Width, 160);
  EXPECT_EQ(harbour->ImageSrcManagementMode, 2);
  EXPECT_EQ(harbour->Preview->Width, 320);
}

TEST_F(MatchedViewTest, CancellingAfterTheFirstImageLeavesTheOthersRaw) {
  ImageObject* first = Take("harbour_landscape.jpg");
  ImageObject* second = Take("flower_square.jpg");
  ImageObject* third = Take("night_lights.jpg");
  ASSERT_TRUE(first && second && third);
  const auto raw = std::make_pair(second->Preview, third->Preview);
  Progress progress;
  progress.cancelAfter = 1;
  EXPECT_EQ(RunColorMatchedView(*document_, &progress), 1);
  EXPECT_EQ(progress.done, std::vector<int>{1});
  EXPECT_EQ(second->Preview, raw.first);
  EXPECT_EQ(third->Preview, raw.second);
}

TEST_F(MatchedViewTest, AFailedImageKeepsItsPreviewAndTheCommandGoesOn) {
  ImageObject* gone = Take("harbour_landscape.jpg");
  ImageObject* kept = Take("tower_tall.jpg");
  ASSERT_TRUE(gone && kept);
  gone->ImagePath = "/nonexistent/harbour_landscape.jpg";
  const auto raw = gone->Preview;
  Progress progress;
  EXPECT_EQ(RunColorMatchedView(*document_, &progress), 1);
  EXPECT_EQ(gone->Preview, raw);
  ASSERT_EQ(sink_.texts.size(), 1u);
  EXPECT_EQ(sink_.texts[0], "Failed to open file.");
  EXPECT_EQ(progress.done, (std::vector<int>{1, 2}));
  // Nothing selected: nothing happens.
  for (LayoutObject* object : document_->Objects) object->Selected = 0;
  EXPECT_EQ(RunColorMatchedView(*document_, nullptr), 0);
}

TEST_F(MatchedViewTest, AutomaticTuningRewritesThePreviewWhenItsColoursAreMatched) {
  ImageObject* image = Take("meadow_upside_down.jpg");
  ASSERT_TRUE(image);
  image->ImageSrcManagementMode = 0;
  image->ColorTuneMode = kTuningAutomatic;
  // A preview of its own, so that the one the document shares is not touched.
  BitmapPtr raw = OffscreenBitmapNew(image->Preview->Width, image->Preview->Height);
  ASSERT_TRUE(raw);
  std::memcpy(raw->Pixels.get(), image->Preview->Pixels.get(), raw->ByteSize());
  image->Preview = std::shared_ptr<OffscreenBitmap>(std::move(raw));
  BitmapPtr copy = OffscreenBitmapNew(image->Preview->Width, image->Preview->Height);
  std::memcpy(copy->Pixels.get(), image->Preview->Pixels.get(), copy->ByteSize());

  BitmapPtr pixels = test::TestPattern();
  ASSERT_TRUE(MatchBitmap(*pixels, *image, kMatchScreenTuned));
  EXPECT_NE(std::memcmp(copy->Pixels.get(), image->Preview->Pixels.get(), copy->ByteSize()), 0);
  // The preview call is deterministic: a second matching leaves it as it is.
  std::memcpy(copy->Pixels.get(), image->Preview->Pixels.get(), copy->ByteSize());
  ASSERT_TRUE(MatchBitmap(*pixels, *image, kMatchScreenTuned));
  EXPECT_EQ(std::memcmp(copy->Pixels.get(), image->Preview->Pixels.get(), copy->ByteSize()), 0);

  // Without the engine the preview stays raw.
  SetCaptureMatcher(nullptr);
  ImageObject* other = Take("panorama_wide.jpg");
  ASSERT_TRUE(other);
  other->ColorTuneMode = kTuningAutomatic;
  const auto before = other->Preview;
  BitmapPtr kept = OffscreenBitmapNew(before->Width, before->Height);
  std::memcpy(kept->Pixels.get(), before->Pixels.get(), kept->ByteSize());
  ASSERT_TRUE(MatchBitmap(*pixels, *other, kMatchScreenTuned));
  EXPECT_EQ(std::memcmp(kept->Pixels.get(), other->Preview->Pixels.get(), kept->ByteSize()), 0);
}

}  // namespace
}  // namespace tl
