// The application preferences: PreferenceRecord with its defaults, the
// ApplicationDefaultDocument that new layouts start from, and the
// preferences file "Tessaline 1.5(E) Preferences.INI" in the configuration
// folder, read at start-up and written at exit in the settings text format.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/geometry.h"
#include "document/layout_document.h"

namespace tl {

inline constexpr int kPreferencesFileString = 10029;
inline constexpr int kDirectPrintPrinterCount = 8;

enum AppStartsCode : int16_t { kStartNewDocument = 0, kStartRecentDocument = 1, kStartNoDocument = 2 };

struct PreferenceRecord {
  int16_t version = 1500;
  int16_t platform = 1;
  int32_t infoShow = 0;
  LPoint infoOrigin;
  int32_t scopeShow = 0;
  LPoint scopeOrigin;
  int32_t scopeSize = 450;
  int16_t scopeMode = 3;
  int32_t rulerShow = 0;
  LSize grid = {70, 70};  // horizontal, vertical pitch
  int32_t gridShow = 0;
  int32_t gridAlign = 0;
  int16_t unit = 1;  // 1 mm, 2 inch
  int32_t keyMove = 14;
  int16_t appStarts = kStartNewDocument;
  int32_t quickPrint = 0;
  int32_t confirmDialogShow = 1;
  std::array<std::string, kDirectPrintPrinterCount> directPrintPrinter;
  int32_t directPrintShow = 0;
  LPoint directPrintPos = {40, 40};
  int16_t hideQTAlert = 0;
  // Seeds new layouts; RecordState 0, so no arrangement touches it.
  DocumentPtr ApplicationDefaultDocument;
};

// Sets every default (window positions from the screen width) and makes
// the application default document. False when memory cannot be had.
bool SetPreferenceDefaults(PreferenceRecord& record, int32_t screenWidth);

// The preferences file in the configuration folder.
std::string PreferencesFilePath();

// Reads the file into `record` (which holds the defaults). A missing file
// is created empty; a file that cannot be read or created is reported with
// the system's message and the defaults stay. What the file holds never
// stops the reading: unknown keys and values that do not parse leave their
// fields as they were. False only when the record has no default document.
bool LoadPreferences(PreferenceRecord& record, const std::string& path = PreferencesFilePath());

// Writes the file from `record`; the old file is replaced only by a
// complete new one. On failure the system's message is shown and the old
// file stays.
bool SavePreferences(const PreferenceRecord& record, const std::string& path = PreferencesFilePath());

// The settings text itself, for the file and for tests.
std::string PreferencesText(const PreferenceRecord& record);
void ReadPreferencesText(std::string_view text, PreferenceRecord& record);

}  // namespace tl
