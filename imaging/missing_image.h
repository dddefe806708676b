// Finding the image files a layout refers to that are no longer where the
// layout says: the same name in the folder where the last missing image
// was found, else the user is asked (through a prompt the user interface
// provides) whether to find, ignore or stop.
#pragma once

#include <string>

namespace tl {

struct ImageObject;

enum class MissingImageAnswer { Find, Stop, Ignore };

class MissingImagePrompt {
 public:
  virtual ~MissingImagePrompt() = default;
  // The image-not-found dialog, titled with the missing path.
  virtual MissingImageAnswer AskAboutMissingImage(const std::string& missingPath) = 0;
  // The file-open dialog, starting at the missing path's folder and name,
  // with the given filter text; false when the user cancels.
  virtual bool ChooseImageFile(const std::string& missingPath, const std::string& filter, std::string& chosen) = 0;
};

// The state one layout read keeps across its image entries.
struct MissingImageSearch {
  bool KeepAsking = true;
  bool Stop = false;  // set by "Stop": the read takes no further entries
  std::string LastFoundFolder;
  bool ExtendedFormatNoticeShown = false;
  MissingImagePrompt* Prompt = nullptr;  // null: every question is answered "Ignore"
};

// Reads the header of the image entry `path` into `image`, locating the
// file first when it is missing. False when the image is to be skipped:
// it needs the absent extended-formats importer (message 10448, once per
// read), the user ignored or stopped, or its header does not read. A
// missing file marks the image's document as modified.
bool LocateMissingImage(MissingImageSearch& search, ImageObject& image, const std::string& path);

}  // namespace tl
