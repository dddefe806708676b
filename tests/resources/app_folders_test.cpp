#include "resources/app_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tl {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value) setenv(name, value, 1); else unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_, old_.c_str(), 1); else unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST(AppFolders, FollowTheXdgVariablesAndFallBackToHome) {
  ScopedEnv home("HOME", "/home/ann");
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv cache("XDG_CACHE_HOME", "relative/is/ignored");
    EXPECT_EQ(ConfigFolder(), "/home/ann/.config/Tessaline");
    EXPECT_EQ(CacheFolder(), "/home/ann/.cache/tessaline");
  }
  ScopedEnv data("XDG_DATA_HOME", "/xdg/data");
  EXPECT_EQ(UserDataFolder(), "/xdg/data/tessaline");
  EXPECT_EQ(ColorFolders().front(), "/xdg/data/icc");
  EXPECT_EQ(ColorFolders().back(), "/usr/share/color/icc");
}

TEST(AppFolders, TheDataFolderCanBeForced) {
  ScopedEnv forced("TESSALINE_DATA_DIR", "/opt/tessaline-data");
  EXPECT_EQ(DataFolder(), "/opt/tessaline-data");
}

}  // namespace
}  // namespace tl
