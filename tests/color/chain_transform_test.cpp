// Real conversions through profile chains, checked against LittleCMS's
// reference tools: the same pixels, profiles and intents through tificc (or
// step by step through transicc) agree within one level per channel.
#include "color/chain_transform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>

#include "color/intents.h"
#include "color/match_bitmap.h"
#include "color/profile_open.h"
#include "color/profile_roles.h"
#include "color/tone_tuning.h"
#include "color/transform_cache.h"
#include "color/tuning_profile.h"
#include "tests/color/color_test_support.h"
#include "tests/color/reference_tools.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using test::Quoted;

int CodeForIccIntent(int intent) {
  switch (intent) {
    case INTENT_PERCEPTUAL:
      return kIntentCodePerceptual;
    case INTENT_RELATIVE_COLORIMETRIC:
      return kIntentCodeRelativeColorimetric;
    case INTENT_SATURATION:
      return kIntentCodeSaturation;
    default:
      return kIntentCodeAbsoluteColorimetric;
  }
}

class ChainTransformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::HaveTool("tificc") || !test::HaveTool("transicc"))
      GTEST_SKIP() << "LittleCMS reference tools (liblcms2-utils) not installed";
    ASSERT_TRUE(test::WriteBytes(Own("source.icc"), test::RgbProfileBytes("Source RGB", cmsSigDisplayClass)));
    ASSERT_TRUE(test::WriteBytes(Own("paper.icc"), test::RgbProfileBytes("Paper RGB", cmsSigOutputClass, 1.8)));
    document_.reset(DocumentNew(nullptr, nullptr));
    image_ = test::AddImage(*document_);
    pattern_ = test::TestPattern(&width_, &height_);
  }

  std::string Own(const char* name) const { return places_.First() + "/" + name; }
  std::string Cmyk() const { return test::GeneratedColorFolder() + "/Tessaline_CMYK.icc"; }
  std::string Monitor() const { return test::GeneratedColorFolder() + "/sRGB Color Space Profile.ICM"; }

  // Sets the image and document up for source -> [simulation] -> printer.
  void Chain(const std::string& source, int intent, const std::string& simulation, const std::string& printer) {
    image_->SrcProfileState = 2;
    image_->ImageSrcProfile = source;
    image_->ImageSrcIntent = int16_t(CodeForIccIntent(intent));
    image_->ImageSimMethod = simulation.empty() ? 0 : 1;
    image_->SimProfileState = 2;
    image_->ImageSimProfile = simulation;
    image_->ImageSimIntent = kIntentCodeRelativeColorimetric;
    document_->OutputPrinterControls = kByApplication;
    document_->OutputPrinterProfileState = 2;
    document_->OutputPrinterProfile = printer;
  }

  // Our conversion of the pattern and tificc's, largest difference.
  int CompareWithTificc(const std::string& arguments, const ColorMatchHooks& hooks = {},
                        const std::vector<uint8_t>* embedded = nullptr) {
    const std::string in = temp_.File("in.tif"), out = temp_.File("out.tif");
    EXPECT_TRUE(test::WriteRgbTiff(in, *pattern_, embedded));
    EXPECT_TRUE(test::RunTificc(arguments, in, out)) << arguments;
    BitmapPtr ours = test::BitmapOf({pattern_->Pixels.get(), pattern_->Pixels.get() + pattern_->ByteSize()},
                                    width_, height_);
    EXPECT_TRUE(MatchBitmap(*ours, *image_, kMatchOutput, hooks));
    for (size_t i = 0; i < size_t(width_) * height_; ++i)
      EXPECT_EQ(ours->Pixels[4 * i + 3], pattern_->Pixels[4 * i + 3]) << "fourth byte of pixel " << i;
    return test::LargestRgbDifference(*ours, test::ReadRgbTiff(out, width_, height_));
  }

  test::ColorTestPlaces places_;
  test::TempFolder temp_;
  DocumentPtr document_;
  ImageObject* image_ = nullptr;
  BitmapPtr pattern_;
  int32_t width_ = 0, height_ = 0;
};

TEST_F(ChainTransformTest, SourceToPrinterAgreesWithTificcForEveryIntent) {
  for (int intent = 0; intent < 4; ++intent) {
    Chain(Own("source.icc"), intent, "", Own("paper.icc"));
    EXPECT_LE(CompareWithTificc("-t" + std::to_string(intent) + " -i" + Quoted(Own("source.icc")) + " -o" +
                                Quoted(Own("paper.icc"))),
              1)
        << "intent " << intent;
  }
}

TEST_F(ChainTransformTest, SimulationChainAgreesWithTificcProofing) {
  // tificc's proof: source -> proof profile with -t, proof -> output
  // relative colorimetric; the chain's simulation intent code 3 is that.
  for (int intent : {INTENT_PERCEPTUAL, INTENT_RELATIVE_COLORIMETRIC, INTENT_SATURATION}) {
    Chain(Own("source.icc"), intent, Cmyk(), Own("paper.icc"));
    EXPECT_LE(CompareWithTificc("-t" + std::to_string(intent) + " -m1 -i" + Quoted(Own("source.icc")) + " -p" +
                                Quoted(Cmyk()) + " -o" + Quoted(Own("paper.icc"))),
              1)
        << "intent " << intent;
  }
}

TEST_F(ChainTransformTest, RealWorldProfilesAgreeWithTificc) {
  const std::string adobe = test::CorpusProfile("AdobeCompat-v2.icc");
  TL_REQUIRE_CORPUS(adobe);
  const std::string monitor = test::CorpusProfile("monitor_ibm-t61.icc");
  const std::string srgb4 = test::CorpusProfile("sRGB-v4.icc");
  const std::string preference = test::CorpusProfile("sRGB_v4_ICC_preference.icc");
  const std::string testCmyk = test::CorpusProfile("cmyk_output_lcms_test1.icc");
  const std::string adobe4 = test::CorpusProfile("AdobeCompat-v4.icc");
  const struct {
    std::string source, simulation, printer;
    int intent;
  } cases[] = {
      {adobe, "", monitor, INTENT_PERCEPTUAL},
      {adobe, "", monitor, INTENT_ABSOLUTE_COLORIMETRIC},
      {preference, "", srgb4, INTENT_PERCEPTUAL},
      {preference, "", srgb4, INTENT_RELATIVE_COLORIMETRIC},
      {srgb4, testCmyk, adobe4, INTENT_PERCEPTUAL},
      {srgb4, testCmyk, adobe4, INTENT_SATURATION},
      {adobe4, Cmyk(), monitor, INTENT_RELATIVE_COLORIMETRIC},
  };
  for (const auto& c : cases) {
    Chain(c.source, c.intent, c.simulation, c.printer);
    std::string arguments = "-t" + std::to_string(c.intent) + " -i" + Quoted(c.source) + " -o" + Quoted(c.printer);
    if (!c.simulation.empty()) arguments += " -m1 -p" + Quoted(c.simulation);
    EXPECT_LE(CompareWithTificc(arguments), 1) << arguments;
  }
}

TEST_F(ChainTransformTest, EmbeddedOrChosenSourceAgreesWithTificc) {
  const std::vector<uint8_t> embedded = test::RgbProfileBytes("Embedded RGB", cmsSigInputClass, 1.6);
  ColorMatchHooks hooks;
  hooks.ReadEmbeddedProfile = [&](const ImageObject&, std::vector<uint8_t>& bytes) {
    bytes = embedded;
    return true;
  };
  Chain(Own("source.icc"), INTENT_PERCEPTUAL, "", Own("paper.icc"));
  image_->HasEmbeddedProfile = 1;
  image_->ImageSrcUseEmbedProfile = 1;
  // tificc takes the file's own profile unless -n says to ignore it.
  EXPECT_LE(CompareWithTificc("-t0 -o" + Quoted(Own("paper.icc")), hooks, &embedded), 1);
  image_->ImageSrcUseEmbedProfile = 0;
  EXPECT_LE(CompareWithTificc("-t0 -n -i" + Quoted(Own("source.icc")) + " -o" + Quoted(Own("paper.icc")), hooks,
                              &embedded),
            1);
}

// Colours on a coarse grid, as values 0..255.
std::vector<std::vector<double>> SampleColours() {
  std::vector<std::vector<double>> rows;
  for (int r = 0; r <= 255; r += 51)
    for (int g = 0; g <= 255; g += 51)
      for (int b = 0; b <= 255; b += 51) rows.push_back({double(r), double(g), double(b)});
  return rows;
}

BitmapPtr BitmapOfColours(const std::vector<std::vector<double>>& rows) {
  std::vector<uint8_t> pixels;
  for (const auto& row : rows) pixels.insert(pixels.end(), {uint8_t(row[2]), uint8_t(row[1]), uint8_t(row[0]), 0});
  return test::BitmapOf(pixels, int32_t(rows.size()), 1);
}

TEST_F(ChainTransformTest, TuningChainAgreesWithTransiccStepByStep) {
  // source -> Bright+2 -> Contrast-3 -> Vivid-1 -> monitor, each step in
  // floating point, against the chain's one 8-bit transform.
  image_->SrcProfileState = 2;
  image_->ImageSrcProfile = Own("source.icc");
  image_->ImageSrcIntent = kIntentCodePerceptual;
  image_->ColorTuneMode = kTuningCustom;
  image_->ColorTune = {2, -3, -1};
  const auto colours = SampleColours();
  auto values = test::RunTransicc("-t0 -i" + Quoted(Own("source.icc")) + " -o*Lab", colours);
  for (const TuningStep& step : TuningSteps(*image_))
    values = test::RunTransicc("-t0 -i" + Quoted(TuningProfilePath(step.Kind, step.Level)) + " -o*Lab", values);
  values = test::RunTransicc("-t0 -i*Lab -o" + Quoted(Monitor()), values);
  ASSERT_EQ(values.size(), colours.size());

  BitmapPtr ours = BitmapOfColours(colours);
  ASSERT_TRUE(MatchBitmap(*ours, *image_, kMatchScreenTuned));
  int largest = 0;
  for (size_t i = 0; i < colours.size(); ++i)
    for (int c = 0; c < 3; ++c) {
      const int reference = int(std::lround(std::clamp(values[i][c], 0.0, 255.0)));
      largest = std::max(largest, std::abs(int(ours->Pixels[4 * i + 2 - c]) - reference));
    }
  EXPECT_LE(largest, 1);
}

TEST_F(ChainTransformTest, CmykPixelsBecomeRgbWithTheFourthByteCleared) {
  image_->ColorSpace = kRoleCmyk;
  image_->SrcProfileState = 0;  // the program's CMYK profile
  image_->ImageSrcIntent = kIntentCodeRelativeColorimetric;
  const std::vector<std::vector<double>> inks = {
      {0, 0, 0, 0}, {100, 0, 0, 0}, {0, 100, 0, 0}, {0, 0, 100, 0}, {0, 0, 0, 100}, {40, 30, 30, 10}, {80, 70, 60, 90}};
  std::vector<uint8_t> pixels;
  for (const auto& v : inks)
    for (double percent : v) pixels.push_back(uint8_t(std::lround(percent * 2.55)));
  BitmapPtr bitmap = test::BitmapOf(pixels, int32_t(inks.size()), 1);
  ASSERT_TRUE(MatchBitmap(*bitmap, *image_, kMatchScreen));
  const auto reference = test::RunTransicc("-t1 -i" + Quoted(Cmyk()) + " -o" + Quoted(Monitor()), inks);
  ASSERT_EQ(reference.size(), inks.size());
  for (size_t i = 0; i < inks.size(); ++i) {
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(bitmap->Pixels[4 * i + 2 - c], std::clamp(reference[i][c], 0.0, 255.0), 1.5) << "ink " << i;
    EXPECT_EQ(bitmap->Pixels[4 * i + 3], 0);
  }
  EXPECT_EQ(bitmap->Pixels[0], 255);  // no ink is paper white
}

TEST_F(ChainTransformTest, TransformsAreReusedUntilAProfileChanges) {
  Chain(Own("source.icc"), INTENT_PERCEPTUAL, Cmyk(), Own("paper.icc"));
  auto transformOf = [&] {
    ProfileChain chain;
    EXPECT_TRUE(BuildProfileChain(*image_, kMatchOutput, {}, chain));
    return ChainTransform(chain);
  };
  const SharedTransform first = transformOf();
  ASSERT_TRUE(first);
  EXPECT_EQ(transformOf(), first);
  image_->ImageSimIntent = kIntentCodePerceptual;  // another intent, another transform
  EXPECT_NE(transformOf(), first);
  image_->ImageSimIntent = kIntentCodeRelativeColorimetric;
  EXPECT_EQ(transformOf(), first);
  // The printer profile is replaced by another one of the same name.
  ASSERT_TRUE(test::WriteBytes(Own("paper.icc"), test::RgbProfileBytes("Paper RGB", cmsSigOutputClass, 2.6)));
  fs::last_write_time(Own("paper.icc"), fs::last_write_time(Own("paper.icc")) + std::chrono::seconds(5));
  EXPECT_NE(transformOf(), first);
}

TEST_F(ChainTransformTest, RowsConvertedOnSeveralThreadsGiveTheSameBytes) {
  Chain(Own("source.icc"), INTENT_PERCEPTUAL, Cmyk(), Own("paper.icc"));
  ProfileChain chain;
  ASSERT_TRUE(BuildProfileChain(*image_, kMatchOutput, {}, chain));
  // Large enough for every thread to have a band, with an odd row count.
  BitmapPtr one = OffscreenBitmapNew(1201, 997);
  ASSERT_TRUE(one);
  uint32_t seed = 7;
  for (size_t i = 0; i < one->ByteSize(); ++i) one->Pixels[i] = uint8_t((seed = seed * 1664525u + 1013904223u) >> 24);
  BitmapPtr many = OffscreenBitmapNew(one->Width, one->Height);
  std::copy(one->Pixels.get(), one->Pixels.get() + one->ByteSize(), many->Pixels.get());
  ASSERT_TRUE(ApplyProfileChain(chain, *one, 1));
  ASSERT_TRUE(ApplyProfileChain(chain, *many, 4));
  EXPECT_TRUE(std::equal(one->Pixels.get(), one->Pixels.get() + one->ByteSize(), many->Pixels.get()));
}

TEST_F(ChainTransformTest, AChainWithoutABitmapFormatOrTooShortFails) {
  ProfileChain chain;
  chain.Entries.push_back({OpenProfileFile(Own("source.icc")), 0, Own("source.icc"), "a"});
  BitmapPtr bitmap = test::TestPattern();
  EXPECT_FALSE(ApplyProfileChain(chain, *bitmap));
  // Ending in Lab: there is no 32-bit bitmap layout for it.
  chain.Entries.push_back({ProfilePtr(cmsCreateLab4Profile(nullptr)), 0, {}, "lab"});
  const std::vector<uint8_t> before(bitmap->Pixels.get(), bitmap->Pixels.get() + bitmap->ByteSize());
  EXPECT_FALSE(ApplyProfileChain(chain, *bitmap));
  EXPECT_TRUE(std::equal(before.begin(), before.end(), bitmap->Pixels.get()));
}

}  // namespace
}  // namespace tl
