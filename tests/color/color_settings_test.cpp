// The colour settings of images: what a new image takes from its document,
// the tone tuning dialog's model and the grayscale refusals.
#include "color/image_color_settings.h"

#include <gtest/gtest.h>

#include "color/intents.h"
#include "color/selection_refusals.h"
#include "color/tone_tuning.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

constexpr uint32_t kRgb = FourCC("RGB ");
constexpr uint32_t kCmyk = FourCC("CMYK");
constexpr uint32_t kGray = FourCC("GRAY");

class ColorSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_.reset(DocumentNew(nullptr, nullptr));
    ASSERT_TRUE(document_);
    document_->InputSrcProfileState = 3;
    document_->InputSrcProfile = "studio.icc";
    document_->InputSrcIntent = kIntentCodeRelativeColorimetric;
    document_->InputSimMethod = 1;
    document_->InputSimProfileState = 2;
    document_->InputSimProfile = "press.icc";
    document_->InputSimIntent = kIntentCodeAbsoluteColorimetric;
  }
  ImageObject* Image(uint32_t space) {
    ImageObject* image = test::AddImage(*document_, space);
    image->ImageSrcManagementMode = 1;  // what a fresh image object holds
    image->ImageSrcUseEmbedProfile = 1;
    image->ImageSrcIntent = 1;
    image->SrcProfileState = 1;
    return image;
  }
  DocumentPtr document_;
};

TEST_F(ColorSettingsTest, ANewImageTakesTheDocumentsInputSettings) {
  const struct {
    const char* what;
    uint32_t space;
    int hasEmbedded, level;
    int useEmbedded, useVdx;
    int expectEmbed, expectMode, expectIntent, expectState;
  } cases[] = {
      {"plain RGB", kRgb, 0, 0, 1, 1, 0, 0, kIntentCodeRelativeColorimetric, 3},
      {"embedded profile wanted", kRgb, 1, 0, 1, 1, 1, 0, kIntentCodeEndorsedByProfile, 3},
      {"embedded profile not wanted", kRgb, 1, 0, 0, 1, 0, 0, kIntentCodeRelativeColorimetric, 3},
      {"capture data in use", kRgb, 0, 6, 0, 1, 0, 6, kIntentCodeEndorsedByProfile, 3},
      {"capture data not in use", kRgb, 0, 6, 0, 0, 0, 0, kIntentCodeRelativeColorimetric, 3},
      {"embedded profile wins over capture data", kRgb, 1, 4, 1, 1, 1, 0, kIntentCodeEndorsedByProfile, 3},
      {"grayscale", kGray, 1, 2, 1, 1, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    document_->InputSrcUseEmbedProfile = c.useEmbedded;
    document_->InputSrcUseVdx = c.useVdx;
    ImageObject* image = Image(c.space);
    image->HasEmbeddedProfile = c.hasEmbedded;
    image->CaptureMatchingLevel = int16_t(c.level);
    ApplyInputColorSettings(*image, *document_);
    EXPECT_EQ(image->ImageSrcUseEmbedProfile, c.expectEmbed) << c.what;
    EXPECT_EQ(image->ImageSrcManagementMode, c.expectMode) << c.what;
    EXPECT_EQ(image->ImageSrcIntent, c.expectIntent) << c.what;
    EXPECT_EQ(image->SrcProfileState, c.expectState) << c.what;
    if (c.space == kRgb) {
      EXPECT_EQ(image->ImageSrcProfile, "studio.icc") << c.what;
    }
    // Simulation settings go to every image.
    EXPECT_EQ(image->ImageSimMethod, 1) << c.what;
    EXPECT_EQ(image->SimProfileState, 2) << c.what;
    EXPECT_EQ(image->ImageSimProfile, "press.icc") << c.what;
    EXPECT_EQ(image->ImageSimIntent, kIntentCodeAbsoluteColorimetric) << c.what;
  }
}

TEST_F(ColorSettingsTest, CmykImagesKeepTheirSourceSettings) {
  ImageObject* image = Image(kCmyk);
  image->ImageSrcProfile = "own.icc";
  ApplyInputColorSettings(*image, *document_);
  EXPECT_EQ(image->ImageSrcProfile, "own.icc");
  EXPECT_EQ(image->ImageSrcManagementMode, 1);
  EXPECT_EQ(image->SrcProfileState, 1);
  EXPECT_EQ(image->ImageSimProfile, "press.icc");
}

TEST_F(ColorSettingsTest, GrayscaleImagesRefuseColourDialogsAndTheMatchedView) {
  test::RecordingSink sink;
  ScopedMessageSink scoped(&sink);
  ImageObject* colour = Image(kRgb);
  ImageObject* gray = Image(kGray);
  ImageObject* other = Image(kRgb);
  colour->Selected = other->Selected = 1;
  EXPECT_TRUE(SelectionAllowsColorDialog(*document_));
  EXPECT_EQ(ImagesForMatchedView(*document_), (std::vector<ImageObject*>{colour, other}));
  EXPECT_TRUE(sink.texts.empty());

  gray->Selected = 1;
  EXPECT_FALSE(SelectionAllowsColorDialog(*document_));
  EXPECT_EQ(ImagesForMatchedView(*document_), (std::vector<ImageObject*>{colour, other}));
  ASSERT_EQ(sink.texts.size(), 2u);
  EXPECT_EQ(sink.texts[0], "Grayscale image is detected.");
  EXPECT_EQ(sink.texts[1], "Unable to match colors.\n\r(Grayscale is not supported.)");
  EXPECT_EQ(sink.icons[1], MessageIcon::Stop);

  colour->Selected = other->Selected = 0;
  EXPECT_TRUE(ImagesForMatchedView(*document_).empty());
  EXPECT_EQ(sink.texts.size(), 3u);  // once per rebuild
}

TEST_F(ColorSettingsTest, TuningDialogRefusesGrayscaleAndCaptureMatchedImages) {
  test::RecordingSink sink;
  ScopedMessageSink scoped(&sink);
  ImageObject* first = Image(kRgb);
  ImageObject* second = Image(kRgb);
  first->Selected = second->Selected = 1;
  EXPECT_TRUE(ToneTuningAllowed(*document_));
  second->CaptureMatchingLevel = 2;
  EXPECT_FALSE(ToneTuningAllowed(*document_));
  second->ColorSpace = kGray;  // grayscale is refused first, whatever else
  EXPECT_FALSE(ToneTuningAllowed(*document_));
  ASSERT_EQ(sink.texts.size(), 2u);
  EXPECT_EQ(sink.texts[0], "Color Tone Tuning is not executable for the image.");
  EXPECT_EQ(sink.texts[1], "Grayscale image is detected.");
  EXPECT_EQ(first->ColorTuneMode, 0);  // nothing changed
}

TEST_F(ColorSettingsTest, TuningDialogStartsFromTheCurrentImage) {
  ImageObject* image = Image(kRgb);
  const struct {
    int16_t mode;
    std::array<int16_t, 3> levels;
    int16_t shownMode;
    std::array<int, 3> sliders;
  } cases[] = {
      {kTuningOff, {0, 0, 0}, kTuningOff, {3, 3, 3}},
      {kTuningAutomatic, {0, 0, 0}, kTuningAutomatic, {3, 3, 3}},
      {kTuningCustom, {2, -3, 1}, kTuningCustom, {5, 0, 4}},
      {7, {1, 1, 1}, kTuningAutomatic, {3, 3, 3}},
  };
  for (const auto& c : cases) {
    image->ColorTuneMode = c.mode;
    image->ColorTune = c.levels;
    document_->CurrentImage = image;
    document_->SelectedImageCount = 1;
    ToneTuningChoice choice = InitialToneTuningChoice(*document_);
    EXPECT_EQ(choice.Mode, c.shownMode) << c.mode;
    EXPECT_EQ(choice.Sliders, c.sliders) << c.mode;
    EXPECT_EQ(ToneTuningSlidersEnabled(choice), c.shownMode == kTuningCustom);
    // Without one current image: automatic tuning, sliders in the middle.
    document_->SelectedImageCount = 2;
    choice = InitialToneTuningChoice(*document_);
    EXPECT_EQ(choice.Mode, kTuningAutomatic);
    EXPECT_EQ(choice.Sliders, (std::array<int, 3>{3, 3, 3}));
  }
}

TEST_F(ColorSettingsTest, ConfirmingSetsEverySelectedImage) {
  ImageObject* a = Image(kRgb);
  ImageObject* b = Image(kRgb);
  ImageObject* untouched = Image(kRgb);
  a->Selected = b->Selected = 1;

  ToneTuningChoice custom{kTuningCustom, {5, 3, 2}};
  ConfirmToneTuning(*document_, custom);
  for (ImageObject* image : {a, b}) {
    EXPECT_EQ(image->ColorTuneMode, kTuningCustom);
    EXPECT_EQ(image->ColorTune, (std::array<int16_t, 3>{2, 0, -1}));
  }
  EXPECT_EQ(untouched->ColorTuneMode, 0);
  EXPECT_EQ(document_->Modified, 1);
  const std::vector<TuningStep> steps = TuningSteps(*a);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].Kind, kTuneBright);
  EXPECT_EQ(steps[0].Level, 2);
  EXPECT_EQ(steps[1].Kind, kTuneVivid);
  EXPECT_EQ(steps[1].Level, -1);

  // All sliders in the middle: custom tuning with no tuning profile.
  ConfirmToneTuning(*document_, {kTuningCustom, {3, 3, 3}});
  EXPECT_EQ(a->ColorTuneMode, kTuningCustom);
  EXPECT_TRUE(TuningSteps(*a).empty());

  // Off and automatic clear the levels.
  ConfirmToneTuning(*document_, custom);
  ConfirmToneTuning(*document_, {kTuningOff, {6, 0, 6}});
  EXPECT_EQ(a->ColorTuneMode, kTuningOff);
  EXPECT_EQ(a->ColorTune, (std::array<int16_t, 3>{0, 0, 0}));
  ConfirmToneTuning(*document_, custom);
  ConfirmToneTuning(*document_, {kTuningAutomatic, {6, 0, 6}});
  EXPECT_EQ(b->ColorTuneMode, kTuningAutomatic);
  EXPECT_EQ(b->ColorTune, (std::array<int16_t, 3>{0, 0, 0}));
  EXPECT_TRUE(TuningSteps(*b).empty());
}

}  // namespace
}  // namespace tl
