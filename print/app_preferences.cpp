#include "print/app_preferences.h"

#include <algorithm>
#include <utility>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "layout/units.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kGeneralTabText = 32782;
constexpr int kDirectPrintTabText = 32830;
constexpr int kAddPrinterQuestion = 32885;
constexpr int kDeletePrinterQuestion = 32886;
constexpr int kTitleText = 40701;
constexpr int kUnitText = 40702;
constexpr int kGridText = 40703;
constexpr int kFineControlText = 40704;
constexpr int kArrowKeysText = 40705;
constexpr int kAppStartsText = 40706;
constexpr int kNewDocumentText = 40707;
constexpr int kRecentDocumentText = 40708;
constexpr int kNoDocumentText = 40709;
constexpr int kQuickPrintText = 40710;
constexpr int kEnabledText = 40711;
constexpr int kDisabledText = 40712;
constexpr int kConfirmationText = 40713;
constexpr int kPrintersText = 40714;
constexpr int kDeletePrinterText = 40715;
constexpr int kAddPrinterText = 40716;
constexpr int kPrinterTrayText = 40717;

// The unit combos know mm and inch only.
int16_t ComboUnit(int16_t unit) { return unit == kUnitMillimetre ? kUnitMillimetre : kUnitInch; }

bool InTray(const AppPreferencesForm& form, const std::string& name) {
  return std::find(form.Tray.begin(), form.Tray.end(), name) != form.Tray.end();
}

void SetDisplayUnit(LayoutDocument& d, int16_t unit) {
  d.DisplayUnit = unit;
  d.DisplayUnitName = UnitName(unit);
}

bool Asked(int question) {
  return ShowMessage(question, MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No) == MessageAnswer::Yes;
}

}  // namespace

AppPreferencesTexts LoadAppPreferencesTexts() {
  AppPreferencesTexts t;
  t.Title = StringCopy(kTitleText);
  t.GeneralTab = StringCopy(kGeneralTabText);
  t.DirectPrintTab = StringCopy(kDirectPrintTabText);
  t.Unit = StringCopy(kUnitText);
  t.Grid = StringCopy(kGridText);
  t.FineControl = StringCopy(kFineControlText);
  t.ArrowKeys = StringCopy(kArrowKeysText);
  t.AppStartsWith = StringCopy(kAppStartsText);
  t.NewDocument = StringCopy(kNewDocumentText);
  t.RecentDocument = StringCopy(kRecentDocumentText);
  t.NoDocument = StringCopy(kNoDocumentText);
  t.QuickPrintFunction = StringCopy(kQuickPrintText);
  t.Enabled = StringCopy(kEnabledText);
  t.Disabled = StringCopy(kDisabledText);
  t.ShowConfirmation = StringCopy(kConfirmationText);
  t.Printers = StringCopy(kPrintersText);
  t.DeletePrinter = StringCopy(kDeletePrinterText);
  t.AddPrinter = StringCopy(kAddPrinterText);
  t.PrinterTray = StringCopy(kPrinterTrayText);
  t.Millimetre = std::string(UnitName(kUnitMillimetre));
  t.Inch = std::string(UnitName(kUnitInch));
  return t;
}

AppPreferencesForm OpenAppPreferences(const PreferenceRecord& prefs, const LayoutDocument& document,
                                      std::vector<std::string> printers) {
  AppPreferencesForm form;
  const int16_t unit = ComboUnit(document.DisplayUnit);
  form.Unit = form.GridUnit = form.NudgeUnit = unit;
  form.GridText = LayoutToUnitText(prefs.grid.cx, unit);
  form.NudgeText = LayoutToUnitText(document.NudgeStep, unit);
  form.AppStarts = prefs.appStarts;
  form.QuickPrint = prefs.quickPrint != 0;
  form.ConfirmDialog = prefs.confirmDialogShow != 0;
  form.Printers = std::move(printers);
  // Each button keeps its slot; a slot without a printer stays empty.
  form.Tray = prefs.directPrintPrinter;
  return form;
}

void ChooseGridUnit(AppPreferencesForm& form, int16_t unit, const PreferenceRecord& prefs) {
  form.GridUnit = ComboUnit(unit);
  form.GridText = LayoutToUnitText(prefs.grid.cx, form.GridUnit);
}

void ChooseNudgeUnit(AppPreferencesForm& form, int16_t unit, const LayoutDocument& document) {
  form.NudgeUnit = ComboUnit(unit);
  form.NudgeText = LayoutToUnitText(document.NudgeStep, form.NudgeUnit);
}

std::vector<std::string> TrayEntries(const AppPreferencesForm& form) {
  std::vector<std::string> entries;
  for (const std::string& name : form.Tray)
    if (!name.empty()) entries.push_back(name);
  return entries;
}

bool CanAddPrinter(const AppPreferencesForm& form) { return !form.Candidate.empty() && !InTray(form, form.Candidate); }

bool CanDeletePrinter(const AppPreferencesForm& form) {
  return form.TraySelection >= 0 && size_t(form.TraySelection) < TrayEntries(form).size();
}

bool AddCandidateToTray(AppPreferencesForm& form) {
  if (!CanAddPrinter(form) || !Asked(kAddPrinterQuestion)) return false;
  const auto empty = std::find(form.Tray.begin(), form.Tray.end(), std::string());
  if (empty == form.Tray.end()) return false;
  *empty = form.Candidate;
  return true;
}

bool DeleteChosenFromTray(AppPreferencesForm& form) {
  if (!CanDeletePrinter(form) || !Asked(kDeletePrinterQuestion)) return false;
  const std::string name = TrayEntries(form)[size_t(form.TraySelection)];
  const auto held = std::find(form.Tray.begin(), form.Tray.end(), name);
  // The later slots move up one place; the last one is emptied.
  std::move(held + 1, form.Tray.end(), held);
  form.Tray.back().clear();
  form.TraySelection = -1;
  return true;
}

void StoreAppPreferences(const AppPreferencesForm& form, PreferenceRecord& prefs, LayoutDocument& document) {
  const int16_t unit = ComboUnit(form.Unit);
  prefs.unit = unit;
  for (LayoutDocument* d : {&document, prefs.ApplicationDefaultDocument.get()})
    if (d) SetDisplayUnit(*d, unit);
  const int32_t grid = UnitToLayout(form.GridText, form.GridUnit);
  prefs.grid = {grid, grid};
  prefs.keyMove = UnitToLayout(form.NudgeText, form.NudgeUnit);
  // New layouts take the step from the default document; the open one
  // keeps its own.
  if (LayoutDocument* defaults = prefs.ApplicationDefaultDocument.get()) defaults->NudgeStep = prefs.keyMove;
  prefs.appStarts = form.AppStarts;
  prefs.quickPrint = form.QuickPrint ? 1 : 0;
  prefs.confirmDialogShow = form.ConfirmDialog ? 1 : 0;
  prefs.directPrintPrinter = form.Tray;
}

void TakeApplicationUnits(const PreferenceRecord& prefs, LayoutDocument& document) {
  SetDisplayUnit(document, ComboUnit(prefs.unit));
  document.NudgeStep = prefs.keyMove;
}

}  // namespace tl
