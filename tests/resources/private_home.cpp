#include "tests/resources/private_home.h"

#include <cstdlib>
#include <filesystem>

namespace tl::test {
namespace {

struct Redirect {
  const char* variable;
  const char* folder;
};
constexpr Redirect kHomeFolders[] = {
    {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data-home"}, {"XDG_CACHE_HOME", "cache"}};
constexpr Redirect kDataFolder = {"TESSALINE_DATA_DIR", "data"};

}  // namespace

PrivateHome::PrivateHome(DataFolder data) {
  const char* binary = std::getenv("TL_BINARY_DIR");
  const std::string base = binary ? std::string(binary) + "/test-tmp" : "/tmp";
  std::filesystem::create_directories(base);
  std::string pattern = base + "/home-XXXXXX";
  if (mkdtemp(pattern.data())) path_ = pattern;
  const auto redirect = [this](const Redirect& r) {
    const char* value = std::getenv(r.variable);
    saved_.emplace_back(r.variable, value ? value : "");
    setenv(r.variable, File(r.folder).c_str(), 1);
  };
  for (const Redirect& r : kHomeFolders) redirect(r);
  if (data == kOwnData) redirect(kDataFolder);
}

PrivateHome::~PrivateHome() {
  for (const auto& [name, value] : saved_) {
    if (value.empty()) unsetenv(name.c_str());
    else setenv(name.c_str(), value.c_str(), 1);
  }
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

}  // namespace tl::test
