#include "print/print_preferences.h"

#include <algorithm>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "document/view_link.h"
#include "layout/layout_mode.h"
#include "layout/page_geometry.h"
#include "layout/units.h"
#include "print/driver_items.h"
#include "resources/string_table.h"

namespace tl {
namespace {

enum PreferenceText : int {
  kTitleText = 40101,
  kPrinterText,
  kPaperSourceText,
  kPaperSizeText,
  kPaperLengthText,
  kOrientationText,
  kPrintableAreaText,
  kStandardText,
  kMaximumText,
  kCenterdText,
  kMediaTypeText,
  kInkText,
  kBlackText,
  kModeText,
  kPhotoText,
  kQualityText,
  kSpeedText,
  kHighSpeedText,
  kOptimizeResolutionText,
  kDriverSettingsText,
};
// Shared with the print information line.
constexpr int kDuotintText = 10684;
constexpr int kColorText = 10685;

constexpr int kOutOfRange = 10410;
constexpr int kPrinterNotAvailable = 40014;

// Item 212 carries its value in its first field.
constexpr size_t kHighSpeedField = 0;
// A roll sheet is at most as long as the longest layout (15 m).
constexpr int32_t kLongestRollSheet = 150000;
// 0.1 mm per inch, to write roll lengths in the unit box's unit.
constexpr int32_t kTenthsPerInch = 254;

int32_t FieldOf(const ItemRecord& record, size_t index, int32_t fallback = 0) {
  return index < record.Fields.size() ? record.Fields[index] : fallback;
}

std::vector<int32_t> Range(const DriverExtension& x, uint16_t item) {
  std::vector<int32_t> values;
  ExtensionGetRange(x, item, values);
  return values;
}

bool Offers(const std::vector<int32_t>& values, int32_t value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

const IdName* FindListed(const std::vector<IdName>& list, int32_t id) {
  for (const IdName& entry : list)
    if (entry.Id == id) return &entry;
  return nullptr;
}

std::string ListedName(const std::vector<IdName>& list, int32_t id) {
  const IdName* entry = FindListed(list, id);
  return entry ? entry->Name : std::string();
}

// What the dialog shows for a held value: the value when listed, else the
// list's first entry (the value itself when the list is empty).
int32_t ListedOrFirst(const std::vector<IdName>& list, int32_t held) {
  return list.empty() || FindListed(list, held) ? held : list.front().Id;
}

int32_t OfferedOrFirst(const std::vector<int32_t>& values, int32_t held) {
  return values.empty() || Offers(values, held) ? held : values.front();
}

// Changes one field of an item's record; item 70 is written with its first
// field set.
bool WriteField(DriverExtension& x, uint16_t item, size_t field, int32_t value) {
  ItemRecord record;
  if (!ExtensionGetData(x, item, record) || field >= record.Fields.size()) return false;
  record.Fields[field] = value;
  if (item == kItemInk) record.Fields[kInkSetFlag] = 1;
  return ExtensionSetData(x, item, record);
}

bool WritePrintMode(DriverExtension& x, int32_t mode) {
  return WriteField(x, kItemColorManagement, kManagementPrintMode, mode) &&
         WriteField(x, kItemInk, kInkPrintMode, mode);
}

bool WriteArea(DriverExtension& x, int32_t area, int32_t centered) {
  return WriteField(x, kItemPrintableArea, kRecordValue, area) &&
         WriteField(x, kItemPrintableArea, kRecordSecondValue, centered);
}

bool OnRoll(const PrintFields& f) { return f.PaperSourceID == kSourceRoll; }

// Item 30 reports the paper as it lies; the document keeps its width and
// length unturned. A roll keeps the length typed for its sheet.
void ReadPaper(PrintPreferences& p) {
  ItemRecord paper;
  if (!ExtensionGetData(*p.Settings.Extension, kItemPaperSize, paper)) return;
  PrintFields& f = p.Fields;
  const bool landscape = f.Orientation == kLandscape;
  f.PaperSizeID = int16_t(FieldOf(paper, kPaperId));
  f.PaperWidth = FieldOf(paper, landscape ? kPaperHeight : kPaperWidth);
  const int32_t length = FieldOf(paper, landscape ? kPaperWidth : kPaperHeight);
  if (!OnRoll(f) || f.PaperLength <= 0) f.PaperLength = length;
  LRect margins{};
  if (ReadPrintableMargins(*p.Settings.Extension, margins)) p.PrinterMargins = margins;
  p.PageSize = PageSizeFromPaper(f.Orientation, f.PaperLength, f.PaperWidth);
}

void ReadPrintableArea(PrintPreferences& p) {
  const DriverExtension& x = *p.Settings.Extension;
  const std::vector<int32_t> bits = Range(x, kItemPrintableArea);
  ItemRecord area;
  PrintControls& e = p.Enabled;
  if (bits.empty() || !ExtensionGetData(x, kItemPrintableArea, area)) {
    e.AreaChoice = e.Centerd = false;
    e.AreaCleared = true;
    p.Fields.PrintableArea = 0;
    p.Fields.Centerd = 0;
    return;
  }
  e.AreaChoice = (bits.front() & kAreaChoiceBit) != 0;
  e.Centerd = (bits.front() & kCenteredBit) != 0;
  e.AreaCleared = false;
  p.Fields.PrintableArea = int16_t(FieldOf(area, kRecordValue));
  p.Fields.Centerd = FieldOf(area, kRecordSecondValue);
}

std::vector<std::string> PresetNames(const DriverExtension& x) {
  std::vector<std::string> names;
  for (const int32_t index : Range(x, kItemUserPresets)) {
    ItemRecord record;
    record.Fields = {index};
    if (ExtensionGetData(x, kItemUserPresets, record)) names.push_back(record.Text);
  }
  return names;
}

void ReadControls(PrintPreferences& p) {
  const DriverExtension& x = *p.Settings.Extension;
  PrintControls& e = p.Enabled;
  e.PaperSize = !p.Settings.PaperSizes.empty();
  e.PaperSource = !p.Settings.PaperSources.empty();
  e.PaperLength = OnRoll(p.Fields);
  e.MediaType = !p.Settings.MediaTypes.empty();
  const std::vector<int32_t> inks = Range(x, kItemInk);
  e.Color = Offers(inks, kInkColor);
  e.Black = Offers(inks, kInkBlack);
  e.Duotint = Offers(inks, kInkDuotint);
  const std::vector<int32_t> modes = Range(x, kItemColorManagement);
  e.Photo = Offers(modes, kModePhoto);
  e.Quality = Offers(modes, kModeQuality);
  e.Speed = Offers(modes, kModeSpeed);
  e.HighSpeed = !Range(x, kItemHighSpeed).empty();
  e.OptimizeResolution = false;
}

// The preset list changes only with the printer and when one is saved.
void ReadPresets(PrintPreferences& p) {
  p.UserPresets = PresetNames(*p.Settings.Extension);
  p.Enabled.UserPresets = !p.UserPresets.empty();
}

// The dialog shows what its driver holds, never what it asked for.
void ReadBack(PrintPreferences& p) {
  const DriverExtension& x = *p.Settings.Extension;
  PrintFields& f = p.Fields;
  f.PrinterName = x.PrinterName;
  ItemRecord record;
  if (ExtensionGetData(x, kItemOrientation, record)) f.Orientation = int16_t(FieldOf(record, 0, kPortrait));
  if (ExtensionGetData(x, kItemPaperSource, record)) f.PaperSourceID = int16_t(FieldOf(record, 0));
  ReadPaper(p);
  if (ExtensionGetData(x, kItemInk, record)) {
    f.Color = int16_t(FieldOf(record, kInkCode));
    f.MediaTypeID = FieldOf(record, kInkMediaType);
    p.PrintMode = FieldOf(record, kInkPrintMode, p.PrintMode);
  }
  // The layout keeps the mode, so that it prints the same once reopened.
  if (!Range(x, kItemColorManagement).empty()) f.AutoMode = int16_t(p.PrintMode);
  ReadPrintableArea(p);
  f.HighSpeed = ExtensionGetData(x, kItemHighSpeed, record) ? FieldOf(record, kHighSpeedField) : 0;
  ReadControls(p);
}

// The dialog's values given to its driver; each value the driver does not
// list becomes the list's first entry, which is then what the dialog holds.
void GiveValues(PrintPreferences& p) {
  DriverExtension& x = *p.Settings.Extension;
  const PrinterSettings& s = p.Settings;
  const PrintFields f = p.Fields;
  ExtensionSetValue(x, kItemOrientation, f.Orientation == kLandscape ? kLandscape : kPortrait);
  ExtensionSetValue(x, kItemPaperSize, ListedOrFirst(s.PaperSizes, f.PaperSizeID));
  ExtensionSetValue(x, kItemPaperSource, ListedOrFirst(s.PaperSources, f.PaperSourceID));
  if (!s.MediaTypes.empty()) WriteField(x, kItemInk, kInkMediaType, ListedOrFirst(s.MediaTypes, f.MediaTypeID));
  WriteField(x, kItemInk, kInkCode, OfferedOrFirst(Range(x, kItemInk), f.Color));
  if (const std::vector<int32_t> modes = Range(x, kItemColorManagement); !modes.empty())
    WritePrintMode(x, OfferedOrFirst(modes, p.PrintMode));
  WriteArea(x, f.PrintableArea, f.Centerd);
  ExtensionSetValue(x, kItemHighSpeed, f.HighSpeed);
  ReadBack(p);
  ReadPresets(p);
}

// One control's change: a value the driver refuses leaves every setting
// as it was.
template <typename Write>
bool Change(PrintPreferences& p, Write write) {
  if (!p.Settings.Extension) return false;
  DriverExtension& x = *p.Settings.Extension;
  const DriverState before = x.State;
  const bool written = write(x);
  if (!written) x.State = before;
  ReadBack(p);
  return written;
}

std::string WithName(int id, const std::string& name) {
  std::string text = StringCopy(id);
  if (const size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, name);
  return text;
}

std::string ListedPrinter(const std::vector<PrinterEntry>& printers, const std::string& held) {
  for (const PrinterEntry& printer : printers)
    if (printer.Name == held) return held;
  return printers.empty() ? std::string() : printers.front().Name;
}

std::string PrinterModel(const PrinterSettings& s, const std::string& name) {
  for (const PrinterEntry& printer : s.Printers)
    if (printer.Name == name) return printer.Model;
  std::string model;
  return s.Extension && ExtensionGetDriverInfo(*s.Extension, model) ? model : std::string();
}

// Whether the layout stays inside the printable area of the new paper,
// measured on the document as the dialog would leave it and then put back.
bool FitsNewPrintableArea(LayoutDocument& d, const PrintPreferences& p) {
  const PrintFields fields = PrintFieldsOf(d);
  const LSize page = {d.PageWidth, d.PageHeight};
  StorePrintFields(p.Fields, d);
  const LSize next = PaperFieldsPageSize(d);
  d.PageWidth = next.cx;
  d.PageHeight = next.cy;
  const LRect& m = p.PrinterMargins;
  const bool fits = AcceptPrintableArea(d, {m.left, m.top, next.cx - m.right, next.cy - m.bottom});
  StorePrintFields(fields, d);
  d.PageWidth = page.cx;
  d.PageHeight = page.cy;
  return fits;
}

// The names shown beside the ids, from the reopened printer's lists.
void StoreNames(const PrinterSettings& s, LayoutDocument& d) {
  d.PrinterModel = PrinterModel(s, d.PrinterName);
  d.PaperSize = ListedName(s.PaperSizes, d.PaperSizeID);
  d.PaperSource = ListedName(s.PaperSources, d.PaperSourceID);
  d.MediaType = ListedName(s.MediaTypes, d.MediaTypeID);
}

std::string InkName(const PrintPreferences& p) {
  const PrintPreferencesTexts& t = p.Texts;
  return p.Fields.Color == kInkBlack ? t.Black : p.Fields.Color == kInkDuotint ? t.Duotint : t.Color;
}

std::string ModeName(const PrintPreferences& p) {
  const PrintPreferencesTexts& t = p.Texts;
  return p.PrintMode == kModePhoto ? t.Photo : p.PrintMode == kModeSpeed ? t.Speed : t.Quality;
}

void AddLine(std::string& summary, const std::string& label, const std::string& value) {
  summary += label + ' ' + value + '\n';
}

}  // namespace

PrintFields PrintFieldsOf(const LayoutDocument& d) {
  return {d.PrinterName, d.Orientation, d.PaperSizeID,  d.PaperLength, d.PaperWidth, d.PaperSourceID, d.MediaTypeID,
          d.AutoMode,    d.Color,       d.PrintableArea, d.Centerd,    d.HighSpeed,  d.UserPreset,    d.Banner};
}

void StorePrintFields(const PrintFields& f, LayoutDocument& d) {
  d.PrinterName = f.PrinterName;
  d.Orientation = f.Orientation;
  d.PaperSizeID = f.PaperSizeID;
  d.PaperLength = f.PaperLength;
  d.PaperWidth = f.PaperWidth;
  d.PaperSourceID = f.PaperSourceID;
  d.MediaTypeID = f.MediaTypeID;
  d.AutoMode = f.AutoMode;
  d.Color = f.Color;
  d.PrintableArea = f.PrintableArea;
  d.Centerd = f.Centerd;
  d.HighSpeed = f.HighSpeed;
  d.UserPreset = f.UserPreset;
  d.Banner = f.Banner;
}

PrintPreferencesTexts LoadPrintPreferencesTexts() {
  PrintPreferencesTexts t;
  t.Title = StringCopy(kTitleText);
  t.Printer = StringCopy(kPrinterText);
  t.PaperSource = StringCopy(kPaperSourceText);
  t.PaperSize = StringCopy(kPaperSizeText);
  t.PaperLength = StringCopy(kPaperLengthText);
  t.Millimetre = std::string(UnitName(kUnitMillimetre));
  t.Inch = std::string(UnitName(kUnitInch));
  t.Orientation = StringCopy(kOrientationText);
  t.PrintableArea = StringCopy(kPrintableAreaText);
  t.Standard = StringCopy(kStandardText);
  t.Maximum = StringCopy(kMaximumText);
  t.Centerd = StringCopy(kCenterdText);
  t.MediaType = StringCopy(kMediaTypeText);
  t.Ink = StringCopy(kInkText);
  t.Color = StringCopy(kColorText);
  t.Black = StringCopy(kBlackText);
  t.Duotint = StringCopy(kDuotintText);
  t.Mode = StringCopy(kModeText);
  t.Photo = StringCopy(kPhotoText);
  t.Quality = StringCopy(kQualityText);
  t.Speed = StringCopy(kSpeedText);
  t.HighSpeed = StringCopy(kHighSpeedText);
  t.OptimizeResolution = StringCopy(kOptimizeResolutionText);
  t.DriverSettings = StringCopy(kDriverSettingsText);
  return t;
}

bool OpenPrintPreferences(const LayoutDocument& d, const PrinterSettings& settings, PrintPreferences& p) {
  p = {};
  p.Texts = LoadPrintPreferencesTexts();
  p.Fields = PrintFieldsOf(d);
  p.PaperLengthUnit = d.DisplayUnit == kUnitInch ? kUnitInch : kUnitMillimetre;
  std::vector<PrinterEntry> printers = settings.Printers.empty() ? ListPrinters() : settings.Printers;
  const std::string name = ListedPrinter(printers, d.PrinterName);
  if (name.empty()) return false;
  // The document's own printer starts from its current driver settings
  // (the print mode lives only there); another one from its defaults.
  std::string block;
  const bool current = settings.Extension && settings.Extension->PrinterName == name;
  const bool opened = current && PrinterSettingsDevMode(settings, block) > 0
                          ? PrinterSettingsRestore(p.Settings, name, block)
                          : PrinterSettingsOpen(p.Settings, name);
  if (!opened) {
    ShowMessageText(WithName(kPrinterNotAvailable, name), MessageIcon::Exclamation);
    return false;
  }
  p.Settings.Printers = std::move(printers);
  p.PrintMode = IsPrintMode(p.Fields.AutoMode) ? p.Fields.AutoMode : p.Settings.Extension->State.PrintMode;
  GiveValues(p);
  return true;
}

bool ChoosePrinter(PrintPreferences& p, const std::string& name) {
  if (p.Settings.Extension && p.Settings.Extension->PrinterName == name) return true;
  PrinterSettings next;
  if (!PrinterSettingsOpen(next, name)) {
    ShowMessageText(WithName(kPrinterNotAvailable, name), MessageIcon::Exclamation);
    return false;
  }
  if (p.Fields.Banner && RefuseBannerMode(*next.Extension)) return false;
  next.Printers = std::move(p.Settings.Printers);
  p.Settings = std::move(next);
  // Presets belong to one printer.
  const std::vector<std::string> presets = UserPresetNames(name);
  if (std::find(presets.begin(), presets.end(), p.Fields.UserPreset) == presets.end()) p.Fields.UserPreset.clear();
  GiveValues(p);
  return true;
}

bool ChoosePaperSize(PrintPreferences& p, int32_t id) {
  if (!FindListed(p.Settings.PaperSizes, id)) return false;
  return Change(p, [&](DriverExtension& x) { return ExtensionSetValue(x, kItemPaperSize, id); });
}

bool ChoosePaperSource(PrintPreferences& p, int32_t id) {
  if (!FindListed(p.Settings.PaperSources, id)) return false;
  return Change(p, [&](DriverExtension& x) { return ExtensionSetValue(x, kItemPaperSource, id); });
}

bool ChooseOrientation(PrintPreferences& p, int16_t orientation) {
  return Change(p, [&](DriverExtension& x) { return ExtensionSetValue(x, kItemOrientation, orientation); });
}

bool ChoosePrintableArea(PrintPreferences& p, int16_t area) {
  if (!p.Enabled.AreaChoice) return false;
  return Change(p, [&](DriverExtension& x) { return WriteField(x, kItemPrintableArea, kRecordValue, area); });
}

bool ChooseCentered(PrintPreferences& p, bool centered) {
  if (!p.Enabled.Centerd) return false;
  return Change(p, [&](DriverExtension& x) {
    return WriteField(x, kItemPrintableArea, kRecordSecondValue, centered ? 1 : 0);
  });
}

bool ChooseMediaType(PrintPreferences& p, int32_t id) {
  if (!FindListed(p.Settings.MediaTypes, id)) return false;
  return Change(p, [&](DriverExtension& x) { return WriteField(x, kItemInk, kInkMediaType, id); });
}

bool ChooseInk(PrintPreferences& p, int16_t ink) {
  return Change(p, [&](DriverExtension& x) { return WriteField(x, kItemInk, kInkCode, ink); });
}

bool ChoosePrintMode(PrintPreferences& p, int32_t mode) {
  return Change(p, [&](DriverExtension& x) { return WritePrintMode(x, mode); });
}

bool ChooseHighSpeed(PrintPreferences& p, bool highSpeed) {
  return Change(p, [&](DriverExtension& x) { return ExtensionSetValue(x, kItemHighSpeed, highSpeed ? 1 : 0); });
}

std::string RollPaperLengthText(const PrintPreferences& p) {
  return LayoutToUnitText(p.Fields.PaperLength, p.PaperLengthUnit, kTenthsPerInch);
}

bool SetRollPaperLength(PrintPreferences& p, std::string_view text) {
  if (!p.Settings.Extension || !OnRoll(p.Fields)) return false;
  const int64_t layout = UnitToLayout(text, p.PaperLengthUnit);
  const int64_t tenths = (layout * kTenthsPerInch + kLayoutUnitsPerInch / 2) / kLayoutUnitsPerInch;
  // Something must be left to print between the margins along the sheet.
  ItemRecord paper;
  ExtensionGetData(*p.Settings.Extension, kItemPaperSize, paper);
  const bool landscape = p.Fields.Orientation == kLandscape;
  const int32_t unprintable = FieldOf(paper, landscape ? kPaperWidth : kPaperHeight) -
                              FieldOf(paper, landscape ? kPrintableWidth : kPrintableHeight);
  const int32_t roll = p.Settings.Extension->Caps.RollLength;
  const int32_t longest = roll > 0 ? std::min(roll, kLongestRollSheet) : kLongestRollSheet;
  if (tenths <= unprintable || tenths > longest) {
    ShowMessage(kOutOfRange, MessageIcon::Stop);
    return false;
  }
  p.Fields.PaperLength = int32_t(tenths);
  ReadBack(p);
  return true;
}

void ChoosePaperLengthUnit(PrintPreferences& p, int16_t unit) {
  if (unit == kUnitMillimetre || unit == kUnitInch) p.PaperLengthUnit = unit;
}

bool ChooseUserPreset(PrintPreferences& p, const std::string& name) {
  if (!Change(p, [&](DriverExtension& x) { return ApplyUserPreset(x, name); })) return false;
  p.Fields.UserPreset = name;
  return true;
}

bool SaveUserPresetAs(PrintPreferences& p, const std::string& name) {
  if (!p.Settings.Extension || !SaveUserPreset(*p.Settings.Extension, name)) return false;
  p.Fields.UserPreset = name;
  ReadPresets(p);
  return true;
}

bool ChooseBannerMode(PrintPreferences& p, bool banner) {
  if (!p.Settings.Extension) return false;
  if (banner && RefuseBannerMode(*p.Settings.Extension)) return false;
  p.Fields.Banner = banner ? 1 : 0;
  return true;
}

std::string PrintPreferencesSummary(const PrintPreferences& p) {
  const PrintPreferencesTexts& t = p.Texts;
  const PrinterSettings& s = p.Settings;
  const PrintFields& f = p.Fields;
  std::string summary;
  AddLine(summary, t.Printer, f.PrinterName);
  AddLine(summary, t.PaperSize, ListedName(s.PaperSizes, f.PaperSizeID));
  AddLine(summary, t.PaperSource, ListedName(s.PaperSources, f.PaperSourceID));
  if (p.Enabled.PaperLength)
    AddLine(summary, t.PaperLength,
            RollPaperLengthText(p) + ' ' + (p.PaperLengthUnit == kUnitInch ? t.Inch : t.Millimetre));
  if (!p.Enabled.AreaCleared)
    AddLine(summary, t.PrintableArea, (f.PrintableArea ? t.Maximum : t.Standard) + (f.Centerd ? ", " + t.Centerd : ""));
  if (p.Enabled.MediaType) AddLine(summary, t.MediaType, ListedName(s.MediaTypes, f.MediaTypeID));
  AddLine(summary, t.Ink, InkName(p));
  if (p.Enabled.Photo || p.Enabled.Quality || p.Enabled.Speed) AddLine(summary, t.Mode, ModeName(p));
  if (f.HighSpeed) summary += t.HighSpeed + '\n';
  return summary;
}

bool ApplyPrintPreferences(PrintPreferences& p, LayoutDocument& d, PrinterSettings& settings) {
  if (!p.Settings.Extension) return false;
  DriverExtension& x = *p.Settings.Extension;
  if (p.Fields.Banner && RefuseBannerMode(x)) return false;
  if (!FitsNewPrintableArea(d, p)) return false;
  x.State.Preset = p.Fields.UserPreset;
  std::string block;
  if (PrinterSettingsDevMode(p.Settings, block) == 0) return false;
  if (!PrinterSettingsRestore(settings, p.Fields.PrinterName, block)) {
    ShowMessageText(WithName(kPrinterNotAvailable, p.Fields.PrinterName), MessageIcon::Exclamation);
    return false;
  }
  if (settings.Printers.empty()) settings.Printers = p.Settings.Printers;

  const PrintFields before = PrintFieldsOf(d);
  const LRect marginsBefore = d.PrinterMargins;
  StorePrintFields(p.Fields, d);
  d.PaperOrient = d.Orientation == kLandscape ? 1 : 0;
  StoreNames(settings, d);
  TakeRecommendedProfile(d, settings);
  LRect margins{};
  if (ReadPrintableMargins(*settings.Extension, margins)) d.PrinterMargins = margins;
  // "Use current printer margin settings" follows the printer.
  if (d.LayoutMarginMode == 0) d.LayoutMargin = d.PrinterMargins;
  ApplyPaperFields(d);
  if (before != p.Fields || marginsBefore != d.PrinterMargins) d.Modified = 1;
  if (d.View) d.View->Invalidate();
  return true;
}

}  // namespace tl
