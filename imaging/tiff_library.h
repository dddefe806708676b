// The program's use of libtiff: handles that close themselves, opened
// silently (libtiff's messages never reach the user) and with a bound on
// the memory one allocation may take; files are read from disk or, through
// a memory-backed client, from a buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <tiffio.h>

namespace tl {

struct TiffCloser {
  void operator()(TIFF* tiff) const {
    if (tiff) TIFFClose(tiff);
  }
};
using TiffPtr = std::unique_ptr<TIFF, TiffCloser>;

TiffPtr OpenTiffFile(const std::string& path);

// A TIFF held in memory, and the read position of the handle over it.
struct TiffMemory {
  const uint8_t* Data = nullptr;
  uint64_t Size = 0;
  uint64_t Position = 0;
};

// Opens the TIFF in `memory`, which must outlive the handle.
TiffPtr OpenTiffMemory(TiffMemory& memory);

}  // namespace tl
