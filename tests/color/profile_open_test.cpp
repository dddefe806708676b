// Opening profiles from memory and files: valid profiles open, damaged and
// mislabelled ones are treated as absent.
#include "color/profile_open.h"

#include <gtest/gtest.h>

#include <functional>

#include "color/profile_description.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

using test::CorpusProfile;
using test::SrgbProfileBytes;

void Put32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = uint8_t(value >> (24 - 8 * i));
}

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t offset) {
  return (uint32_t(bytes[offset]) << 24) | (uint32_t(bytes[offset + 1]) << 16) | (uint32_t(bytes[offset + 2]) << 8) |
         bytes[offset + 3];
}

struct Damage {
  const char* what;
  std::function<void(std::vector<uint8_t>&)> apply;
};

TEST(ProfileOpen, DamagedOrMislabelledProfilesAreAbsent) {
  const std::vector<uint8_t> good = SrgbProfileBytes();
  ASSERT_TRUE(OpenProfileFromMemory(good));
  const size_t tagCount = Get32(good, 128);
  const Damage damages[] = {
      {"size field beyond the block", [](auto& b) { Put32(b, 0, uint32_t(b.size() + 1)); }},
      {"size field inside the header", [](auto& b) { Put32(b, 0, 100); }},
      {"size field zero", [](auto& b) { Put32(b, 0, 0); }},
      {"truncated to half", [](auto& b) { b.resize(b.size() / 2); }},
      {"truncated to the header", [](auto& b) { b.resize(128); }},
      {"no acsp signature", [](auto& b) { Put32(b, 36, 0x41424344); }},
      {"unknown device class", [](auto& b) { Put32(b, 12, 0x78787878); }},
      {"named-colour class", [](auto& b) { Put32(b, 12, cmsSigNamedColorClass); }},
      {"unknown colour space", [](auto& b) { Put32(b, 16, 0x4D434858); }},
      {"PCS neither XYZ nor Lab", [](auto& b) { Put32(b, 20, cmsSigRgbData); }},
      {"tag count beyond the block", [](auto& b) { Put32(b, 128, 0x0FFFFFFF); }},
      {"every tag offset past the end",
       [tagCount](auto& b) {
         for (size_t i = 0; i < tagCount; ++i) Put32(b, 132 + 12 * i + 4, 0x7FFFFF00);
       }},
      {"every tag size past the end",
       [tagCount](auto& b) {
         for (size_t i = 0; i < tagCount; ++i) Put32(b, 132 + 12 * i + 8, 0x7FFFFF00);
       }},
      {"tag data overwritten",
       [](auto& b) {
         for (size_t i = 132 + 12 * Get32(b, 128); i < b.size(); ++i) b[i] = 0xEE;
       }},
  };
  for (const Damage& damage : damages) {
    std::vector<uint8_t> bytes = good;
    damage.apply(bytes);
    EXPECT_FALSE(OpenProfileFromMemory(bytes)) << damage.what;
  }
  EXPECT_FALSE(OpenProfileFromMemory(nullptr, 0));
}

TEST(ProfileOpen, TheSizeFieldBoundsTheProfile) {
  std::vector<uint8_t> bytes = SrgbProfileBytes("Padded");
  const size_t size = bytes.size();
  bytes.resize(size + 300, 0xAB);  // padding after the profile, as some containers add
  const ProfilePtr profile = OpenProfileFromMemory(bytes);
  ASSERT_TRUE(profile);
  EXPECT_EQ(ProfileDescription(profile.get()), "Padded");
}

TEST(ProfileOpen, AProfileWithoutConversionTablesIsAbsent) {
  ProfilePtr placeholder(cmsCreateProfilePlaceholder(nullptr));
  cmsSetDeviceClass(placeholder.get(), cmsSigDisplayClass);
  cmsSetColorSpace(placeholder.get(), cmsSigRgbData);
  cmsSetPCS(placeholder.get(), cmsSigXYZData);
  cmsWriteTag(placeholder.get(), cmsSigMediaWhitePointTag, cmsD50_XYZ());
  EXPECT_FALSE(OpenProfileFromMemory(test::ProfileBytes(placeholder.get())));
}

TEST(ProfileOpen, FilesAreReadWhole) {
  test::TempFolder folder;
  const std::string path = folder.File("a.icc");
  ASSERT_TRUE(test::WriteBytes(path, SrgbProfileBytes("From file")));
  const ProfilePtr profile = OpenProfileFile(path);
  ASSERT_TRUE(profile);
  EXPECT_EQ(ProfileDescription(profile.get()), "From file");
  EXPECT_FALSE(OpenProfileFile(folder.File("missing.icc")));
  EXPECT_FALSE(OpenProfileFile(folder.Path()));  // a folder
}

TEST(ProfileOpen, TheResourceProfileIsAnRgbWorkingProfile) {
  const ProfilePtr profile = OpenResourceProfile();
  ASSERT_TRUE(profile);
  EXPECT_EQ(ProfileColorSpace(profile.get()), uint32_t(cmsSigRgbData));
  EXPECT_FALSE(ProfileDescription(profile.get()).empty());
}

TEST(ProfileOpen, RealWorldProfilesOpenAndBrokenOnesDoNot) {
  const std::string probe = CorpusProfile("sRGB-v4.icc");
  TL_REQUIRE_CORPUS(probe);
  const struct {
    const char* file;
    bool opens;
    uint32_t space;
  } cases[] = {
      {"sRGB-v2-magic.icc", true, cmsSigRgbData},
      {"sRGB-v4.icc", true, cmsSigRgbData},
      {"sRGB_v4_ICC_preference.icc", true, cmsSigRgbData},
      {"AdobeCompat-v2.icc", true, cmsSigRgbData},
      {"AdobeCompat-v4.icc", true, cmsSigRgbData},
      {"DisplayP3-v4.icc", true, cmsSigRgbData},
      {"monitor_ibm-t61.icc", true, cmsSigRgbData},
      {"sGrey-v4.icc", true, cmsSigGrayData},
      {"cmyk_output_lcms_test1.icc", true, cmsSigCmykData},
      {"cmyk_input_cgats001_micro.icc", true, cmsSigCmykData},
      {"bad_truncated_toosmall.icc", false, 0},
      {"bad_mpe_corrupt_header.icc", false, 0},
  };
  for (const auto& c : cases) {
    const ProfilePtr profile = OpenProfileFile(CorpusProfile(c.file));
    EXPECT_EQ(bool(profile), c.opens) << c.file;
    if (profile) {
      EXPECT_EQ(ProfileColorSpace(profile.get()), c.space) << c.file;
    }
  }
  // A stress profile with nearly every tag type: whatever it is, no crash.
  const ProfilePtr stress = OpenProfileFile(CorpusProfile("alltags_v43.icc"));
  if (stress) {
    EXPECT_TRUE(ProfileIsValid(stress.get()));
  }
}

}  // namespace
}  // namespace tl
