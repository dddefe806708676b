// The image add loop of Get Image, drops and hand-over lists (serial
// stand-in until the threaded loop lands).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/layout_document.h"

namespace tl {

class ImageAddProgress {
 public:
  virtual ~ImageAddProgress() = default;
  virtual void FileStarting(int32_t added, int32_t failed) { (void)added, (void)failed; }
  virtual bool Pump() = 0;
};

struct ImageAddCounts {
  int32_t Added = 0;
  int32_t Failed = 0;
  bool Stopped = false;
};

ImageAddCounts AddImageFiles(LayoutDocument& document, const std::vector<std::string>& names,
                             ImageAddProgress& progress, int workers = 0);

}  // namespace tl
