// The monitor profile from a real (virtual) X server: the test starts Xvfb,
// sets the root window's _ICC_PROFILE and lets the look-up find it.
#include "color/monitor_profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "color/printer_profile.h"
#include "color/profile_description.h"
#include "color/profile_list.h"
#include "color/profile_roles.h"
#include "tests/color/color_test_support.h"
#include "tests/color/reference_tools.h"
#include "tests/color/virtual_screen.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

TEST(MonitorProfile, WithoutAScreenTheMonitorIsSrgb) {
  test::ColorTestPlaces places;  // no DISPLAY
  EXPECT_EQ(FindMonitorProfile(), kDefaultRgbProfileName);
  EXPECT_EQ(MonitorName(), "");
  test::ScopedEnv nowhere("DISPLAY", ":4711");
  EXPECT_EQ(FindMonitorProfile(), kDefaultRgbProfileName);
}

TEST(MonitorProfile, TheScreensOwnProfileIsFoundKeptAndUsed) {
  if (!test::HaveTool("Xvfb")) GTEST_SKIP() << "Xvfb (package xvfb) not installed";
  test::VirtualScreen screen;
  ASSERT_FALSE(screen.Display().empty());
  test::ColorTestPlaces places;
  test::ScopedEnv display("DISPLAY", screen.Display().c_str());

  EXPECT_EQ(FindMonitorProfile(), kDefaultRgbProfileName);  // no property yet
  EXPECT_EQ(MonitorName(), screen.Display());

  const std::vector<uint8_t> calibrated = test::RgbProfileBytes("Calibrated panel", cmsSigDisplayClass, 2.3);
  ASSERT_TRUE(screen.SetProfile(calibrated));
  const std::string name = FindMonitorProfile();
  ASSERT_NE(name, kDefaultRgbProfileName);
  EXPECT_EQ(fs::path(name).parent_path(), fs::path(places.Cache()) / "tessaline");
  EXPECT_EQ(test::ReadBytes(name), calibrated);
  const auto written = fs::last_write_time(name);
  EXPECT_EQ(FindMonitorProfile(), name);
  EXPECT_EQ(fs::last_write_time(name), written);  // kept, not written again

  // The roles and lists that stand for the monitor take it.
  const ProfilePtr monitor = OpenRoleProfile(kRoleMonitor, kProfileModeSystemDefault, {});
  ASSERT_TRUE(monitor);
  EXPECT_EQ(ProfileDescription(monitor.get()), "Calibrated panel");
  EXPECT_EQ(DefaultProfileName(kRolePrinter), name);
  const ProfileLists lists = ListProfiles(ProfileListSet::Output);
  ASSERT_FALSE(lists.Monitor.empty());
  EXPECT_EQ(lists.Monitor[0].Description, "Calibrated panel");

  // A property that is no profile, or none at all: sRGB again.
  ASSERT_TRUE(screen.SetProfile(std::vector<uint8_t>(calibrated.begin(), calibrated.begin() + 300)));
  EXPECT_EQ(FindMonitorProfile(), kDefaultRgbProfileName);
  ASSERT_TRUE(screen.SetProfile({}));
  EXPECT_EQ(FindMonitorProfile(), kDefaultRgbProfileName);
}

class FixedPrinter : public PrinterProfileQuery {
 public:
  explicit FixedPrinter(std::string path) : path_(std::move(path)) {}
  bool CurrentPrinterProfile(std::string& path) const override {
    path = path_;
    return !path_.empty();
  }

 private:
  std::string path_;
};

TEST(PrinterProfile, ThePrintSettingsNameTheProfile) {
  test::ColorTestPlaces places;
  ASSERT_TRUE(test::WriteBytes(places.First() + "/glossy.icc", test::RgbProfileBytes("Glossy", cmsSigOutputClass)));
  std::string name;
  EXPECT_TRUE(FindPrinterProfile(FixedPrinter(places.First() + "/glossy.icc"), name));
  EXPECT_EQ(name, "glossy.icc");  // in a colour folder: kept by its name
  EXPECT_TRUE(FindPrinterProfile(FixedPrinter("/opt/driver/matte.icc"), name));
  EXPECT_EQ(name, "/opt/driver/matte.icc");
  name = "unchanged";
  EXPECT_FALSE(FindPrinterProfile(FixedPrinter(""), name));
  EXPECT_EQ(name, "unchanged");
}

}  // namespace
}  // namespace tl
