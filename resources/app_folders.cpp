#include "resources/app_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef TL_INSTALL_DATA_DIR
#define TL_INSTALL_DATA_DIR "/usr/local/share/tessaline"
#endif

namespace tl {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  return home.empty() ? std::string("/tmp") : home;
}

// $VARIABLE when set to an absolute path, else ~/fallback.
std::string XdgFolder(const char* variable, const char* fallback) {
  std::string value = Environment(variable);
  if (!value.empty() && value[0] == '/') return value;
  return HomeFolder() + "/" + fallback;
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

}  // namespace

std::string ProgramFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

std::string DataFolder() {
  if (std::string forced = Environment("TESSALINE_DATA_DIR"); !forced.empty()) return forced;
  const std::string besideProgram = (fs::path(ProgramFolder()) / ".." / "share" / "tessaline").lexically_normal();
  if (IsFolder(besideProgram)) return besideProgram;
  return TL_INSTALL_DATA_DIR;
}

std::string ConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config") + "/Tessaline"; }
std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share") + "/tessaline"; }
std::string CacheFolder() { return XdgFolder("XDG_CACHE_HOME", ".cache") + "/tessaline"; }

std::vector<std::string> ColorFolders() {
  return {XdgFolder("XDG_DATA_HOME", ".local/share") + "/icc", HomeFolder() + "/.color/icc",
          "/usr/local/share/color/icc", "/usr/share/color/icc"};
}

std::string ColorDirectory() {
  for (const std::string& folder : ColorFolders())
    if (IsFolder(folder)) return folder;
  return {};
}

bool EnsureFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return IsFolder(folder);
}

}  // namespace tl
