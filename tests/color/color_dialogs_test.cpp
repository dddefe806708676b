// The colour dialogs without their widgets, over profiles the tests write
// into the colour folders: what Input and Image Color Management show and
// store, which sources an image allows, "Reset by Input settings.", the
// output texts, and the tone tuning dialog's preview.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "color/color_dialog_texts.h"
#include "color/image_color_management.h"
#include "color/input_color_management.h"
#include "color/intents.h"
#include "color/output_color_settings.h"
#include "color/profile_roles.h"
#include "color/tone_tuning.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

constexpr uint32_t kRgb = FourCC("RGB ");
constexpr uint32_t kGray = FourCC("GRAY");

// Profiles in the first colour folder: three RGB ones (sorted after the
// default RGB profile in the list), a damaged one, and a CMYK one
// written under an RGB-looking name.
class ColorDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::WriteBytes(places_.First() + "/a-studio.icc",
                                 test::RgbProfileBytes("Studio RGB", cmsSigDisplayClass)));
    ASSERT_TRUE(test::WriteBytes(places_.First() + "/b-wide.icc",
                                 test::RgbProfileBytes("Wide RGB", cmsSigInputClass, 1.8)));
    ASSERT_TRUE(test::WriteBytes(places_.First() + "/c-scanner.icc",
                                 test::RgbProfileBytes("Scanner RGB", cmsSigInputClass, 2.4)));
    std::vector<uint8_t> damaged = test::RgbProfileBytes("Damaged RGB", cmsSigDisplayClass);
    damaged.resize(damaged.size() / 2);
    ASSERT_TRUE(test::WriteBytes(places_.First() + "/d-damaged.icc", damaged));
    lists_ = ListProfiles(ProfileListSet::Input);
    document_.reset(DocumentNew(nullptr, nullptr));
    ASSERT_TRUE(document_);
    previous_ = SetMessageSink(&sink_);
  }
  void TearDown() override { SetMessageSink(previous_); }

  int RgbPosition(const std::string& file) const {
    for (size_t i = 0; i < lists_.Rgb.size(); ++i)
      if (lists_.Rgb[i].FileName == file) return int(i);
    return -1;
  }

  ImageObject* Image(int16_t level, bool embedded) {
    ImageObject* image = test::AddImage(*document_, kRgb);
    image->CaptureMatchingLevel = level;
    image->HasEmbeddedProfile = embedded ? 1 : 0;
    image->ImageSrcManagementMode = 0;
    image->ImageSrcUseEmbedProfile = 0;
    image->Selected = 1;
    document_->CurrentImage = image;
    return image;
  }

  test::ColorTestPlaces places_;
  ProfileLists lists_;
  DocumentPtr document_;
  test::RecordingSink sink_;
  MessageSink* previous_ = nullptr;
};

TEST_F(ColorDialogsTest, ListsOfferOnlyProfilesThatOpenInTheirColourSpace) {
  ASSERT_FALSE(lists_.Rgb.empty());
  EXPECT_EQ(lists_.Rgb.front().FileName, DefaultProfileName(kRoleRgb));
  EXPECT_GE(RgbPosition("a-studio.icc"), 1);
  EXPECT_EQ(RgbPosition("d-damaged.icc"), -1);
  for (const ProfileListEntry& entry : lists_.Cmyk) EXPECT_NE(entry.FileName, "a-studio.icc");
}

TEST_F(ColorDialogsTest, InputDialogShowsAndStoresTheDocumentsDefaults) {
  LayoutDocument& d = *document_;
  d.InputSrcUseVdx = 0;
  d.InputSrcProfile = "b-wide.icc";
  d.InputSrcIntent = kIntentCodeAbsoluteColorimetric;
  d.InputSrcUseEmbedProfile = 1;
  d.InputSimMethod = kSimulationCmyk;
  d.InputSimProfile = "Tessaline_CMYK.icc";
  d.InputSimIntent = kIntentCodeSaturation;
  InputColorChoice choice = InitialInputColorChoice(d, lists_);
  EXPECT_FALSE(choice.UseVdx);
  EXPECT_EQ(choice.Source.Profile, RgbPosition("b-wide.icc"));
  EXPECT_EQ(choice.Source.Intent, 3);
  EXPECT_TRUE(choice.UseEmbedded);
  EXPECT_EQ(choice.Simulation.Method, kSimulationCmyk);
  EXPECT_EQ(choice.Simulation.Cmyk.Intent, 1);
  EXPECT_EQ(lists_.Cmyk[size_t(choice.Simulation.Cmyk.Profile)].FileName, "Tessaline_CMYK.icc");

  // Each method enables its own group only.
  const struct {
    int16_t method;
    bool rgb, cmyk;
  } groups[] = {{kSimulationOff, false, false}, {kSimulationRgb, true, false}, {kSimulationCmyk, false, true}};
  for (const auto& g : groups) {
    EXPECT_EQ(SimulationGroupsFor(g.method).Rgb, g.rgb) << g.method;
    EXPECT_EQ(SimulationGroupsFor(g.method).Cmyk, g.cmyk) << g.method;
  }

  choice.UseVdx = true;
  choice.Source = {RgbPosition("c-scanner.icc"), 0};
  choice.UseEmbedded = false;
  choice.Simulation.Method = kSimulationRgb;
  choice.Simulation.Rgb = {RgbPosition("a-studio.icc"), 4};
  ConfirmInputColorChoice(d, lists_, choice);
  EXPECT_EQ(d.InputSrcUseVdx, 1);
  EXPECT_EQ(d.InputSrcProfile, "c-scanner.icc");
  EXPECT_EQ(d.InputSrcProfileState, RgbPosition("c-scanner.icc") + 1);
  EXPECT_EQ(d.InputSrcIntent, kIntentCodePerceptual);
  EXPECT_EQ(d.InputSrcUseEmbedProfile, 0);
  EXPECT_EQ(d.InputSimMethod, kSimulationRgb);
  EXPECT_EQ(d.InputSimProfile, "a-studio.icc");
  EXPECT_EQ(d.InputSimIntent, kIntentCodeEndorsedByProfile);
  EXPECT_EQ(d.Modified, 1);
}

TEST_F(ColorDialogsTest, AStoredProfileThatWentAwayShowsTheDefaultAndOkStoresIt) {
  LayoutDocument& d = *document_;
  d.InputSrcProfile = "c-scanner.icc";
  std::filesystem::remove(places_.First() + "/c-scanner.icc");
  lists_ = ListProfiles(ProfileListSet::Input);
  const InputColorChoice choice = InitialInputColorChoice(d, lists_);
  EXPECT_EQ(choice.Source.Profile, 0);
  ConfirmInputColorChoice(d, lists_, choice);
  EXPECT_EQ(d.InputSrcProfile, DefaultProfileName(kRoleRgb));
  EXPECT_EQ(d.InputSrcProfileState, 1);
}

TEST_F(ColorDialogsTest, ImageSourcesFollowTheCaptureLevelAndTheFile) {
  const struct {
    int16_t level;
    bool embedded;
    bool vividex, exif, embeddedChoice;
  } cases[] = {
      {6, false, true, true, false}, {4, false, true, false, false}, {2, true, false, true, true},
      {0, true, false, false, true}, {0, false, false, false, false},
  };
  for (const auto& c : cases) {
    const ImageObject* image = Image(c.level, c.embedded);
    const ImageSourceControls controls = ImageSourceAvailability(*image, ImageSource::Vividex);
    EXPECT_EQ(controls.Vividex, c.vividex) << c.level;
    EXPECT_EQ(controls.ExifPrint, c.exif) << c.level;
    EXPECT_EQ(controls.EmbeddedProfile, c.embeddedChoice) << c.level;
    EXPECT_FALSE(controls.RgbLists);
    EXPECT_TRUE(ImageSourceAvailability(*image, ImageSource::RgbProfile).RgbLists);
  }
}

TEST_F(ColorDialogsTest, ImageDialogStoresTheSourceChosen) {
  ImageObject* level4 = Image(4, false);
  ImageColorChoice choice = InitialImageColorChoice(*level4, lists_);
  EXPECT_EQ(choice.Source, ImageSource::RgbProfile);
  // Not offered for this image: refused, nothing written.
  choice.Source = ImageSource::ExifPrint;
  EXPECT_FALSE(ConfirmImageColorChoice(*level4, lists_, choice));
  choice.Source = ImageSource::EmbeddedProfile;
  EXPECT_FALSE(ConfirmImageColorChoice(*level4, lists_, choice));
  EXPECT_EQ(level4->ImageSrcManagementMode, 0);
  choice.Source = ImageSource::Vividex;
  ASSERT_TRUE(ConfirmImageColorChoice(*level4, lists_, choice));
  EXPECT_EQ(level4->ImageSrcManagementMode, 4);
  EXPECT_EQ(level4->ImageSrcUseEmbedProfile, 0);
  EXPECT_EQ(InitialImageColorChoice(*level4, lists_).Source, ImageSource::Vividex);

  ImageObject* plain = Image(0, true);
  choice = InitialImageColorChoice(*plain, lists_);
  choice.Source = ImageSource::RgbProfile;
  choice.Rgb = {3, 1};
  choice.Simulation.Method = kSimulationCmyk;
  ASSERT_TRUE(ConfirmImageColorChoice(*plain, lists_, choice));
  EXPECT_EQ(plain->SrcProfileState, 4);
  EXPECT_EQ(plain->ImageSrcProfile, lists_.Rgb[3].FileName);
  EXPECT_EQ(plain->ImageSrcIntent, kIntentCodeSaturation);
  EXPECT_EQ(plain->ImageSimMethod, kSimulationCmyk);
  EXPECT_EQ(plain->ImageSimProfile, lists_.Cmyk[size_t(choice.Simulation.Cmyk.Profile)].FileName);

  choice.Source = ImageSource::EmbeddedProfile;
  ASSERT_TRUE(ConfirmImageColorChoice(*plain, lists_, choice));
  EXPECT_EQ(plain->ImageSrcUseEmbedProfile, 1);
  EXPECT_EQ(InitialImageColorChoice(*plain, lists_).Source, ImageSource::EmbeddedProfile);
}

TEST_F(ColorDialogsTest, ResetByInputSettingsTakesWhatANewImageWouldGet) {
  LayoutDocument& d = *document_;
  d.InputSrcProfile = "a-studio.icc";
  d.InputSrcIntent = kIntentCodeRelativeColorimetric;
  const struct {
    int16_t level;
    bool embedded;
    int32_t useVdx, useEmbedded;
    ImageSource expected;
  } cases[] = {
      {2, false, 1, 0, ImageSource::ExifPrint},     {6, false, 1, 0, ImageSource::Vividex},
      {6, false, 0, 0, ImageSource::RgbProfile},    {2, true, 0, 1, ImageSource::EmbeddedProfile},
      {0, false, 1, 1, ImageSource::RgbProfile},
  };
  for (const auto& c : cases) {
    d.InputSrcUseVdx = c.useVdx;
    d.InputSrcUseEmbedProfile = c.useEmbedded;
    const ImageObject* image = Image(c.level, c.embedded);
    const ImageColorChoice choice = InputSettingsChoice(*image, d, lists_);
    EXPECT_EQ(choice.Source, c.expected) << c.level << " " << c.useVdx;
    EXPECT_EQ(choice.Rgb.Profile, RgbPosition("a-studio.icc"));
    EXPECT_EQ(choice.Rgb.Intent, 2);
  }
}

TEST_F(ColorDialogsTest, GrayscaleOrNoCurrentImageKeepsTheImageDialogShut) {
  EXPECT_FALSE(ImageColorDialogAllowed(*document_));
  EXPECT_TRUE(sink_.texts.empty());
  Image(0, false);
  EXPECT_TRUE(ImageColorDialogAllowed(*document_));
  ImageObject* gray = test::AddImage(*document_, kGray);
  gray->Selected = 1;
  EXPECT_FALSE(ImageColorDialogAllowed(*document_));
  ASSERT_EQ(sink_.texts.size(), 1u);
  EXPECT_EQ(sink_.texts[0], "Grayscale image is detected.");
  EXPECT_EQ(sink_.icons[0], MessageIcon::Stop);
}

TEST_F(ColorDialogsTest, OutputTextsFollowWhoMatchesThePrinterColours) {
  LayoutDocument& d = *document_;
  d.OutputPrinterControls = kByPrinterDriver;
  EXPECT_EQ(DescribeOutputProfiles(d).Printer, "Printer color space");
  d.OutputPrinterControls = kByApplication;
  d.OutputPrinterProfileState = 2;
  d.OutputPrinterProfile = "a-studio.icc";
  EXPECT_EQ(DescribeOutputProfiles(d).Printer, "Studio RGB");
  EXPECT_FALSE(DescribeOutputProfiles(d).Monitor.empty());
  const ColorDialogTexts texts = LoadColorDialogTexts();
  EXPECT_EQ(texts.IntentNames[2], "Relative Colorimetric");
  EXPECT_EQ(texts.ResetByInput, "Reset by Input settings.");
}

TEST_F(ColorDialogsTest, PrinterDriverModeParksThePrinterProfileChoice) {
  document_->OutputPrinterControls = kByApplication;
  document_->OutputPrinterProfileState = 2;
  const ProfileLists output = ListProfiles(ProfileListSet::Output);
  ASSERT_GE(output.Printer.size(), 3u);
  OutputColorChoice choice = InitialOutputColorChoice(*document_, output);
  EXPECT_EQ(choice.PrinterPosition, 2);
  ChooseOutputMode(choice, false);
  EXPECT_EQ(choice.PrinterPosition, 0);
  ChooseOutputMode(choice, true);
  EXPECT_EQ(choice.PrinterPosition, 2);

  // Opened while the driver matches: "by Application" brings back the
  // stored choice.
  document_->OutputPrinterControls = kByPrinterDriver;
  choice = InitialOutputColorChoice(*document_, output);
  EXPECT_EQ(choice.PrinterPosition, 0);
  ChooseOutputMode(choice, true);
  EXPECT_EQ(choice.PrinterPosition, 2);
  ConfirmOutputColorChoice(*document_, output, choice);
  EXPECT_EQ(document_->OutputPrinterControls, kByApplication);
  EXPECT_EQ(document_->OutputPrinterProfile, output.Printer[2].FileName);
}

TEST_F(ColorDialogsTest, TuningPreviewShowsTheLevelsAndFailsWithoutTheirProfiles) {
  ImageObject* image = Image(0, false);
  image->ImageSrcProfile = DefaultProfileName(kRoleRgb);
  int32_t width = 0, height = 0;
  image->Preview = test::TestPattern(&width, &height);
  ToneTuningChoice off;
  off.Mode = kTuningOff;
  const BitmapPtr plain = TunedPreview(*image, off, 64);
  ASSERT_NE(plain, nullptr);
  EXPECT_LE(std::max(plain->Width, plain->Height), 64);
  ToneTuningChoice brighter;
  brighter.Mode = kTuningCustom;
  brighter.Sliders = {kTuningSliderMiddle + 2, kTuningSliderMiddle, kTuningSliderMiddle};
  const BitmapPtr tuned = TunedPreview(*image, brighter, 64);
  ASSERT_NE(tuned, nullptr);
  int64_t plainSum = 0, tunedSum = 0;
  for (size_t i = 0; i < plain->ByteSize(); i += 4) plainSum += plain->Pixels[i + 1];
  for (size_t i = 0; i < tuned->ByteSize(); i += 4) tunedSum += tuned->Pixels[i + 1];
  EXPECT_GT(tunedSum, plainSum);
  // The image itself is left as it was.
  EXPECT_EQ(image->ColorTuneMode, 0);

  test::TempFolder empty;
  places_.UseApplicationFolder(empty.Path());
  EXPECT_EQ(TunedPreview(*image, brighter, 64), nullptr);
}

}  // namespace
}  // namespace tl
