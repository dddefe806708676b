// The application profiles the build generates: present and valid, the
// CMYK profile a plausible printing profile, the tuning profiles growing
// with their strength; and the start-up check.
#include "color/application_profiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "color/profile_open.h"
#include "color/profile_roles.h"
#include "color/tuning_profile.h"
#include "resources/string_table.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

struct Transforms {
  explicit Transforms(cmsHPROFILE cmyk) : lab(cmsCreateLab4Profile(nullptr)), srgb(cmsCreate_sRGBProfile()) {
    for (int intent = 0; intent < 3; ++intent) {
      toInks[intent].reset(cmsCreateTransform(lab.get(), TYPE_Lab_DBL, cmyk, TYPE_CMYK_DBL, intent, 0));
      rgbToInks[intent].reset(cmsCreateTransform(srgb.get(), TYPE_RGB_8, cmyk, TYPE_CMYK_DBL, intent, 0));
    }
    toLab.reset(cmsCreateTransform(cmyk, TYPE_CMYK_DBL, lab.get(), TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0));
  }
  ProfilePtr lab, srgb;
  TransformPtr toInks[3], rgbToInks[3], toLab;
};

struct Ink {
  double c, m, y, k;  // percent
  double Total() const { return c + m + y + k; }
};

Ink InksOf(cmsHTRANSFORM transform, const void* colour) {
  double v[4];
  cmsDoTransform(transform, colour, v, 1);
  return {v[0], v[1], v[2], v[3]};
}

cmsCIELab LabOf(cmsHTRANSFORM toLab, const Ink& ink) {
  const double v[4] = {ink.c, ink.m, ink.y, ink.k};
  cmsCIELab lab;
  cmsDoTransform(toLab, v, &lab, 1);
  return lab;
}

class GeneratedCmyk : public ::testing::Test {
 protected:
  void SetUp() override {
    profile_ = OpenProfileFile(test::GeneratedColorFolder() + "/" + StringCopy(kDefaultCmykProfileId));
    ASSERT_TRUE(profile_);
    transforms_ = std::make_unique<Transforms>(profile_.get());
  }
  ProfilePtr profile_;
  std::unique_ptr<Transforms> transforms_;
};

TEST_F(GeneratedCmyk, IsAnOutputProfileForEveryIntent) {
  EXPECT_EQ(ProfileDeviceClass(profile_.get()), uint32_t(cmsSigOutputClass));
  EXPECT_EQ(ProfileColorSpace(profile_.get()), uint32_t(cmsSigCmykData));
  EXPECT_EQ(uint32_t(cmsGetPCS(profile_.get())), uint32_t(cmsSigLabData));
  for (int intent = 0; intent < 4; ++intent) {
    EXPECT_TRUE(cmsIsIntentSupported(profile_.get(), intent, LCMS_USED_AS_OUTPUT)) << intent;
    EXPECT_TRUE(cmsIsIntentSupported(profile_.get(), intent, LCMS_USED_AS_INPUT)) << intent;
  }
  EXPECT_TRUE(cmsIsTag(profile_.get(), cmsSigGamutTag));
  // Paper is not perfectly white: absolute colorimetry sees it.
  const auto* white = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile_.get(), cmsSigMediaWhitePointTag));
  ASSERT_TRUE(white);
  EXPECT_LT(white->Y, 0.95);
}

TEST_F(GeneratedCmyk, PaperTakesNoInkAndNoColourExceedsTheInkLimit) {
  for (int intent = 0; intent < 3; ++intent) {
    const cmsCIELab white = {100, 0, 0};
    const Ink paper = InksOf(transforms_->toInks[intent].get(), &white);
    EXPECT_LT(paper.Total(), 0.5) << "intent " << intent;
    double most = 0;
    for (double L = 0; L <= 100; L += 5)
      for (double a = -120; a <= 120; a += 12)
        for (double b = -120; b <= 120; b += 12) {
          const cmsCIELab lab = {L, a, b};
          most = std::max(most, InksOf(transforms_->toInks[intent].get(), &lab).Total());
        }
    EXPECT_LE(most, 300.5) << "intent " << intent;
    EXPECT_GT(most, 280.0) << "the darkest colours use the limit";
  }
}

TEST_F(GeneratedCmyk, SeparatesWithGreyComponentReplacement) {
  // Along the grey axis black starts in the midtones and grows with
  // darkness; light colours and saturated ones carry little.
  double previousBlack = -1;
  for (int v = 255; v >= 0; v -= 15) {
    const uint8_t grey[3] = {uint8_t(v), uint8_t(v), uint8_t(v)};
    const Ink ink = InksOf(transforms_->rgbToInks[INTENT_PERCEPTUAL].get(), grey);
    if (v >= 210) {
      EXPECT_LT(ink.k, 1.0) << v;
    }
    EXPECT_GE(ink.k, previousBlack - 0.5) << v;
    previousBlack = ink.k;
    // A grey keeps its cyan above magenta and yellow, as print greys do.
    if (v < 240 && v > 30) {
      EXPECT_GT(ink.c, ink.m) << v;
    }
  }
  EXPECT_GT(previousBlack, 85.0);
  const uint8_t red[3] = {255, 0, 0};
  const Ink ink = InksOf(transforms_->rgbToInks[INTENT_PERCEPTUAL].get(), red);
  EXPECT_LT(ink.k, 5.0);
  EXPECT_GT(ink.m, 60.0);
  EXPECT_GT(ink.y, 60.0);
}

TEST_F(GeneratedCmyk, PrintsWhatItSeparatesAndDarkensWithInk) {
  // Colours inside the inks' gamut come back within 1 delta E.
  const cmsCIELab inside[] = {{50, 0, 0}, {70, 20, 10}, {60, -30, 20}, {40, 10, -30}, {85, 0, 30}, {30, 5, 5}};
  for (const cmsCIELab& lab : inside) {
    const Ink ink = InksOf(transforms_->toInks[INTENT_RELATIVE_COLORIMETRIC].get(), &lab);
    const cmsCIELab back = LabOf(transforms_->toLab.get(), ink);
    EXPECT_LT(cmsDeltaE(&lab, &back), 1.0) << lab.L << " " << lab.a << " " << lab.b;
  }
  // Each ink alone darkens the paper steadily and keeps its own hue.
  for (int channel = 0; channel < 4; ++channel) {
    double previousL = 101;
    for (double amount = 0; amount <= 100; amount += 10) {
      Ink ink = {0, 0, 0, 0};
      (&ink.c)[channel] = amount;
      const cmsCIELab lab = LabOf(transforms_->toLab.get(), ink);
      EXPECT_LT(lab.L, previousL + 1e-6) << "ink " << channel << " at " << amount;
      previousL = lab.L;
    }
  }
  const cmsCIELab cyan = LabOf(transforms_->toLab.get(), {100, 0, 0, 0});
  const cmsCIELab magenta = LabOf(transforms_->toLab.get(), {0, 100, 0, 0});
  const cmsCIELab yellow = LabOf(transforms_->toLab.get(), {0, 0, 100, 0});
  EXPECT_LT(cyan.a, -25);
  EXPECT_LT(cyan.b, -35);
  EXPECT_GT(magenta.a, 60);
  EXPECT_GT(yellow.b, 80);
  EXPECT_GT(yellow.L, 85);
}

double MeanChange(cmsHPROFILE tuning, double (*measure)(const cmsCIELab&, const cmsCIELab&)) {
  ProfilePtr lab(cmsCreateLab4Profile(nullptr));
  TransformPtr t(cmsCreateTransform(tuning, TYPE_Lab_DBL, lab.get(), TYPE_Lab_DBL, INTENT_PERCEPTUAL, 0));
  double sum = 0;
  int n = 0;
  for (double L = 10; L <= 90; L += 10)
    for (double a = -40; a <= 40; a += 20)
      for (double b = -40; b <= 40; b += 20) {
        const cmsCIELab in = {L, a, b};
        cmsCIELab out;
        cmsDoTransform(t.get(), &in, &out, 1);
        sum += measure(in, out);
        ++n;
      }
  return sum / n;
}

double LightnessGain(const cmsCIELab& in, const cmsCIELab& out) { return out.L - in.L; }
double ContrastGain(const cmsCIELab& in, const cmsCIELab& out) {
  return (std::fabs(out.L - 50) - std::fabs(in.L - 50));
}
double ChromaGain(const cmsCIELab& in, const cmsCIELab& out) {
  return std::hypot(out.a, out.b) - std::hypot(in.a, in.b);
}

TEST(GeneratedTuning, EffectGrowsWithStrengthAndKeepsWhiteBlackAndGrey) {
  test::ColorTestPlaces places;
  double (*measures[])(const cmsCIELab&, const cmsCIELab&) = {LightnessGain, ContrastGain, ChromaGain};
  ProfilePtr lab(cmsCreateLab4Profile(nullptr));
  for (int kind = kTuneBright; kind <= kTuneVivid; ++kind) {
    double previous = -1e9;
    for (int level = kTuningLevelMin; level <= kTuningLevelMax; ++level) {
      if (level == 0) {
        EXPECT_FALSE(OpenTuningProfile(kind, level));
        EXPECT_GT(0.0, previous) << "negative levels reduce";
        continue;
      }
      const ProfilePtr profile = OpenTuningProfile(kind, level);
      ASSERT_TRUE(profile) << kind << " " << level;
      EXPECT_EQ(cmsGetHeaderRenderingIntent(profile.get()), cmsUInt32Number(INTENT_PERCEPTUAL));
      const double change = MeanChange(profile.get(), measures[kind - 1]);
      EXPECT_GT(change, previous + 0.3) << "kind " << kind << " level " << level;
      if (level > 0) {
        EXPECT_GT(change, 0.0);
      }
      previous = change;

      TransformPtr t(cmsCreateTransform(profile.get(), TYPE_Lab_DBL, lab.get(), TYPE_Lab_DBL, INTENT_PERCEPTUAL, 0));
      for (const cmsCIELab in : {cmsCIELab{100, 0, 0}, cmsCIELab{0, 0, 0}, cmsCIELab{37, 0, 0}}) {
        cmsCIELab out;
        cmsDoTransform(t.get(), &in, &out, 1);
        if (in.L == 0 || in.L == 100) {
          EXPECT_NEAR(out.L, in.L, 0.05) << kind << " " << level;
        }
        EXPECT_NEAR(out.a, 0, 0.05) << kind << " " << level;
        EXPECT_NEAR(out.b, 0, 0.05) << kind << " " << level;
      }
    }
  }
}

TEST(GeneratedRgb, WorkingAndDefaultProfilesAreSrgb) {
  test::ColorTestPlaces places;
  ProfilePtr reference(cmsCreate_sRGBProfile());
  for (const std::string& path : {WorkingRgbProfilePath(), test::GeneratedColorFolder() + "/sRGB Color Space Profile.ICM"}) {
    const ProfilePtr profile = OpenProfileFile(path);
    ASSERT_TRUE(profile) << path;
    TransformPtr t(cmsCreateTransform(profile.get(), TYPE_RGB_8, reference.get(), TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC,
                                      cmsFLAGS_NOOPTIMIZE));
    for (int v = 0; v < 256; v += 17) {
      const uint8_t in[3] = {uint8_t(v), uint8_t(255 - v), uint8_t(v / 2)};
      uint8_t out[3];
      cmsDoTransform(t.get(), in, out, 1);
      for (int c = 0; c < 3; ++c) EXPECT_NEAR(out[c], in[c], 1) << path;
    }
  }
}

TEST(ApplicationProfiles, StartUpChecksEveryOne) {
  test::ColorTestPlaces places;
  test::RecordingSink sink;
  ScopedMessageSink scoped(&sink);
  EXPECT_TRUE(MissingApplicationProfiles().empty());
  EXPECT_TRUE(CheckApplicationProfiles());
  EXPECT_TRUE(sink.texts.empty());

  // A damaged tuning profile counts as missing, and so does the CMYK one
  // when the colour folders lack it.
  test::TempFolder copy;
  for (const auto& file : fs::directory_iterator(test::GeneratedApplicationFolder()))
    ASSERT_TRUE(test::CopyFile(file.path().string(), copy.File(file.path().filename().string())));
  fs::resize_file(copy.File("Contrast-2"), 1000);
  places.UseApplicationFolder(copy.Path());
  places.UseColorFolders({places.First()});
  const std::vector<std::string> missing = MissingApplicationProfiles();
  EXPECT_EQ(missing.size(), 3u);
  EXPECT_NE(std::find(missing.begin(), missing.end(), copy.File("Contrast-2")), missing.end());
  EXPECT_FALSE(CheckApplicationProfiles());
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "Missing application profiles.");
  EXPECT_EQ(sink.icons[0], MessageIcon::Stop);
}

}  // namespace
}  // namespace tl
