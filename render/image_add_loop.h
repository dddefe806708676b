// The add loop behind Get Image, dropped files and hand-over lists: the
// files of the chosen files and folders are added to a document one by one
// in file order on the calling (interface) thread, while worker threads
// read the next few files and decode their previews ahead of it, and the
// caller's event pump keeps running in between.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

struct LayoutDocument;

// What the loop tells its caller; every call comes on the calling thread.
class ImageAddProgress {
 public:
  virtual ~ImageAddProgress() = default;
  // Before each file is added, with the counts as they stand once the file
  // is counted as added (the "Loading" status).
  virtual void FileStarting(int32_t /*added*/, int32_t /*failed*/) {}
  // After each file, whether it was added.
  virtual void FileFinished(const std::string& /*path*/, bool /*added*/) {}
  // Dispatches pending events; true when the user asked to stop. Called
  // after each file, and every few milliseconds while the loop waits for
  // the next file to be read (also while a stopped loop waits for the
  // files still being read).
  virtual bool Pump() = 0;
};

struct ImageAddCounts {
  int32_t Added = 0;
  int32_t Failed = 0;    // counted downwards: -1 after the first failure
  bool Stopped = false;  // the stop request left files out
};

// Adds every file that `names` stand for (files, and folders walked with
// their sub-folders, in the order given) to `document` with AddImageFile,
// as one series, and ends early when Pump reports the stop request. The
// messages of each file are shown in file order, where a plain add would
// show them. Afterwards an automatic layout is renumbered, relabelled and
// arranged. The caller takes the undo snapshot for the series before, and
// keeps other commands away meanwhile. `workers`: how many files are read
// at once (0: one per processor).
ImageAddCounts AddImageFiles(LayoutDocument& document, const std::vector<std::string>& names,
                             ImageAddProgress& progress, int workers = 0);

}  // namespace tl
