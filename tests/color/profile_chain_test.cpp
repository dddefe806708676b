// Which profiles form an image's conversion chain for each purpose, with
// which intents; and the failures that make a conversion report 10409.
#include "color/profile_chain.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "color/intents.h"
#include "color/match_bitmap.h"
#include "color/profile_description.h"
#include "color/profile_roles.h"
#include "color/tone_tuning.h"
#include "imaging/image_header.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using test::ColorTestPlaces;
using test::RgbProfileBytes;
using test::WriteBytes;

constexpr char kCmyk[] = "Tessaline CMYK (coated paper, 300% total ink)";
constexpr char kMonitor[] = "sRGB IEC61966-2.1";
constexpr char kWorking[] = "Tessaline sRGB working space";

std::vector<uint8_t> ProfileWithIntent(const char* description, cmsUInt32Number intent) {
  std::vector<uint8_t> bytes = RgbProfileBytes(description, cmsSigDisplayClass);
  ProfilePtr profile(cmsOpenProfileFromMem(bytes.data(), cmsUInt32Number(bytes.size())));
  cmsSetHeaderRenderingIntent(profile.get(), intent);
  return test::ProfileBytes(profile.get());
}

class ProfileChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteBytes(places_.First() + "/source.icc", RgbProfileBytes("Source RGB", cmsSigDisplayClass)));
    ASSERT_TRUE(WriteBytes(places_.First() + "/paper.icc", RgbProfileBytes("Paper RGB", cmsSigOutputClass, 1.8)));
    ASSERT_TRUE(WriteBytes(places_.First() + "/screen.icc", RgbProfileBytes("Screen RGB", cmsSigDisplayClass, 2.4)));
    ASSERT_TRUE(WriteBytes(places_.First() + "/absolute.icc", ProfileWithIntent("Absolute RGB", 3)));
    ASSERT_TRUE(WriteBytes(places_.First() + "/odd-intent.icc", ProfileWithIntent("Odd intent RGB", 7)));
    document_.reset(DocumentNew(nullptr, nullptr));
    ASSERT_TRUE(document_);
    image_ = test::AddImage(*document_);
    ASSERT_TRUE(image_);
    image_->SrcProfileState = 2;
    image_->ImageSrcProfile = "source.icc";
    image_->ImageSrcIntent = kIntentCodePerceptual;
  }

  void PrintByApplication() {
    document_->OutputPrinterControls = kByApplication;
    document_->OutputPrinterProfileState = 2;
    document_->OutputPrinterProfile = "paper.icc";
  }
  void SimulateCmyk(int intentCode = kIntentCodeRelativeColorimetric) {
    image_->ImageSimMethod = 1;
    image_->SimProfileState = 0;
    image_->ImageSimIntent = int16_t(intentCode);
  }
  void Tune(int bright, int contrast, int vivid) {
    image_->ColorTuneMode = kTuningCustom;
    image_->ColorTune = {int16_t(bright), int16_t(contrast), int16_t(vivid)};
  }

  std::vector<std::string> Descriptions(int purpose, const ColorMatchHooks& hooks = {}) {
    ProfileChain chain;
    if (!BuildProfileChain(*image_, purpose, hooks, chain)) return {"<fails>"};
    std::vector<std::string> names;
    for (const ProfileChainEntry& entry : chain.Entries) names.push_back(ProfileDescription(entry.Profile.get()));
    return names;
  }

  ColorTestPlaces places_;
  DocumentPtr document_;
  ImageObject* image_ = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(ProfileChainTest, SimulationPrintedByApplicationGoesThroughTheCmykProfile) {
  SimulateCmyk();
  PrintByApplication();
  EXPECT_EQ(Descriptions(kMatchOutput), (Names{"Source RGB", kCmyk, "Paper RGB"}));
  EXPECT_EQ(Descriptions(kMatchScreenTuned), (Names{"Source RGB", kCmyk, kMonitor}));
  // Simulation applies to RGB images only.
  image_->ColorSpace = kRoleCmyk;
  image_->SrcProfileState = 0;
  EXPECT_EQ(Descriptions(kMatchOutput), (Names{kCmyk, "Paper RGB"}));
}

TEST_F(ProfileChainTest, CustomTuningJoinsTheTunedViewAndOutputOnly) {
  Tune(+2, 0, -1);
  EXPECT_EQ(Descriptions(kMatchScreenTuned),
            (Names{"Source RGB", "Tessaline tone tuning Bright+2", "Tessaline tone tuning Vivid-1", kMonitor}));
  EXPECT_EQ(Descriptions(kMatchScreen), (Names{"Source RGB", kMonitor}));
  EXPECT_EQ(Descriptions(kMatchNone), (Names{"Source RGB", kMonitor}));
  // All levels in the middle: custom tuning without a tuning profile.
  Tune(0, 0, 0);
  EXPECT_EQ(Descriptions(kMatchScreenTuned), (Names{"Source RGB", kMonitor}));
  // Automatic tuning is the capture-matching path's job: no profiles.
  Tune(1, 1, 1);
  image_->ColorTuneMode = kTuningAutomatic;
  EXPECT_EQ(Descriptions(kMatchScreenTuned), (Names{"Source RGB", kMonitor}));
}

TEST_F(ProfileChainTest, TheLongestChainHoldsSixProfiles) {
  Tune(-3, +3, +1);
  SimulateCmyk();
  PrintByApplication();
  EXPECT_EQ(Descriptions(kMatchOutput),
            (Names{"Source RGB", "Tessaline tone tuning Bright-3", "Tessaline tone tuning Contrast+3",
                   "Tessaline tone tuning Vivid+1", kCmyk, "Paper RGB"}));
}

TEST_F(ProfileChainTest, OutputModesChooseTheLastProfile) {
  PrintByApplication();
  document_->OutputMonitorProfileState = 1;
  document_->OutputMonitorProfile = "screen.icc";
  EXPECT_EQ(Descriptions(kMatchOutput), (Names{"Source RGB", "Paper RGB"}));
  EXPECT_EQ(Descriptions(kMatchScreen), (Names{"Source RGB", "Screen RGB"}));
  // By monitor simulation: the system's monitor profile, not the chosen one.
  document_->OutputPrinterControls = kByMonitorSimulation;
  EXPECT_EQ(Descriptions(kMatchOutput), (Names{"Source RGB", kMonitor}));
  // By the printer driver: the working profile whatever the printer choice.
  document_->OutputPrinterControls = kByPrinterDriver;
  EXPECT_EQ(Descriptions(kMatchOutput), (Names{"Source RGB", kWorking}));
}

TEST_F(ProfileChainTest, TheSourceIsEmbeddedChosenOrTheCaptureWorkingProfile) {
  const std::vector<uint8_t> embedded = RgbProfileBytes("Embedded RGB", cmsSigInputClass);
  int reads = 0;
  ColorMatchHooks hooks;
  hooks.ReadEmbeddedProfile = [&](const ImageObject&, std::vector<uint8_t>& bytes) {
    ++reads;
    bytes = embedded;
    return true;
  };
  image_->HasEmbeddedProfile = 1;
  image_->ImageSrcUseEmbedProfile = 0;
  EXPECT_EQ(Descriptions(kMatchScreen, hooks), (Names{"Source RGB", kMonitor}));
  EXPECT_EQ(reads, 0);
  image_->ImageSrcUseEmbedProfile = 1;
  EXPECT_EQ(Descriptions(kMatchScreen, hooks), (Names{"Embedded RGB", kMonitor}));
  ProfileChain chain;
  ASSERT_TRUE(BuildProfileChain(*image_, kMatchScreen, hooks, chain));
  EXPECT_TRUE(chain.Entries.front().Path.empty());
  EXPECT_EQ(chain.Entries.back().Path, test::GeneratedColorFolder() + "/sRGB Color Space Profile.ICM");

  // A broken or mislabelled embedded profile is as good as none.
  for (std::vector<uint8_t> bad : {std::vector<uint8_t>(embedded.begin(), embedded.begin() + 200),
                                   test::ProfileBytes(ProfilePtr(cmsCreateLab4Profile(nullptr)).get())}) {
    hooks.ReadEmbeddedProfile = [bad](const ImageObject&, std::vector<uint8_t>& bytes) {
      bytes = bad;
      return true;
    };
    EXPECT_EQ(Descriptions(kMatchScreen, hooks), (Names{"Source RGB", kMonitor}));
  }

  // Capture-matched pixels are in the built-in working profile; they get no
  // tuning profiles.
  image_->ImageSrcManagementMode = 4;
  Tune(2, 0, 0);
  const Names capture = Descriptions(kMatchScreenTuned, hooks);
  ASSERT_EQ(capture.size(), 2u);
  EXPECT_EQ(capture[0], "Tessaline capture-matching working RGB");
}

TEST_F(ProfileChainTest, TheDefaultHooksReadTheProfileEmbeddedInTheFile) {
  const char* source = std::getenv("TL_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  ASSERT_TRUE(ReadImageHeader(*image_, std::string(source) + "/resources/samples/sunset_profile.jpg"));
  ASSERT_TRUE(image_->HasEmbeddedProfile);
  image_->ImageSrcUseEmbedProfile = 1;
  ProfileChain chain;
  ASSERT_TRUE(BuildProfileChain(*image_, kMatchScreen, DefaultColorMatchHooks(), chain));
  EXPECT_TRUE(chain.Entries.front().Path.empty()) << "the source is the file's own profile, held in memory";
  EXPECT_NE(ProfileDescription(chain.Entries.front().Profile.get()), "Source RGB");
}

TEST_F(ProfileChainTest, IntentsComeFromCodesOrFromProfileHeaders) {
  SimulateCmyk(kIntentCodeAbsoluteColorimetric);
  Tune(1, 0, 0);
  PrintByApplication();
  const struct {
    int code;
    const char* source;
    int expected;
  } cases[] = {
      {kIntentCodePerceptual, "source.icc", INTENT_PERCEPTUAL},
      {kIntentCodeSaturation, "source.icc", INTENT_SATURATION},
      {kIntentCodeRelativeColorimetric, "source.icc", INTENT_RELATIVE_COLORIMETRIC},
      {kIntentCodeAbsoluteColorimetric, "source.icc", INTENT_ABSOLUTE_COLORIMETRIC},
      {kIntentCodeEndorsedByProfile, "absolute.icc", INTENT_ABSOLUTE_COLORIMETRIC},
      {kIntentCodeEndorsedByProfile, "odd-intent.icc", INTENT_PERCEPTUAL},
      {0, "absolute.icc", INTENT_ABSOLUTE_COLORIMETRIC},
      {9, "source.icc", INTENT_PERCEPTUAL},
  };
  for (const auto& c : cases) {
    image_->ImageSrcIntent = int16_t(c.code);
    image_->ImageSrcProfile = c.source;
    ProfileChain chain;
    ASSERT_TRUE(BuildProfileChain(*image_, kMatchOutput, {}, chain));
    ASSERT_EQ(chain.Entries.size(), 4u);
    EXPECT_EQ(chain.Entries[0].Intent, c.expected) << "code " << c.code << " " << c.source;
    EXPECT_EQ(chain.Entries[1].Intent, INTENT_PERCEPTUAL);  // the tuning profile's own
    EXPECT_EQ(chain.Entries[2].Intent, INTENT_ABSOLUTE_COLORIMETRIC);
  }
}

TEST_F(ProfileChainTest, AChainThatLacksAProfileFails) {
  const struct {
    const char* what;
    std::function<void(ImageObject&)> setup;
  } cases[] = {
      {"named source is gone", [](ImageObject& i) { i.ImageSrcProfile = "gone.icc"; }},
      {"source of another colour space", [](ImageObject& i) { i.ImageSrcProfile = "Tessaline_CMYK.icc"; }},
      {"named simulation profile is gone",
       [](ImageObject& i) {
         i.ImageSimMethod = 1;
         i.SimProfileState = 2;
         i.ImageSimProfile = "gone.icc";
       }},
      {"tuning level out of range",
       [](ImageObject& i) {
         i.ColorTuneMode = kTuningCustom;
         i.ColorTune = {0, 5, 0};
       }},
  };
  for (const auto& c : cases) {
    ImageObject* image = test::AddImage(*document_);
    image->SrcProfileState = 2;
    image->ImageSrcProfile = "source.icc";
    c.setup(*image);
    ProfileChain chain;
    EXPECT_FALSE(BuildProfileChain(*image, kMatchScreenTuned, {}, chain)) << c.what;
  }
}

TEST_F(ProfileChainTest, AMissingCmykProfileFailsSimulationOnly) {
  // Colour folders without the program's CMYK profile.
  ASSERT_TRUE(test::CopyFile(test::GeneratedColorFolder() + "/sRGB Color Space Profile.ICM",
                             places_.Second() + "/sRGB Color Space Profile.ICM"));
  places_.UseColorFolders({places_.First(), places_.Second()});
  PrintByApplication();
  BitmapPtr bitmap = test::TestPattern();
  EXPECT_TRUE(MatchBitmap(*bitmap, *image_, kMatchOutput));
  SimulateCmyk();
  EXPECT_FALSE(MatchBitmap(*bitmap, *image_, kMatchOutput));
  EXPECT_EQ(Descriptions(kMatchOutput), (Names{"<fails>"}));
}

TEST_F(ProfileChainTest, AMissingTuningProfileFailsOnlyTheImagesTunedWithIt) {
  test::TempFolder copy;
  for (const auto& file : fs::directory_iterator(test::GeneratedApplicationFolder())) {
    if (file.path().filename() == "Vivid+3") continue;
    ASSERT_TRUE(test::CopyFile(file.path().string(), copy.File(file.path().filename().string())));
  }
  places_.UseApplicationFolder(copy.Path());
  ImageObject* plain = test::AddImage(*document_);
  Tune(0, 0, 3);
  BitmapPtr bitmap = test::TestPattern();
  EXPECT_FALSE(MatchBitmap(*bitmap, *image_, kMatchScreenTuned));
  EXPECT_TRUE(MatchBitmap(*bitmap, *image_, kMatchScreen));
  EXPECT_TRUE(MatchBitmap(*bitmap, *plain, kMatchOutput));
  EXPECT_TRUE(MatchBitmap(*bitmap, *plain, kMatchScreenTuned));
}

TEST_F(ProfileChainTest, ImagesThatAreNotMatchedStayAsTheyAre) {
  BitmapPtr bitmap = test::TestPattern();
  const std::vector<uint8_t> before(bitmap->Pixels.get(), bitmap->Pixels.get() + bitmap->ByteSize());
  auto unchanged = [&] { return std::equal(before.begin(), before.end(), bitmap->Pixels.get()); };

  image_->ColorSpace = FourCC("GRAY");
  image_->ImageSrcProfile = "gone.icc";  // would fail if it were matched
  EXPECT_TRUE(MatchBitmap(*bitmap, *image_, kMatchScreenTuned));
  EXPECT_TRUE(unchanged());

  // Printed capture-matched pixels, when the document says so.
  image_->ColorSpace = kRoleRgb;
  image_->ImageSrcManagementMode = 2;
  document_->LeaveCaptureMatchedUnmatched = 1;
  document_->OutputMonitorProfileState = 1;
  document_->OutputMonitorProfile = "screen.icc";
  EXPECT_TRUE(MatchBitmap(*bitmap, *image_, kMatchOutput));
  EXPECT_TRUE(unchanged());
  EXPECT_TRUE(MatchBitmap(*bitmap, *image_, kMatchScreen));
  EXPECT_FALSE(unchanged());
}

TEST_F(ProfileChainTest, TheMatcherHandsItsHooksToTheChain) {
  int previews = 0, embeddedReads = 0;
  ColorMatchHooks hooks;
  hooks.ProcessAutoTuningPreview = [&](const ImageObject&) { ++previews; };
  hooks.ReadEmbeddedProfile = [&](const ImageObject&, std::vector<uint8_t>& bytes) {
    ++embeddedReads;
    bytes = RgbProfileBytes("Embedded", cmsSigInputClass);
    return true;
  };
  ColorPixelMatcher matcher(hooks);
  PixelMatcher& asDecodersSeeIt = matcher;
  BitmapPtr bitmap = test::TestPattern();
  image_->HasEmbeddedProfile = 1;
  image_->ImageSrcUseEmbedProfile = 1;
  image_->ColorTuneMode = kTuningAutomatic;
  EXPECT_TRUE(asDecodersSeeIt.MatchPixels(*image_, *bitmap, kMatchScreen));
  EXPECT_EQ(previews, 1);
  EXPECT_EQ(embeddedReads, 1);
}

}  // namespace
}  // namespace tl
