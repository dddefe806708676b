// The version of CUPS, the print system, for the About box and `--version`.
#pragma once

#include <vector>

#include "imaging/library_versions.h"

namespace tl {

void AddPrintLibraryVersions(std::vector<LibraryVersion>& list);

}  // namespace tl
