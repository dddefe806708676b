// The kept facts of installed profiles never go stale: a profile edited in
// place, replaced or removed is seen as it is now, whether or not its facts
// were kept.
#include "color/profile_facts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "color/profile_description.h"
#include "tests/color/color_test_support.h"

namespace tl {
namespace {

using test::ColorTestPlaces;
using test::RgbProfileBytes;
using test::WriteBytes;

std::string DescriptionAt(const std::string& path) {
  ProfileFacts facts{};
  return ReadProfileFacts(path, facts) ? facts.Description : std::string("<none>");
}

// Same-length descriptions give files of the same size, so only the file's
// identity and times tell the versions apart.
void ExpectChangesAreSeen(const ColorTestPlaces& places) {
  const std::string path = places.First() + "/paper.icc";
  ASSERT_EQ(DescriptionAt(path), "Paper A");

  ASSERT_TRUE(WriteBytes(path, RgbProfileBytes("Paper B", cmsSigOutputClass)));  // in place
  EXPECT_EQ(DescriptionAt(path), "Paper B");
  EXPECT_EQ(FindProfileByDescription("Paper B"), "paper.icc");
  EXPECT_EQ(FindProfileByDescription("Paper A"), "");

  const std::string other = places.First() + "/other.tmp";
  ASSERT_TRUE(WriteBytes(other, RgbProfileBytes("Paper C", cmsSigDisplayClass)));
  ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
  ProfileFacts facts{};
  ASSERT_TRUE(ReadProfileFacts(path, facts));
  EXPECT_EQ(facts.Description, "Paper C");
  EXPECT_EQ(facts.DeviceClass, uint32_t(cmsSigDisplayClass));
  EXPECT_EQ(facts.ColorSpace, uint32_t(cmsSigRgbData));

  ASSERT_TRUE(WriteBytes(path, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'r', 'o', 'f', 'i', 'l', 'e'}));
  EXPECT_EQ(DescriptionAt(path), "<none>");
  ASSERT_EQ(std::remove(path.c_str()), 0);
  EXPECT_EQ(DescriptionAt(path), "<none>");
  EXPECT_EQ(DescriptionAt(places.First()), "<none>");  // a folder is no profile
}

TEST(ProfileFacts, FreshlyWrittenProfilesAreReadAsTheyAre) {
  ColorTestPlaces places;
  ASSERT_TRUE(WriteBytes(places.First() + "/paper.icc", RgbProfileBytes("Paper A", cmsSigOutputClass)));
  ExpectChangesAreSeen(places);
}

TEST(ProfileFacts, KeptFactsOfASettledProfileGiveWayToItsChanges) {
  ColorTestPlaces places;
  ASSERT_TRUE(WriteBytes(places.First() + "/paper.icc", RgbProfileBytes("Paper A", cmsSigOutputClass)));
  // Only a profile left alone for a moment has its facts kept.
  std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  ExpectChangesAreSeen(places);
}

}  // namespace
}  // namespace tl
