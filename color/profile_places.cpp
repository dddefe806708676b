#include "color/profile_places.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>

#include "color/profile_open.h"
#include "resources/app_folders.h"
#include "resources/string_table.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

std::mutex placesMutex;
std::optional<ProfilePlaces> forcedPlaces;

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && EqualsIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

bool IsRegularFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

ProfilePlaces DefaultProfilePlaces() {
  ProfilePlaces places;
  places.ColorFolders = ColorFolders();
  const std::string data = DataFolder();
  places.ColorFolders.push_back(data + "/icc");
  places.ApplicationFolder = data + "/" + StringCopy(kApplicationProfileFolderId);
  return places;
}

ProfilePlaces CurrentProfilePlaces() {
  {
    std::lock_guard<std::mutex> lock(placesMutex);
    if (forcedPlaces) return *forcedPlaces;
  }
  return DefaultProfilePlaces();
}

ScopedProfilePlaces::ScopedProfilePlaces(ProfilePlaces places) {
  std::lock_guard<std::mutex> lock(placesMutex);
  hadPrevious_ = forcedPlaces.has_value();
  if (hadPrevious_) previous_ = *forcedPlaces;
  forcedPlaces = std::move(places);
}

ScopedProfilePlaces::~ScopedProfilePlaces() {
  std::lock_guard<std::mutex> lock(placesMutex);
  if (hadPrevious_)
    forcedPlaces = previous_;
  else
    forcedPlaces.reset();
}

bool IsProfilePath(std::string_view name) { return name.find('/') != std::string_view::npos; }

std::string ResolveProfileName(std::string_view name) {
  if (name.empty()) return {};
  if (IsProfilePath(name)) return std::string(name);
  for (const std::string& folder : CurrentProfilePlaces().ColorFolders) {
    const fs::path candidate = fs::path(folder) / std::string(name);
    if (IsRegularFile(candidate)) return candidate.string();
  }
  return {};
}

std::string ProfileNameForPath(const std::string& path) {
  const std::string name = fs::path(path).filename().string();
  if (name.empty()) return path;
  std::error_code ec;
  const std::string found = ResolveProfileName(name);
  if (!found.empty() && fs::equivalent(found, path, ec)) return name;
  return path;
}

ProfilePtr OpenProfileByName(std::string_view name, std::string* path) {
  const std::string file = ResolveProfileName(name);
  if (path) *path = file;
  if (file.empty()) return nullptr;
  return OpenProfileFile(file);
}

std::string ApplicationProfilePath(std::string_view name) {
  return CurrentProfilePlaces().ApplicationFolder + "/" + std::string(name);
}

std::vector<ProfileFile> ListProfileFiles(std::string_view extension) {
  std::vector<ProfileFile> files;
  std::vector<std::string> seen;
  for (const std::string& folder : CurrentProfilePlaces().ColorFolders) {
    std::vector<ProfileFile> inFolder;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (!EndsWithIgnoringCase(name, extension) || !IsRegularFile(it->path())) continue;
      inFolder.push_back({name, it->path().string()});
    }
    std::sort(inFolder.begin(), inFolder.end(),
              [](const ProfileFile& a, const ProfileFile& b) { return LessIgnoringCase(a.Name, b.Name); });
    for (ProfileFile& file : inFolder) {
      // Names are case-sensitive on disk: an exact match hides the later file.
      if (std::find(seen.begin(), seen.end(), file.Name) != seen.end()) continue;
      seen.push_back(file.Name);
      files.push_back(std::move(file));
    }
  }
  return files;
}

}  // namespace tl
