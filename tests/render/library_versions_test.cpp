// The library versions the About box and --version show are those the
// program was built with, as the libraries' own packages number them.
#include "render/library_versions.h"

#include <gtest/gtest.h>

#include <string>

namespace tl {
namespace {

TEST(LibraryVersions, EveryLibraryWithTheVersionItsPackageGives) {
  const struct {
    const char* Name;
    const char* Version;
  } expected[] = {
      {"Qt", TL_EXPECT_QT},         {"libjpeg-turbo", TL_EXPECT_JPEG}, {"libtiff", TL_EXPECT_TIFF},
      {"libpng", TL_EXPECT_PNG},    {"LittleCMS", TL_EXPECT_LCMS},     {"libxml2", TL_EXPECT_XML},
      {"fontconfig", TL_EXPECT_FC}, {"CUPS", TL_EXPECT_CUPS},
  };
  const std::vector<LibraryVersion> libraries = LibraryVersions();
  ASSERT_EQ(libraries.size(), std::size(expected));
  for (size_t i = 0; i < libraries.size(); ++i) {
    EXPECT_EQ(libraries[i].Name, expected[i].Name);
    EXPECT_EQ(libraries[i].Version, expected[i].Version) << expected[i].Name;
  }
}

TEST(LibraryVersions, TheReportNamesTheProgramTheLibrariesAndTheDataFolder) {
  const std::string report = VersionReport("tessaline");
  EXPECT_EQ(report.rfind("tessaline " TL_VERSION "\n", 0), 0u) << report;
  for (const LibraryVersion& library : LibraryVersions())
    EXPECT_NE(report.find("  " + library.Name), std::string::npos) << library.Name;
  EXPECT_NE(report.find("\nData folder: /"), std::string::npos) << report;
}

}  // namespace
}  // namespace tl
