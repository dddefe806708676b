#include "color/profile_facts.h"

#include <sys/stat.h>
#include <time.h>

#include <map>
#include <mutex>

#include "color/profile_description.h"
#include "color/profile_open.h"

namespace tl {
namespace {

// What identifies one version of a file without reading it.
struct FileVersion {
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  timespec Modified{};
  timespec Changed{};

  bool operator==(const FileVersion& o) const {
    return Device == o.Device && Inode == o.Inode && Size == o.Size && Same(Modified, o.Modified) &&
           Same(Changed, o.Changed);
  }
  static bool Same(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }
};

struct CachedFacts {
  FileVersion Version;
  bool Opens = false;
  ProfileFacts Facts;
};

std::mutex cacheMutex;
std::map<std::string, CachedFacts>& Cache() {
  static std::map<std::string, CachedFacts> cache;
  return cache;
}

// A file changed within this many seconds of being read may change again
// within the same timestamp tick, unseen by its times; its facts are not
// kept until it has been still for longer.
constexpr time_t kSettledSeconds = 2;

bool IsSettled(const FileVersion& version) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now.tv_sec - version.Changed.tv_sec >= kSettledSeconds;
}

bool StatFile(const std::string& path, FileVersion& version) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  version = {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
  return true;
}

CachedFacts ReadFacts(const std::string& path, const FileVersion& version) {
  CachedFacts cached;
  cached.Version = version;
  const ProfilePtr profile = OpenProfileFile(path);
  if (!profile) return cached;
  cached.Opens = true;
  cached.Facts = {ProfileDescription(profile.get()), ProfileColorSpace(profile.get()),
                  ProfileDeviceClass(profile.get())};
  return cached;
}

}  // namespace

bool ReadProfileFacts(const std::string& path, ProfileFacts& facts) {
  FileVersion version;
  if (!StatFile(path, version)) return false;
  {
    std::lock_guard<std::mutex> lock(cacheMutex);
    const auto it = Cache().find(path);
    if (it != Cache().end() && it->second.Version == version) {
      if (it->second.Opens) facts = it->second.Facts;
      return it->second.Opens;
    }
  }
  // Read outside the lock: a large profile must not hold up other threads.
  CachedFacts cached = ReadFacts(path, version);
  if (cached.Opens) facts = cached.Facts;
  const bool opens = cached.Opens;
  std::lock_guard<std::mutex> lock(cacheMutex);
  if (IsSettled(version))
    Cache()[path] = std::move(cached);
  else
    Cache().erase(path);
  return opens;
}

}  // namespace tl
