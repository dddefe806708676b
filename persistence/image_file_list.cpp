#include "persistence/image_file_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

namespace tl {
namespace {

namespace fs = std::filesystem;

// A folder by its device and inode, so that a link back up the tree does
// not send the walk round in circles.
using FolderId = std::pair<dev_t, ino_t>;

bool IdentifyFolder(const fs::path& path, FolderId& id) {
  struct stat facts;
  if (stat(path.c_str(), &facts) != 0 || !S_ISDIR(facts.st_mode)) return false;
  id = {facts.st_dev, facts.st_ino};
  return true;
}

// `enclosing`: the folders the walk is inside of.
void Collect(const fs::path& path, std::set<FolderId>& enclosing, std::vector<std::string>& files) {
  FolderId id;
  if (!IdentifyFolder(path, id)) {
    files.push_back(path.string());
    return;
  }
  if (!enclosing.insert(id).second) return;
  std::error_code ec;
  std::vector<fs::path> entries;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(it->path());
  std::sort(entries.begin(), entries.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  for (const fs::path& entry : entries) Collect(entry, enclosing, files);
  enclosing.erase(id);
}

}  // namespace

std::vector<std::string> CollectImageFiles(const std::vector<std::string>& names) {
  std::vector<std::string> files;
  std::set<FolderId> enclosing;
  for (const std::string& name : names) Collect(name, enclosing, files);
  return files;
}

}  // namespace tl
