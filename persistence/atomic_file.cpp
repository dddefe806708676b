#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace tl {
namespace {

constexpr int kTemporaryNameAttempts = 100;

// Closes the descriptor and removes the temporary file unless kept.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  bool Create(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
      const std::string path =
          folder + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
      fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        path_ = path;
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }
  bool WriteAll(std::string_view content) {
    while (!content.empty()) {
      const ssize_t n = ::write(fd_, content.data(), content.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = EIO;
        return false;
      }
      content.remove_prefix(size_t(n));
    }
    return true;
  }
  bool Finish() {
    if (::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  int Descriptor() const { return fd_; }
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  int fd_ = -1;
  std::string path_;
};

// A symbolic link is saved through: the file it names is replaced.
std::string LinkTarget(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved)) return resolved;
  return path;
}

void SyncFolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // the rename is durable; a failure here changes nothing for the caller
  ::close(fd);
}

bool Fail(int* error) {
  if (error) *error = errno ? errno : EIO;
  return false;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view content, int* error) {
  errno = 0;
  const std::string target = LinkTarget(path);
  TemporaryFile temporary;
  if (!temporary.Create(target)) return Fail(error);
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    ::fchmod(temporary.Descriptor(), existing.st_mode & 07777);
  if (!temporary.WriteAll(content) || !temporary.Finish()) return Fail(error);
  if (::rename(temporary.Path().c_str(), target.c_str()) != 0) return Fail(error);
  temporary.Keep();
  SyncFolderOf(target);
  return true;
}

}  // namespace tl
