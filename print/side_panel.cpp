#include "print/side_panel.h"

#include <algorithm>

#include "color/profile_roles.h"
#include "document/layout_document.h"
#include "document/message_box.h"
#include "document/view_link.h"
#include "layout/arrange.h"
#include "layout/page_geometry.h"
#include "layout/units.h"
#include "persistence/element_words.h"
#include "print/cups_destination.h"
#include "print/driver_items.h"
#include "resources/string_table.h"

namespace tl {
namespace {

enum PanelText : int {
  kPrintSettingsText = 40601,
  kColorManagementText,
  kTemplateSettingsText,
  kFeederText,
  kPanelPaperSizeText,
  kPanelMediaTypeText,
  kPanelOrientationText,
  kPortraitText,
  kLandscapeText,
  kPanelPaperLengthText,
  kMoreText,
  kRefreshText,
  kPrinterProfileText,
};
constexpr int kPrinterText = 40102;
constexpr int kPrinterNotAvailable = 40014;
constexpr int kFirstRowCaption = 32887;
constexpr const char* kNoValue = "-";
constexpr const char* kFreeLayout = "Free Layout";
constexpr const char* kAutomaticLayout = "Automatic Layout";
constexpr int16_t kSizeByDimensions = 1;

LayoutDocument& Doc(SidePanel& p) { return *p.Document; }

const IdName* FindListed(const std::vector<IdName>& list, int32_t id) {
  for (const IdName& entry : list)
    if (entry.Id == id) return &entry;
  return nullptr;
}

bool Listed(const std::vector<PrinterEntry>& printers, const std::string& name) {
  return std::any_of(printers.begin(), printers.end(), [&](const PrinterEntry& p) { return p.Name == name; });
}

std::string ModelOf(const PrinterSettings& s, const std::string& name) {
  for (const PrinterEntry& printer : s.Printers)
    if (printer.Name == name && !printer.Model.empty() && printer.Model != name) return printer.Model;
  std::string model;
  return s.Extension && ExtensionGetDriverInfo(*s.Extension, model) ? model : std::string();
}

bool Landscape(const LayoutDocument& d) { return d.Orientation == kLandscape; }

// The page length along the paper's run: the height of a portrait page,
// the width of a landscape one.
int32_t AlongRun(const LayoutDocument& d, LSize page) { return Landscape(d) ? page.cx : page.cy; }

int32_t OneBannerPage(const LayoutDocument& d) {
  return AlongRun(d, PageSizeFromPaper(d.Orientation, d.PaperLength, d.PaperWidth));
}

int MostBannerPages(int32_t pageLength) {
  return pageLength > 0 ? std::max(kBannerCountMin, int(kBannerLengthLimit / pageLength)) : kBannerCountMax;
}

// The count a banner of the layout's current length shows.
void ReadBannerCount(SidePanel& p) {
  const LayoutDocument& d = *p.Document;
  p.BannerPageLength = OneBannerPage(d);
  p.BannerCount = kBannerCountMin;
  if (!d.Banner || p.BannerPageLength <= 0) return;
  const int32_t length = AlongRun(d, {d.PageWidth, d.PageHeight});
  const int nearest = int((int64_t(length) + p.BannerPageLength / 2) / p.BannerPageLength);
  p.BannerCount = std::clamp(nearest, kBannerCountMin, std::min(kBannerCountMax, MostBannerPages(p.BannerPageLength)));
}

// The printer to try first: the wanted one when listed, else the first.
std::string FirstChoice(const PrinterSettings& s, const std::string& preferred) {
  if (Listed(s.Printers, preferred)) return preferred;
  return s.Printers.empty() ? std::string() : s.Printers.front().Name;
}

// The paper the driver holds, with its sides as the layout keeps them
// (unturned). A banner keeps the length of its pages on the roll.
void ReadPaper(SidePanel& p) {
  LayoutDocument& d = Doc(p);
  ItemRecord paper;
  if (!ExtensionGetData(*p.Settings->Extension, kItemPaperSize, paper)) return;
  const std::vector<int32_t>& f = paper.Fields;
  d.PaperSizeID = int16_t(f[kPaperId]);
  d.PaperWidth = f[Landscape(d) ? kPaperHeight : kPaperWidth];
  if (!d.Banner || d.PaperLength <= 0) d.PaperLength = f[Landscape(d) ? kPaperWidth : kPaperHeight];
}

void StoreNames(SidePanel& p) {
  LayoutDocument& d = Doc(p);
  const PrinterSettings& s = *p.Settings;
  d.PrinterModel = ModelOf(s, d.PrinterName);
  if (d.PaperSizeID != kCustomPaperSize) d.PaperSize = PanelListedName(s.PaperSizes, d.PaperSizeID);
  d.PaperSource = PanelListedName(s.PaperSources, d.PaperSourceID);
  d.MediaType = PanelListedName(s.MediaTypes, d.MediaTypeID);
}

// The layout's values given to its printer, and what the printer then
// holds taken back: a value it refuses or lacks leaves its own.
void GiveLayoutValues(SidePanel& p) {
  LayoutDocument& d = Doc(p);
  DriverExtension& x = *p.Settings->Extension;
  // A page of the layout's own size has no paper of the printer.
  const bool ownPage = d.PaperSizeID == kCustomPaperSize;
  ExtensionSetValue(x, kItemOrientation, Landscape(d) ? kLandscape : kPortrait);
  if (!ownPage) ExtensionSetValue(x, kItemPaperSize, d.PaperSizeID);
  ExtensionSetValue(x, kItemPaperSource, d.Banner && HasRollSource(x.Caps) ? kSourceRoll : d.PaperSourceID);
  if (!x.Caps.MediaTypes.empty()) ExtensionSetValue(x, kItemMediaType, d.MediaTypeID);

  if (!ownPage) ReadPaper(p);
  ItemRecord record;
  if (ExtensionGetData(x, kItemPaperSource, record)) d.PaperSourceID = int16_t(record.Fields[0]);
  if (!x.Caps.MediaTypes.empty() && ExtensionGetData(x, kItemMediaType, record)) d.MediaTypeID = record.Fields[0];
  StoreNames(p);
  TakeRecommendedProfile(d, *p.Settings);
}

// The page from the paper (a banner: its count of pages along the run),
// PrintableRect and the page limit; the layout is arranged again.
void UpdatePage(SidePanel& p) {
  LayoutDocument& d = Doc(p);
  LSize page = PageSizeFromPaper(d.Orientation, d.PaperLength, d.PaperWidth);
  if (d.PaperSizeID == kCustomPaperSize) page = {d.PageWidth, d.PageHeight};
  if (d.Banner) (Landscape(d) ? page.cx : page.cy) = p.BannerCount * p.BannerPageLength;
  d.PageWidth = page.cx;
  d.PageHeight = page.cy;
  UpdatePageGeometry(d);
  if (LayoutObject* first = d.Objects.Head) first->NeedsRedraw = 1;
  ArrangeLayout(d);
}

std::string Word(WordTable table, int32_t value, const char* fallback) {
  std::string_view word;
  return WordOf(table, value, word) ? std::string(word) : std::string(fallback);
}

// The template settings as a template of this layout would hold them.
std::vector<PanelRow> TemplateRows(const SidePanel& p) {
  const LayoutDocument& d = *p.Document;
  const PrinterSettings& s = *p.Settings;
  const ImageObject* defaults = d.DefaultImageSettings;
  const LSize imageSize = defaults ? defaults->Size : LSize{};
  const bool byDimensions = defaults && defaults->SizeMethod == kSizeByDimensions;
  const std::string values[kTemplateSettingsRowCount] = {
      d.TemplateName,
      d.Comment,
      d.PrinterName,
      PanelListedName(s.PaperSources, d.PaperSourceID),
      d.PaperSizeID == kCustomPaperSize ? d.PaperSize : PanelListedName(s.PaperSizes, d.PaperSizeID),
      d.Banner ? std::to_string(p.BannerCount) : kNoValue,
      PanelListedName(s.MediaTypes, d.MediaTypeID),
      Word(PageOrientationWords(), d.Orientation, kNoValue),
      Word(InkWords(), d.Color, kNoValue),
      d.Free ? kFreeLayout : kAutomaticLayout,
      "Width = " + std::to_string(imageSize.cx) + ", Height = " + std::to_string(imageSize.cy) + "\n",
      byDimensions ? Word(ImageOptionWords(), defaults->SizeImageOption, kNoValue) : kNoValue,
      Word(AutoRotationWords(), d.AutoRotation, "Off"),
  };
  std::vector<PanelRow> rows;
  for (int i = 0; i < kTemplateSettingsRowCount; ++i) rows.push_back({StringCopy(kFirstRowCaption + i), values[i]});
  return rows;
}

void ReadPrinterProfiles(SidePanel& p) {
  const LayoutDocument& d = *p.Document;
  p.PrinterProfiles = ListProfiles(ProfileListSet::Output, d.OutputPrinterProfile).Printer;
  PanelSyncPrinterProfiles(p);
}

// A change the user made: applied, and the layout marked changed.
bool Changed(SidePanel& p) {
  Doc(p).Modified = 1;
  PanelApply(p);
  return true;
}

bool OpenPrinter(SidePanel& p, const std::string& name) {
  PrinterSettings& s = *p.Settings;
  if (s.Extension && s.Extension->PrinterName == name) return true;
  PrinterSettings next;
  if (!PrinterSettingsOpen(next, name)) return false;
  next.Printers = std::move(s.Printers);
  s = std::move(next);
  return true;
}

// Another printer for the layout: its lists, banner mode cleared, the
// layout's values given to it. False (nothing changed) when it does not
// open.
bool SwitchPrinter(SidePanel& p, const std::string& name) {
  LayoutDocument& d = Doc(p);
  if (!OpenPrinter(p, name)) return false;
  d.PrinterName = name;
  d.Banner = 0;
  p.BannerCount = kBannerCountMin;
  p.Enabled.PaperLength = false;
  p.Enabled.MediaType = !p.Settings->MediaTypes.empty();
  GiveLayoutValues(p);
  p.BannerPageLength = OneBannerPage(d);
  ReadPrinterProfiles(p);
  return Changed(p);
}

}  // namespace

PanelTexts LoadPanelTexts() {
  PanelTexts t;
  t.PrintSettings = StringCopy(kPrintSettingsText);
  t.ColorManagement = StringCopy(kColorManagementText);
  t.TemplateSettings = StringCopy(kTemplateSettingsText);
  t.Printer = StringCopy(kPrinterText);
  t.Feeder = StringCopy(kFeederText);
  t.PaperSize = StringCopy(kPanelPaperSizeText);
  t.MediaType = StringCopy(kPanelMediaTypeText);
  t.Orientation = StringCopy(kPanelOrientationText);
  t.Portrait = StringCopy(kPortraitText);
  t.Landscape = StringCopy(kLandscapeText);
  t.PaperLength = StringCopy(kPanelPaperLengthText);
  t.Millimetre = std::string(UnitName(kUnitMillimetre));
  t.Inch = std::string(UnitName(kUnitInch));
  t.More = StringCopy(kMoreText);
  t.Refresh = StringCopy(kRefreshText);
  t.PrinterProfile = StringCopy(kPrinterProfileText);
  return t;
}

std::string PanelListedName(const std::vector<IdName>& list, int32_t id) {
  const IdName* entry = FindListed(list, id);
  return entry ? entry->Name : std::string();
}

bool PanelAttach(SidePanel& p, LayoutDocument& d, PrinterSettings& s) {
  p.Document = &d;
  p.Settings = &s;
  p.LengthUnit = d.DisplayUnit == kUnitInch ? kUnitInch : kUnitMillimetre;
  if (s.Printers.empty()) s.Printers = ListPrinters(s.Extension.get());
  // A layout without a printer takes the system's default one.
  const std::string wanted = d.PrinterName.empty() ? CupsDefaultDestination() : d.PrinterName;
  std::vector<std::string> candidates = {FirstChoice(s, wanted)};
  for (const PrinterEntry& printer : s.Printers) candidates.push_back(printer.Name);
  const struct {
    int16_t Id;
    int32_t Length, Width;
  } paperBefore = {d.PaperSizeID, d.PaperLength, d.PaperWidth};
  bool opened = false;
  for (const std::string& name : candidates)
    if (!name.empty() && (opened = OpenPrinter(p, name))) break;
  if (!opened) return false;
  d.PrinterName = s.Extension->PrinterName;
  GiveLayoutValues(p);
  ReadBannerCount(p);
  // A paper the printer lacks gave way to its own: the page follows.
  if (d.PaperSizeID != paperBefore.Id || d.PaperLength != paperBefore.Length || d.PaperWidth != paperBefore.Width)
    UpdatePage(p);
  p.Enabled.PaperLength = d.Banner != 0;
  p.Enabled.MediaType = !s.MediaTypes.empty();
  ReadPrinterProfiles(p);
  p.TemplateRows = TemplateRows(p);
  return true;
}

bool PanelChoosePrinter(SidePanel& p, const std::string& name) {
  if (p.Settings->Extension && p.Settings->Extension->PrinterName == name) return true;
  if (SwitchPrinter(p, name)) return true;
  ShowMessageText(StringWith(kPrinterNotAvailable, {name}), MessageIcon::Exclamation);
  return false;
}

bool PanelChoosePaperSource(SidePanel& p, int32_t id) {
  LayoutDocument& d = Doc(p);
  DriverExtension& x = *p.Settings->Extension;
  if (!FindListed(p.Settings->PaperSources, id) || !ExtensionSetValue(x, kItemPaperSource, id)) return false;
  d.PaperSourceID = int16_t(id);
  d.PaperSource = PanelListedName(p.Settings->PaperSources, id);
  const bool roll = id == kSourceRoll;
  if (roll && !d.Banner) p.BannerCount = kBannerCountMin;
  d.Banner = roll ? 1 : 0;
  p.Enabled.PaperLength = roll;
  if (roll && HasRollSource(x.Caps)) {
    // The roll's own settings, as a banner job writes them.
    ItemRecord flags;
    if (ExtensionGetData(x, kItemBannerFlags, flags)) {
      flags.Fields[kRecordValue] = (flags.Fields[kRecordValue] & kBannerKeptFlags) | kBannerFlags;
      ExtensionSetData(x, kItemBannerFlags, flags);
    }
  }
  p.BannerPageLength = OneBannerPage(d);
  p.BannerCount = std::min(p.BannerCount, MostBannerPages(p.BannerPageLength));
  return Changed(p);
}

bool PanelChoosePaperSize(SidePanel& p, int32_t id) {
  LayoutDocument& d = Doc(p);
  if (!FindListed(p.Settings->PaperSizes, id) || !ExtensionSetValue(*p.Settings->Extension, kItemPaperSize, id))
    return false;
  ReadPaper(p);
  d.PaperSize = PanelListedName(p.Settings->PaperSizes, d.PaperSizeID);
  d.UserDefinedPageInUse = 0;
  p.BannerPageLength = OneBannerPage(d);
  p.BannerCount = std::min(p.BannerCount, MostBannerPages(p.BannerPageLength));
  return Changed(p);
}

bool PanelChooseMediaType(SidePanel& p, int32_t id) {
  LayoutDocument& d = Doc(p);
  if (!FindListed(p.Settings->MediaTypes, id) || !ExtensionSetValue(*p.Settings->Extension, kItemMediaType, id))
    return false;
  d.MediaTypeID = id;
  d.MediaType = PanelListedName(p.Settings->MediaTypes, id);
  TakeRecommendedProfile(d, *p.Settings);
  ReadPrinterProfiles(p);
  return Changed(p);
}

bool PanelChooseOrientation(SidePanel& p, int16_t orientation) {
  LayoutDocument& d = Doc(p);
  if (orientation != kPortrait && orientation != kLandscape) return false;
  if (!ExtensionSetValue(*p.Settings->Extension, kItemOrientation, orientation)) return false;
  d.Orientation = orientation;
  d.PaperOrient = orientation == kLandscape ? 1 : 0;
  p.BannerPageLength = OneBannerPage(d);
  p.BannerCount = std::min(p.BannerCount, MostBannerPages(p.BannerPageLength));
  return Changed(p);
}

int PanelSetBannerCount(SidePanel& p, int count) {
  count = std::clamp(count, kBannerCountMin, kBannerCountMax);
  // Beyond 15 m the banner is cut back to the pages that fit.
  count = std::min(count, MostBannerPages(p.BannerPageLength));
  if (count != p.BannerCount || AlongRun(*p.Document, {p.Document->PageWidth, p.Document->PageHeight}) !=
                                    count * p.BannerPageLength) {
    p.BannerCount = count;
    Changed(p);
  }
  return p.BannerCount;
}

bool PanelSetBannerLengthText(SidePanel& p, std::string_view text) {
  if (p.BannerPageLength <= 0) return false;
  const int64_t length = UnitToLayout(text, p.LengthUnit);
  if (length <= 0) return false;
  const int64_t count = (length + p.BannerPageLength / 2) / p.BannerPageLength;
  PanelSetBannerCount(p, int(std::clamp<int64_t>(count, kBannerCountMin, kBannerCountMax)));
  return true;
}

std::string PanelBannerLengthText(const SidePanel& p) {
  return LayoutToUnitText(p.BannerCount * p.BannerPageLength, p.LengthUnit);
}

void PanelChooseLengthUnit(SidePanel& p, int16_t unit) {
  if (unit == kUnitMillimetre || unit == kUnitInch) p.LengthUnit = unit;
}

bool PanelChoosePrinterProfile(SidePanel& p, int position) {
  LayoutDocument& d = Doc(p);
  if (!p.Enabled.PrinterProfile || position < 0 || size_t(position) >= p.PrinterProfiles.size()) return false;
  d.OutputPrinterProfileState = int16_t(position);
  d.OutputPrinterProfile = p.PrinterProfiles[size_t(position)].FileName;
  TakeRecommendedProfile(d, *p.Settings);
  p.PrinterProfilePosition = position;
  for (LayoutObject* object : d.Objects)
    if (ImageObject* image = AsImage(object)) image->NeedsRedraw = 1;
  d.Modified = 1;
  return true;
}

void PanelSyncPrinterProfiles(SidePanel& p) {
  const LayoutDocument& d = *p.Document;
  p.Enabled.PrinterProfile = d.OutputPrinterControls == kByApplication;
  p.PrinterProfilePosition = 0;
  if (!p.Enabled.PrinterProfile) return;
  // The stored position where it still names the stored profile; else the
  // profile where the list holds it; else the recommended entry.
  const int stored = d.OutputPrinterProfileState;
  const ProfileList& list = p.PrinterProfiles;
  if (stored > 0 && size_t(stored) < list.size() && list[size_t(stored)].FileName == d.OutputPrinterProfile) {
    p.PrinterProfilePosition = stored;
    return;
  }
  for (size_t i = 1; stored > 0 && i < list.size(); ++i)
    if (list[i].FileName == d.OutputPrinterProfile) p.PrinterProfilePosition = int(i);
}

bool PanelRefreshPrinters(SidePanel& p) {
  PrinterSettings& s = *p.Settings;
  // Every printer asked again, the open one too: it may be the one gone.
  s.Printers = ListPrinters();
  if (s.Extension && Listed(s.Printers, s.Extension->PrinterName)) return false;
  for (const PrinterEntry& printer : std::vector<PrinterEntry>(s.Printers))
    if (SwitchPrinter(p, printer.Name)) return true;
  return false;
}

void PanelRefresh(SidePanel& p) {
  if (!p.Document || !p.Settings) return;
  p.Enabled.PaperLength = p.Document->Banner != 0;
  PanelSyncPrinterProfiles(p);
  p.TemplateRows = TemplateRows(p);
}

void PanelApply(SidePanel& p) {
  LayoutDocument& d = Doc(p);
  LRect margins = d.PrinterMargins;
  if (p.Settings->Extension) ReadPrintableMargins(*p.Settings->Extension, margins);
  if (d.Banner) {
    // A banner runs on without margins along the paper.
    if (Landscape(d))
      margins.left = margins.right = 0;
    else
      margins.top = margins.bottom = 0;
  }
  d.PrinterMargins = margins;
  if (d.LayoutMarginMode == 0) d.LayoutMargin = margins;
  UpdatePage(p);
  p.TemplateRows = TemplateRows(p);
  if (d.View) d.View->Invalidate();
}

}  // namespace tl
