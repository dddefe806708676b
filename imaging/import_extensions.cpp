#include "imaging/import_extensions.h"

namespace tl {
namespace {

// Installed once at start-up and used by the user interface thread only.
ExtendedFormatImporter* g_importer = nullptr;
CaptureMatcher* g_matcher = nullptr;

}  // namespace

ExtendedFormatImporter* SetExtendedFormatImporter(ExtendedFormatImporter* importer) {
  ExtendedFormatImporter* previous = g_importer;
  g_importer = importer;
  return previous;
}

ExtendedFormatImporter* InstalledExtendedFormatImporter() { return g_importer; }

bool QuickTimeAvailable() { return g_importer != nullptr; }

CaptureMatcher* SetCaptureMatcher(CaptureMatcher* matcher) {
  CaptureMatcher* previous = g_matcher;
  g_matcher = matcher;
  return previous;
}

CaptureMatcher* InstalledCaptureMatcher() { return g_matcher; }

}  // namespace tl
