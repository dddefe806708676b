// FILE handles that close themselves, and the small read helpers the
// readers share.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace tl {

struct FileCloser {
  void operator()(FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// Opens `path` for reading in binary mode; null (errno set) on failure.
inline FilePtr OpenForReading(const std::string& path) { return FilePtr(std::fopen(path.c_str(), "rb")); }

// The length of an open file, or -1.
int64_t FileLength(FILE* file);

// Reads exactly `count` bytes at the current position; false on a short read.
inline bool ReadExact(FILE* file, void* out, size_t count) { return std::fread(out, 1, count, file) == count; }

// Moves to `offset` from the start; false when the offset cannot be had.
bool SeekTo(FILE* file, int64_t offset);

}  // namespace tl
