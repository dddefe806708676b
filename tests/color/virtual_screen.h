// A virtual X screen for tests: starts Xvfb on a display number of its own
// choosing and stops it again; sets the root window's _ICC_PROFILE.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tl::test {

class VirtualScreen {
 public:
  VirtualScreen();
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  // ":N", or empty when the server did not start.
  const std::string& Display() const { return display_; }
  // Sets the property, or with empty bytes deletes it.
  bool SetProfile(const std::vector<uint8_t>& bytes);

 private:
  pid_t pid_ = 0;
  std::string display_;
};

}  // namespace tl::test
