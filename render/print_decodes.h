// The print-quality decodes of a printer page's pictures. Each picture is
// decoded again from its file, no larger than it is printed, and matched
// for output; that is most of the time a page takes, so the decodes run a
// batch at a time on worker threads ahead of the drawing, which still
// takes the pictures one by one in list order. A batch holds at most a
// bounded amount of decoded pixels, so a page of large prints decodes a
// few at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;
class PixelMatcher;

struct PrintDecode {
  BitmapPtr Pixels;  // null when the decode failed
  BitmapPtr Mask;
  int Message = 0;   // why it failed
};

class PrintDecodes {
 public:
  // Decoded pixels a batch may hold.
  static constexpr uint64_t kBatchBytes = uint64_t(256) << 20;

  explicit PrintDecodes(PixelMatcher* matcher) : matcher_(matcher) {}

  // A picture the page will draw, in drawing order, with the size to
  // decode it at (none: its own size).
  void Add(ImageObject& image, const std::optional<LSize>& size);

  // The decode of `image`, made now (with the next pictures beside it) if
  // it is not made yet. An image that was never added is decoded alone.
  PrintDecode Take(ImageObject& image, const std::optional<LSize>& size);

 private:
  struct Entry {
    ImageObject* image;
    std::optional<LSize> size;
    bool decoded = false;
    PrintDecode result;
  };
  void DecodeBatchFrom(size_t first);

  PixelMatcher* matcher_;
  std::vector<Entry> entries_;
};

}  // namespace tl
