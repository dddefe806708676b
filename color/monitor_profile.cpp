#include "color/monitor_profile.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

#include "color/content_hash.h"
#include "color/profile_open.h"
#include "color/profile_places.h"
#include "resources/app_folders.h"

namespace tl {
namespace {

namespace fs = std::filesystem;

std::mutex monitorMutex;
std::string monitorName;

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

struct XFreeDeleter {
  void operator()(unsigned char* data) const { XFree(data); }
};

// A failed request must not end the program (Xlib's own handler exits).
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

class ScopedXErrorHandler {
 public:
  ScopedXErrorHandler() : previous_(XSetErrorHandler(IgnoreXError)) {}
  ~ScopedXErrorHandler() { XSetErrorHandler(previous_); }

 private:
  int (*previous_)(Display*, XErrorEvent*);
};

// The bytes of the root window's _ICC_PROFILE; false when there are none.
bool ReadScreenProfile(std::vector<uint8_t>& bytes, std::string& screenName) {
  DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return false;
  screenName = DisplayString(display.get());
  ScopedXErrorHandler quiet;
  const Atom property = XInternAtom(display.get(), "_ICC_PROFILE", True);
  if (property == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const long maxLongs = long(kMaxProfileBytes / 4);
  const int status = XGetWindowProperty(display.get(), DefaultRootWindow(display.get()), property, 0, maxLongs,
                                        False, AnyPropertyType, &type, &format, &count, &remaining, &data);
  std::unique_ptr<unsigned char, XFreeDeleter> owned(data);
  if (status != Success || format != 8 || count == 0 || remaining != 0 || !data) return false;
  bytes.assign(data, data + count);
  return true;
}

// Keeps the screen's profile as a file named by its content, so that it is
// named and opened like every other profile and written only once.
std::string KeepScreenProfile(const std::vector<uint8_t>& bytes) {
  const fs::path folder = CacheFolder();
  if (!EnsureFolder(folder.string())) return {};
  char name[48];
  std::snprintf(name, sizeof name, "screen-%016" PRIx64 ".icc", ContentHash(bytes.data(), bytes.size()));
  const fs::path path = folder / name;
  std::error_code ec;
  if (fs::file_size(path, ec) == bytes.size() && !ec) return path.string();
  const fs::path temporary = path.string() + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out.flush()) {
      out.close();
      fs::remove(temporary, ec);
      return {};
    }
  }
  fs::rename(temporary, path, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return {};
  }
  return path.string();
}

}  // namespace

std::string FindMonitorProfile() {
  std::vector<uint8_t> bytes;
  std::string screen;
  const bool found = ReadScreenProfile(bytes, screen);
  {
    std::lock_guard<std::mutex> lock(monitorMutex);
    monitorName = screen;
  }
  if (found && OpenProfileFromMemory(bytes)) {
    const std::string kept = KeepScreenProfile(bytes);
    if (!kept.empty()) return ProfileNameForPath(kept);
  }
  return std::string(kDefaultRgbProfileName);
}

std::string MonitorName() {
  std::lock_guard<std::mutex> lock(monitorMutex);
  return monitorName;
}

}  // namespace tl
