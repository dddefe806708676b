// The readers that take a path get the fuzz input as a file: one file per
// process and extension, rewritten for every input and removed at exit.
// The files live in memory (/dev/shm) where there is such a folder: on a
// disk file system, rewriting a file thousands of times a second costs
// more than reading it.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

namespace tl::fuzz {

class InputFiles {
 public:
  InputFiles() : prefix_(Folder() + "/tl-fuzz-" + std::to_string(getpid())) {}
  ~InputFiles() {
    for (const std::string& path : paths_) std::remove(path.c_str());
  }
  std::string Write(const uint8_t* data, size_t size, const char* extension) {
    const std::string path = prefix_ + extension;
    paths_.insert(path);
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(data, 1, size, f);
      std::fclose(f);
    }
    return path;
  }

 private:
  static std::string Folder() { return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp"; }
  const std::string prefix_;  // chosen once: the folder is asked about at start only
  std::set<std::string> paths_;
};

inline std::string WriteInput(const uint8_t* data, size_t size, const char* extension) {
  static InputFiles files;
  return files.Write(data, size, extension);
}

}  // namespace tl::fuzz
