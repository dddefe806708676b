#include "persistence/library_versions.h"

#include <fontconfig/fontconfig.h>
#include <libxml/parser.h>

#include <cstdlib>

namespace tl {
namespace {

// Both libraries encode major * 10000 + minor * 100 + micro.
std::string DottedVersion(long encoded) {
  return std::to_string(encoded / 10000) + "." + std::to_string(encoded / 100 % 100) + "." +
         std::to_string(encoded % 100);
}

}  // namespace

void AddPersistenceLibraryVersions(std::vector<LibraryVersion>& list) {
  list.push_back({"libxml2", DottedVersion(std::strtol(xmlParserVersion, nullptr, 10))});
  list.push_back({"fontconfig", DottedVersion(FcGetVersion())});
}

}  // namespace tl
