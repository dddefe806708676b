// The facts of a file that an image object keeps: its size and its
// creation and last-write times.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

struct FileFacts {
  uint64_t Size = 0;
  int64_t CreationTime = 0;   // seconds since 1970-01-01 UTC
  int64_t LastWriteTime = 0;  // seconds since 1970-01-01 UTC
};

// The creation time is the file system's birth time where it records one,
// else the last-write time. False (errno set) when the file cannot be
// looked at.
bool ReadFileFacts(const std::string& path, FileFacts& facts);

}  // namespace tl
