#include "imaging/temporary_files.h"

#include <filesystem>
#include <system_error>

#include "resources/app_folders.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

constexpr char kPrefix[] = "ImageTmp";
constexpr char kSuffix[] = ".jpg";
constexpr char kPreviewFile[] = "temppreview.jpg";

bool IsTemporary(const std::string& name) {
  const std::string prefix = kPrefix, suffix = kSuffix;
  if (name == kPreviewFile) return true;
  return name.size() >= prefix.size() + suffix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
         name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

void CleanTemporaryFiles(const std::string& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored) && IsTemporary(it->path().filename().string())) fs::remove(it->path(), ignored);
  }
}

void CleanTemporaryFiles() { CleanTemporaryFiles(CacheFolder()); }

}  // namespace tl
