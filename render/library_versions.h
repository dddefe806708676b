// Every library the program runs on with its version: Qt first, then the
// image, colour, file and print libraries. The About box and `--version`
// show this list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "imaging/library_versions.h"

namespace tl {

std::vector<LibraryVersion> LibraryVersions();

// What `--version` prints: "<program> <version>", the libraries one to a
// line, and the data folder the program reads.
std::string VersionReport(std::string_view program);

}  // namespace tl
