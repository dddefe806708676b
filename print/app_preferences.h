// The "Preferences" dialog without its widgets: what its two pages show
// ("General Settings": units, grid, arrow-key step, what the program starts
// with, quick print; "Direct-Print": the printers and the tray of the
// direct print window), what each control does, and what OK writes. The
// dialog works on a form of its own, so Cancel changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "layout/number_field.h"
#include "persistence/preferences.h"

namespace tl {

struct LayoutDocument;

// The number fields: 0 to 32000, at most 9 characters.
inline constexpr NumberFieldRange kPreferenceNumberRange = {0, 32000, 9};

struct AppPreferencesForm {
  // General Settings
  int16_t Unit = 1;        // "Unit:" 1 mm, 2 inch
  std::string GridText;    // "Glidline Every:"
  int16_t GridUnit = 1;
  std::string NudgeText;   // "Arrow-Key Increments:"
  int16_t NudgeUnit = 1;
  int16_t AppStarts = 0;   // 0 new, 1 recently edited, 2 no document
  bool QuickPrint = false;
  bool ConfirmDialog = true;
  // Direct-Print: the printers to choose from and the working copy of the
  // eight tray slots (empty: no printer).
  std::vector<std::string> Printers;
  std::array<std::string, kDirectPrintPrinterCount> Tray;
  std::string Candidate;   // the printer chosen in "Printers:"
  int TraySelection = -1;  // the entry chosen in "Printer Tray:"
};

struct AppPreferencesTexts {
  std::string Title, GeneralTab, DirectPrintTab, Unit, Grid, FineControl, ArrowKeys, AppStartsWith, NewDocument,
      RecentDocument, NoDocument, QuickPrintFunction, Enabled, Disabled, ShowConfirmation, Printers, DeletePrinter,
      AddPrinter, PrinterTray, Millimetre, Inch;
};
AppPreferencesTexts LoadAppPreferencesTexts();

// The form for `document` (the active layout, or the application default
// document when none is active), listing `printers`.
AppPreferencesForm OpenAppPreferences(const PreferenceRecord& prefs, const LayoutDocument& document,
                                      std::vector<std::string> printers);

// A unit chosen beside a number field: the field shows the stored value
// again in that unit, replacing what was typed.
void ChooseGridUnit(AppPreferencesForm& form, int16_t unit, const PreferenceRecord& prefs);
void ChooseNudgeUnit(AppPreferencesForm& form, int16_t unit, const LayoutDocument& document);

// The printer tray: its entries (the non-empty slots in slot order).
std::vector<std::string> TrayEntries(const AppPreferencesForm& form);
// "Add Printer" needs a candidate that the tray does not hold yet.
bool CanAddPrinter(const AppPreferencesForm& form);
// "Delete Printer" needs a chosen tray entry.
bool CanDeletePrinter(const AppPreferencesForm& form);
// Asks "Add Printer To Printer Tray"; on Yes the candidate takes the first
// empty slot. False when nothing was added (No, or all eight slots taken).
bool AddCandidateToTray(AppPreferencesForm& form);
// Asks "Delete Printer In Printer Tray"; on Yes the chosen entry leaves the
// tray and the later slots move up one place. False when nothing changed.
bool DeleteChosenFromTray(AppPreferencesForm& form);

// OK: the unit becomes the document's and the preference; the grid pitch
// both ways, the arrow-key step (for documents made later; the open ones
// keep theirs), the start-up choice, quick print and its confirmation and
// the eight direct print printers are stored in the preferences.
void StoreAppPreferences(const AppPreferencesForm& form, PreferenceRecord& prefs, LayoutDocument& document);

// A layout made or opened takes the application's unit of lengths and
// arrow-key step, which layout files do not carry.
void TakeApplicationUnits(const PreferenceRecord& prefs, LayoutDocument& document);

}  // namespace tl
