#include "render/library_versions.h"

#include <QtGlobal>

#include "color/library_versions.h"
#include "persistence/library_versions.h"
#include "print/library_versions.h"
#include "resources/app_folders.h"

namespace tl {
namespace {

constexpr size_t kNameColumn = 16;  // wider than every library's name

std::string Padded(const std::string& name) {
  return name + std::string(name.size() < kNameColumn ? kNameColumn - name.size() : 1, ' ');
}

}  // namespace

std::vector<LibraryVersion> LibraryVersions() {
  std::vector<LibraryVersion> list;
  list.push_back({"Qt", qVersion()});
  AddImagingLibraryVersions(list);
  AddColorLibraryVersions(list);
  AddPersistenceLibraryVersions(list);
  AddPrintLibraryVersions(list);
  return list;
}

std::string VersionReport(std::string_view program) {
  std::string report = std::string(program) + " " TL_VERSION "\n\nLibraries:\n";
  for (const LibraryVersion& library : LibraryVersions()) report += "  " + Padded(library.Name) + library.Version + "\n";
  report += "\nData folder: " + DataFolder() + "\n";
  return report;
}

}  // namespace tl
