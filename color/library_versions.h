// The version of LittleCMS, the colour engine, for the About box and
// `--version`.
#pragma once

#include <vector>

#include "imaging/library_versions.h"

namespace tl {

void AddColorLibraryVersions(std::vector<LibraryVersion>& list);

}  // namespace tl
