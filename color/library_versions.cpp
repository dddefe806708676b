#include "color/library_versions.h"

#include <lcms2.h>

namespace tl {

void AddColorLibraryVersions(std::vector<LibraryVersion>& list) {
  // Encoded as major * 1000 + minor * 10: 2140 is 2.14.
  const int encoded = cmsGetEncodedCMMversion();
  list.push_back({"LittleCMS", std::to_string(encoded / 1000) + "." + std::to_string(encoded % 1000 / 10)});
}

}  // namespace tl
