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

// An importer older than 5.0 counts as absent: every call would fail.
ExtendedFormatImporter* InstalledExtendedFormatImporter() { return QuickTimeAvailable() ? g_importer : nullptr; }

bool QuickTimeAvailable() { return QuickTimeVersion() >= kQuickTimeMinimumVersion; }

uint16_t QuickTimeVersion() { return g_importer ? g_importer->Version() : 0; }

CaptureMatcher* SetCaptureMatcher(CaptureMatcher* matcher) {
  CaptureMatcher* previous = g_matcher;
  g_matcher = matcher;
  return previous;
}

CaptureMatcher* InstalledCaptureMatcher() { return g_matcher; }

}  // namespace tl
