// The layout side panel without its widgets: what each control of its three
// sections ("Print Settings", "Color Management", "Template Settings")
// shows for a document, what a change writes to the document and to its
// printer, and the page geometry every change leaves. Each change is
// applied at once: margins, printable area, arrangement, redraw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "color/profile_list.h"
#include "print/printer_settings.h"

namespace tl {

struct LayoutDocument;

// A banner is at most 15 m long; the spinner counts banner pages.
constexpr int32_t kBannerLengthLimit = 212598;
constexpr int kBannerCountMin = 1;
constexpr int kBannerCountMax = 10000;
constexpr int kTemplateSettingsRowCount = 13;

struct PanelRow {
  std::string Caption;
  std::string Value;
};

// Which controls can be used.
struct PanelControls {
  bool PaperLength = false;     // the length field, its spinner and unit list: banner mode
  bool PrinterProfile = false;  // the printer profile list: matched by the application
  bool MediaType = false;       // the printer lists media types
};

struct PanelTexts {
  std::string PrintSettings, ColorManagement, TemplateSettings;  // the section headers
  std::string Printer, Feeder, PaperSize, MediaType, Orientation, Portrait, Landscape, PaperLength;
  std::string Millimetre, Inch, More, Refresh, PrinterProfile;
};
PanelTexts LoadPanelTexts();

struct SidePanel {
  LayoutDocument* Document = nullptr;
  PrinterSettings* Settings = nullptr;  // the document's own
  int32_t BannerPageLength = 0;         // one banner page along the paper's run, layout units
  int32_t BannerCount = 1;
  int16_t LengthUnit = 1;               // the unit list: 1 mm, 2 inch
  ProfileList PrinterProfiles;          // "Recommended by ORVEX", the default, then the others
  int PrinterProfilePosition = 0;
  PanelControls Enabled;
  std::vector<PanelRow> TemplateRows;
};

// Fills the panel from the document, opening the document's printer (the
// CUPS default for a layout that names none) into `settings` unless it is
// open already. A printer that is not listed, or does not open, is replaced
// by the first listed printer that does. The driver is given the layout's
// values; where it refuses one (or the printer lacks it) the layout takes
// what the printer really has. The layout's margins stay as they are.
// False when no printer opens at all.
bool PanelAttach(SidePanel& panel, LayoutDocument& document, PrinterSettings& settings);

// The panel's controls, each applied at once (PanelApply) and marking the
// layout changed. False, with nothing changed, for a value the printer does
// not list or refuses, and for a printer that cannot be opened (with the
// message).
bool PanelChoosePrinter(SidePanel& panel, const std::string& printerName);
bool PanelChoosePaperSource(SidePanel& panel, int32_t sourceId);
bool PanelChoosePaperSize(SidePanel& panel, int32_t paperId);
bool PanelChooseMediaType(SidePanel& panel, int32_t mediaTypeId);
bool PanelChooseOrientation(SidePanel& panel, int16_t orientation);

// The banner length in banner pages (1 to 10000), cut back silently so
// that the banner stays within 15 m; returns the count kept. Typed as a
// length in the unit list's unit it becomes the nearest count.
int PanelSetBannerCount(SidePanel& panel, int count);
bool PanelSetBannerLengthText(SidePanel& panel, std::string_view text);
std::string PanelBannerLengthText(const SidePanel& panel);
void PanelChooseLengthUnit(SidePanel& panel, int16_t unit);

// "Printer Profile :": the entry's position is the state, its file name
// the name of OutputPrinterProfile.
bool PanelChoosePrinterProfile(SidePanel& panel, int position);
// The list again after the output colour settings changed: the stored
// position when matched by the application, else the first entry and the
// list disabled.
void PanelSyncPrinterProfiles(SidePanel& panel);

// "Refresh": the printer list read again. A printer that went away is
// replaced by the first listed one (true then).
bool PanelRefreshPrinters(SidePanel& panel);

// The layout changed elsewhere (a dialog, a command): the template
// settings rows and the printer profile list's state follow it.
void PanelRefresh(SidePanel& panel);

// The printable margins of the printer's current settings (0 along a
// banner's run), the layout margins where the layout follows the printer,
// the page, PrintableRect, the arrangement and the template settings rows;
// the view is asked to redraw.
void PanelApply(SidePanel& panel);

// The names the lists show for the layout's values; empty when not listed.
std::string PanelListedName(const std::vector<IdName>& list, int32_t id);

}  // namespace tl
