#include "render/image_add_loop.h"

#include <algorithm>
#include <filesystem>

#include "imaging/label_text.h"
#include "layout/add_image.h"
#include "persistence/image_services.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

void CollectFiles(const fs::path& path, std::vector<std::string>& files) {
  std::error_code ec;
  if (!fs::is_directory(path, ec)) {
    files.push_back(path.string());
    return;
  }
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(it->path());
  std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  for (const fs::path& entry : entries) CollectFiles(entry, files);
}

}  // namespace

ImageAddCounts AddImageFiles(LayoutDocument& d, const std::vector<std::string>& names, ImageAddProgress& progress,
                             int) {
  std::vector<std::string> files;
  for (const std::string& name : names) CollectFiles(name, files);
  ImageImportServices services;
  ImageAddSession session;
  ImageAddCounts counts;
  for (const std::string& file : files) {
    ++counts.Added;
    progress.FileStarting(counts.Added, counts.Failed);
    ImageToAdd image;
    image.Path = file;
    if (!AddImageFile(d, image, services, &session)) {
      --counts.Added;
      --counts.Failed;
    }
    if (progress.Pump()) {
      counts.Stopped = true;
      break;
    }
  }
  if (!d.Free) {
    services.RebuildLabels(d);
    ArrangeLayout(d);
  }
  return counts;
}

}  // namespace tl
