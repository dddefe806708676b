// The "Print Preferences" dialog without its widgets: the values it shows,
// which of its controls can be used, and what each control writes to the
// driver and reads back from it. The dialog works on a printer of its own,
// so the document and its print settings change only on OK.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/geometry.h"
#include "print/printer_settings.h"

namespace tl {

struct LayoutDocument;

// The document fields the dialog writes.
struct PrintFields {
  std::string PrinterName;
  int16_t Orientation = 1;  // 1 portrait, 2 landscape
  int16_t PaperSizeID = 0;
  int32_t PaperLength = 0;  // 0.1 mm; for roll paper the length of the sheet
  int32_t PaperWidth = 0;   // 0.1 mm
  int16_t PaperSourceID = 0;
  int32_t MediaTypeID = 0;
  int16_t AutoMode = 0;
  int16_t Color = 0;  // 2 colour, 1 black, 256 Duotint
  int16_t PrintableArea = 0;  // 0 standard, 1 maximum
  int32_t Centerd = 0;
  int32_t HighSpeed = 0;
  std::string UserPreset;
  int32_t Banner = 0;

  bool operator==(const PrintFields&) const = default;
};

PrintFields PrintFieldsOf(const LayoutDocument& document);
void StorePrintFields(const PrintFields& fields, LayoutDocument& document);

// Which controls can be used. The printable-area controls follow item 204:
// without it both are disabled and cleared, with it "Standard"/"Maximum"
// and "Centerd" follow its two bits.
struct PrintControls {
  bool PaperSize = false;
  bool PaperSource = false;
  bool PaperLength = false;  // shown for roll paper only
  bool AreaChoice = false;   // "Standard" and "Maximum"
  bool Centerd = false;
  bool AreaCleared = true;   // neither "Standard" nor "Maximum" is shown chosen
  bool MediaType = false;
  bool Color = false;
  bool Black = false;
  bool Duotint = false;
  bool Photo = false;
  bool Quality = false;
  bool Speed = false;
  bool HighSpeed = false;
  bool OptimizeResolution = false;  // no driver here offers it
  bool UserPresets = false;
};

// The texts of the dialog's controls.
struct PrintPreferencesTexts {
  std::string Title, Printer, PaperSource, PaperSize, PaperLength, Millimetre, Inch, Orientation, PrintableArea,
      Standard, Maximum, Centerd, MediaType, Ink, Color, Black, Duotint, Mode, Photo, Quality, Speed, HighSpeed,
      OptimizeResolution, DriverSettings;
};
PrintPreferencesTexts LoadPrintPreferencesTexts();

struct PrintPreferences {
  PrinterSettings Settings;  // the dialog's printer, with the printer list and its lists
  PrintFields Fields;
  int32_t PrintMode = 2;  // "Photo" 1, "Quality" 2, "Speed" 3; the layout keeps it in AutoMode
  LSize PageSize;         // from the paper, layout units
  LRect PrinterMargins;   // printable margins of item 30, layout units
  int16_t PaperLengthUnit = 1;  // the "Paper Length :" unit box: 1 mm, 2 inch
  std::vector<std::string> UserPresets;
  PrintControls Enabled;
  PrintPreferencesTexts Texts;
};

// Opens the dialog on the document's printer, or on the first printer of
// the list when the document's is not in it, starting from the document's
// current driver settings. Every value the document holds that the printer
// does not list becomes the list's first entry. False without a printer.
bool OpenPrintPreferences(const LayoutDocument& document, const PrinterSettings& settings, PrintPreferences& prefs);

// "Printer :": the printer is opened plainly and the dialog's values given
// to it (the first entry where it lacks one). Refused, with the message,
// for a printer that cannot be opened, and for a banner on a printer
// without roll paper.
bool ChoosePrinter(PrintPreferences& prefs, const std::string& printerName);

// Each control writes its item and reads the settings back; false (and
// nothing changed) when the driver refuses the value.
bool ChoosePaperSize(PrintPreferences& prefs, int32_t paperId);
bool ChoosePaperSource(PrintPreferences& prefs, int32_t sourceId);
bool ChooseOrientation(PrintPreferences& prefs, int16_t orientation);
bool ChoosePrintableArea(PrintPreferences& prefs, int16_t area);
bool ChooseCentered(PrintPreferences& prefs, bool centered);
bool ChooseMediaType(PrintPreferences& prefs, int32_t mediaTypeId);
bool ChooseInk(PrintPreferences& prefs, int16_t ink);
bool ChoosePrintMode(PrintPreferences& prefs, int32_t mode);
bool ChooseHighSpeed(PrintPreferences& prefs, bool highSpeed);

// "Paper Length :" for roll paper, typed in the unit of the unit box.
// Out of range ("Out of range.") when nothing would print on the sheet
// or it is longer than the roll.
std::string RollPaperLengthText(const PrintPreferences& prefs);
bool SetRollPaperLength(PrintPreferences& prefs, std::string_view text);
void ChoosePaperLengthUnit(PrintPreferences& prefs, int16_t unit);

// User presets of the printer: applying one takes all its settings.
bool ChooseUserPreset(PrintPreferences& prefs, const std::string& name);
bool SaveUserPresetAs(PrintPreferences& prefs, const std::string& name);

// Banner mode needs roll paper; refused with the warning otherwise.
bool ChooseBannerMode(PrintPreferences& prefs, bool banner);

// One line per setting, for the summary text of the dialog.
std::string PrintPreferencesSummary(const PrintPreferences& prefs);

// OK: the document's print settings are reopened from the dialog's
// setting block and every value is copied into the document, which takes
// the page size and printable margins of the new paper. Refused (nothing
// changed, the dialog stays) when the layout would lie outside the new
// printable area, when a banner meets a printer without roll paper, or
// when the printer cannot be reopened.
bool ApplyPrintPreferences(PrintPreferences& prefs, LayoutDocument& document, PrinterSettings& settings);

}  // namespace tl
