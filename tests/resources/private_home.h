// A private home for a test: XDG_CONFIG_HOME, XDG_DATA_HOME and
// XDG_CACHE_HOME point into a fresh temporary folder for its lifetime (and,
// when asked, TESSALINE_DATA_DIR at its "data" folder, so that the
// installed templates are the test's own); the old values come back after.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tl::test {

class PrivateHome {
 public:
  enum DataFolder { kInstalledData, kOwnData };
  explicit PrivateHome(DataFolder data = kInstalledData);
  ~PrivateHome();
  PrivateHome(const PrivateHome&) = delete;
  PrivateHome& operator=(const PrivateHome&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::vector<std::pair<std::string, std::string>> saved_;
};

}  // namespace tl::test
