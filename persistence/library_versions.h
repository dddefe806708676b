// The versions of libxml2 (layout and template files) and fontconfig (the
// fonts a layout names), for the About box and `--version`.
#pragma once

#include <vector>

#include "imaging/library_versions.h"

namespace tl {

void AddPersistenceLibraryVersions(std::vector<LibraryVersion>& list);

}  // namespace tl
