// The versions of the libraries the image readers run on (libjpeg-turbo,
// libtiff, libpng), for the About box and `--version`. LibraryVersion is
// the one record every layer's list uses.
#pragma once

#include <string>
#include <vector>

namespace tl {

struct LibraryVersion {
  std::string Name;
  std::string Version;  // "2.1.5": the library's own numbering
};

// Appends the image libraries.
void AddImagingLibraryVersions(std::vector<LibraryVersion>& list);

}  // namespace tl
