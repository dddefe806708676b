#include "print/library_versions.h"

#include <cups/cups.h>

namespace tl {

void AddPrintLibraryVersions(std::vector<LibraryVersion>& list) {
  // libcups has no run-time version query: the headers built against.
  list.push_back({"CUPS", std::to_string(CUPS_VERSION_MAJOR) + "." + std::to_string(CUPS_VERSION_MINOR) + "." +
                              std::to_string(CUPS_VERSION_PATCH)});
}

}  // namespace tl
