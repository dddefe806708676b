#include "imaging/library_versions.h"

#include <png.h>
#include <tiffio.h>

#include <cstdio>
#include <string_view>

// jpeglib.h needs the standard types declared first.
#include <jpeglib.h>

namespace tl {
namespace {

// "LIBTIFF, Version 4.5.0\nCopyright ..." -> "4.5.0".
std::string TiffVersion() {
  const std::string_view banner = TIFFGetVersion();
  constexpr std::string_view kMarker = "Version ";
  const size_t start = banner.find(kMarker);
  if (start == std::string_view::npos) return std::string(banner.substr(0, banner.find('\n')));
  const std::string_view rest = banner.substr(start + kMarker.size());
  return std::string(rest.substr(0, rest.find_first_of(" \n")));
}

// libjpeg-turbo has no run-time version query: the headers built against.
std::string JpegVersion() {
#ifdef LIBJPEG_TURBO_VERSION_NUMBER
  constexpr int kNumber = LIBJPEG_TURBO_VERSION_NUMBER;  // 2001005 is 2.1.5
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d.%d", kNumber / 1000000, kNumber / 1000 % 1000, kNumber % 1000);
  return text;
#else
  return std::to_string(JPEG_LIB_VERSION / 10) + "." + std::to_string(JPEG_LIB_VERSION % 10);
#endif
}

}  // namespace

void AddImagingLibraryVersions(std::vector<LibraryVersion>& list) {
  list.push_back({"libjpeg-turbo", JpegVersion()});
  list.push_back({"libtiff", TiffVersion()});
  list.push_back({"libpng", png_get_libpng_ver(nullptr)});
}

}  // namespace tl
