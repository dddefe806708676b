#include "tests/color/virtual_screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace tl::test {

VirtualScreen::VirtualScreen() {
  int fds[2];
  if (pipe(fds) != 0) return;
  // -displayfd: the server picks a free display and writes its number when
  // it is ready for clients.
  const std::string fd = std::to_string(fds[1]);
  const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset",
                        "-screen", "0", "64x64x24", nullptr};
  if (posix_spawnp(&pid_, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = 0;
  close(fds[1]);
  char number[16] = {};
  const ssize_t got = pid_ > 0 ? read(fds[0], number, sizeof number - 1) : 0;
  close(fds[0]);
  if (got > 0) display_ = ":" + std::to_string(std::atoi(number));
}

VirtualScreen::~VirtualScreen() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

bool VirtualScreen::SetProfile(const std::vector<uint8_t>& bytes) {
  ::Display* d = XOpenDisplay(display_.c_str());
  if (!d) return false;
  const Atom atom = XInternAtom(d, "_ICC_PROFILE", False);
  if (bytes.empty())
    XDeleteProperty(d, DefaultRootWindow(d), atom);
  else
    XChangeProperty(d, DefaultRootWindow(d), atom, XA_CARDINAL, 8, PropModeReplace, bytes.data(), int(bytes.size()));
  XSync(d, False);
  XCloseDisplay(d);
  return true;
}

}  // namespace tl::test
