// The recent file list: the five layouts opened or saved last, most recent
// first, kept in the window settings between runs.
#pragma once

#include <string>
#include <vector>

class QSettings;

namespace tl {

class RecentFileList {
 public:
  explicit RecentFileList(QSettings& settings);

  const std::vector<std::string>& Paths() const { return paths_; }
  // `path` becomes the first entry (an older entry of it goes).
  void Add(const std::string& path);
  void Remove(const std::string& path);

 private:
  void Write();

  QSettings& settings_;
  std::vector<std::string> paths_;
};

}  // namespace tl
