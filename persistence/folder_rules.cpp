#include "persistence/folder_rules.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tl {
namespace {

namespace fs = std::filesystem;

size_t LastSeparator(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i)
    if (IsFolderSeparator(path[i - 1])) return i - 1;
  return std::string_view::npos;
}

std::string Slashed(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

// A path without "." and ".." parts, as the system's full-path call gives
// it: a folder reached through "Layouts/../Photos" must not depend on
// "Layouts" staying where it is. A final separator stays.
std::string Normal(std::string_view path) {
  if (path.empty()) return {};
  std::string normal = fs::path(Slashed(path)).lexically_normal().string();
  return normal.empty() || normal == "." ? std::string(path) : normal;
}

// The layout path up to and including its k-th separator from the end;
// the root when it has fewer.
std::string ClimbedBase(std::string_view layoutPath, size_t k) {
  size_t end = layoutPath.size();
  for (size_t n = 0; n < k; ++n) {
    const size_t sep = LastSeparator(layoutPath.substr(0, end));
    if (sep == std::string_view::npos) return "/";
    end = sep;
  }
  return std::string(layoutPath.substr(0, end + 1));
}

}  // namespace

std::string ImageFolderOf(const std::string& imagePath) {
  if (imagePath.empty() || IsFolderSeparator(imagePath.back())) return {};
  std::error_code ec;
  const std::string full = fs::absolute(imagePath, ec).string();
  const std::string path = Normal(ec ? imagePath : full);
  const size_t sep = LastSeparator(path);
  if (sep == std::string::npos) return {};
  return sep == 0 ? std::string("/") : path.substr(0, sep);
}

std::string FileNamePart(std::string_view path) {
  const size_t sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string MakeRelativeFolder(std::string_view layoutFile, std::string_view folderPath) {
  const std::string layoutPath = Normal(layoutFile);
  const std::string folder = Normal(folderPath);
  const size_t n = std::min(layoutPath.size(), folder.size());
  size_t common = std::string_view::npos;
  for (size_t i = 0; i < n && layoutPath[i] == folder[i]; ++i)
    if (IsFolderSeparator(folder[i])) common = i;
  if (common == std::string::npos) return {};

  std::string text = "./";
  const size_t climbs = size_t(std::count_if(layoutPath.begin() + common + 1, layoutPath.end(), IsFolderSeparator));
  for (size_t i = 0; i < climbs; ++i) text += "../";
  return text + Slashed(std::string_view(folder).substr(common + 1));
}

std::string ResolveRelativeFolder(std::string_view layoutFile, std::string_view text) {
  const std::string layoutPath = Normal(layoutFile);
  if (!text.empty() && IsFolderSeparator(text[0])) return Normal(text);
  size_t dots = 0;
  while (dots < text.size() && text[dots] == '.') ++dots;
  if (dots > 0 && dots < text.size() && IsFolderSeparator(text[dots]))
    return Normal(ClimbedBase(layoutPath, dots) + Slashed(text.substr(dots + 1)));
  if (dots > 0 && dots == text.size()) return ClimbedBase(layoutPath, dots);
  return Normal(ClimbedBase(layoutPath, 1) + Slashed(text));
}

std::string NativeFolder(std::string_view folder) { return Normal(folder); }

std::string JoinFolderAndFile(std::string_view folder, std::string_view file) {
  std::string path = Normal(folder);
  if (!path.empty() && !IsFolderSeparator(path.back())) path += '/';
  return path + std::string(file);
}

}  // namespace tl
