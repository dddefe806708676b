#include "print/printer_settings.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "document/layout_document.h"
#include "document/message_box.h"
#include "layout/arrange.h"
#include "layout/page_geometry.h"
#include "print/driver_items.h"

namespace tl {
namespace {

constexpr int kNoBannerMode = 40001;

// 0.1 mm as layout units, truncated.
int32_t TenthsToLayout(int32_t tenths) { return int32_t(int64_t(tenths) * kLayoutUnitsPerInch / 254); }

std::vector<IdName> NamedValues(const DriverExtension& x, uint16_t item, int32_t nameType, bool skipCustom) {
  std::vector<IdName> list;
  std::vector<int32_t> values;
  if (!ExtensionGetRange(x, item, values)) return list;
  for (const int32_t value : values) {
    if (skipCustom && value == kCustomPaperSize) continue;
    ItemRecord record;
    record.Fields = {nameType, value};
    if (ExtensionGetData(x, kItemValueName, record)) list.push_back({value, record.Text});
  }
  return list;
}

void FillLists(PrinterSettings& s) {
  const DriverExtension& x = *s.Extension;
  s.PaperSizes = NamedValues(x, kItemPaperSize, kNamePaperSize, true);
  s.PaperSources = NamedValues(x, kItemPaperSource, kNamePaperSource, false);
  s.MediaTypes = NamedValues(x, kItemMediaType, kNameMediaType, false);
  s.MediaProfiles.clear();
  for (const IdName& type : s.MediaTypes) {
    ItemRecord record;
    record.Fields = {kNameMediaProfile, type.Id};
    if (!ExtensionGetData(x, kItemValueName, record)) continue;
    const size_t slash = record.Text.find_last_of('\\');
    s.MediaProfiles.push_back({type.Id, slash == std::string::npos ? record.Text : record.Text.substr(slash + 1)});
  }
}

std::vector<std::string> ExtraPrinterUris() {
  std::vector<std::string> uris;
  const char* value = std::getenv(kExtraPrintersVariable);
  std::istringstream in(value ? value : "");
  for (std::string uri; in >> uri;) uris.push_back(uri);
  return uris;
}

// Settings stay as they were unless the printer opens.
bool OpenWithLists(PrinterSettings& s, const std::string& printerName, int mode, const std::string& block) {
  DriverExtensionPtr x = ExtensionLoad(printerName);
  if (!x || !ExtensionOpen(*x, mode, block)) return false;
  s.Extension = std::move(x);
  s.SettingBlock = block;
  FillLists(s);
  return true;
}

}  // namespace

std::vector<PrinterEntry> ListPrinters(const DriverExtension* opened) {
  std::vector<PrinterEntry> printers;
  // The server answers for its own queues; asking each printer would make
  // every list as slow as all printers together.
  for (const CupsDestinationModel& dest : CupsDestinationModels())
    printers.push_back({dest.Name, dest.Model.empty() ? dest.Name : dest.Model});
  // Printers reached directly have no server to answer for them.
  for (const std::string& uri : ExtraPrinterUris()) {
    std::string model;
    if (opened && opened->PrinterName == uri && ExtensionGetDriverInfo(*opened, model)) {
      printers.push_back({uri, model});
      continue;
    }
    const DriverExtensionPtr x = ExtensionLoad(uri);
    if (x && ExtensionOpen(*x, kOpenPlain) && ExtensionGetDriverInfo(*x, model)) printers.push_back({uri, model});
  }
  printers.push_back({PdfFilePrinterName(), PdfFileCapabilities().Model});
  return printers;
}

bool PrinterSettingsOpen(PrinterSettings& s, const std::string& printerName) {
  return OpenWithLists(s, printerName, kOpenPlain, {});
}

bool PrinterSettingsLoad(LayoutDocument& d, PrinterSettings& s, const std::string& printerName) {
  s = {};
  if (!PrinterSettingsOpen(s, printerName)) return false;
  s.Printers = ListPrinters(s.Extension.get());
  TakeRecommendedProfile(d, s);
  ApplyPaperFields(d);
  return true;
}

bool PrinterSettingsRestore(PrinterSettings& s, const std::string& printerName, const std::string& block) {
  return OpenWithLists(s, printerName, kOpenFromBlock, block);
}

size_t PrinterSettingsDevMode(const PrinterSettings& s, std::string& block) {
  block.clear();
  if (!s.Extension || !ExtensionGetDevMode(*s.Extension, block)) return 0;
  return block.size();
}

bool ApplyDocumentSettings(const LayoutDocument& d, DriverExtension& x) {
  // The preset first: the layout's own values, chosen after it, win.
  if (!d.UserPreset.empty()) ApplyUserPreset(x, d.UserPreset);
  bool applied = ExtensionSetValue(x, kItemOrientation, d.Orientation == kLandscape ? 2 : 1);
  applied = ExtensionSetValue(x, kItemPaperSize, d.PaperSizeID) && applied;
  if (!x.Caps.MediaTypes.empty()) applied = ExtensionSetValue(x, kItemMediaType, d.MediaTypeID) && applied;
  ItemRecord ink;
  if (ExtensionGetData(x, kItemInk, ink)) {
    ink.Fields[kInkSetFlag] = 1;
    if (d.Color != 0) ink.Fields[kInkCode] = d.Color;
    if (IsPrintMode(d.AutoMode)) ink.Fields[kInkPrintMode] = d.AutoMode;
    applied = ExtensionSetData(x, kItemInk, ink) && applied;
  }
  ItemRecord management;
  if (IsPrintMode(d.AutoMode) && ExtensionGetData(x, kItemColorManagement, management)) {
    management.Fields[kManagementPrintMode] = d.AutoMode;
    applied = ExtensionSetData(x, kItemColorManagement, management) && applied;
  }
  ItemRecord area;
  if (ExtensionGetData(x, kItemPrintableArea, area)) {
    area.Fields[kRecordValue] = d.PrintableArea;
    area.Fields[kRecordSecondValue] = d.Centerd;
    applied = ExtensionSetData(x, kItemPrintableArea, area) && applied;
  }
  return applied;
}

bool ReadPrintableMargins(const DriverExtension& x, LRect& margins) {
  ItemRecord paper;
  if (!ExtensionGetData(x, kItemPaperSize, paper)) return false;
  const std::vector<int32_t>& f = paper.Fields;
  margins.left = TenthsToLayout(f[kLeftMargin]);
  margins.top = TenthsToLayout(f[kTopMargin]);
  margins.right = TenthsToLayout(f[kPaperWidth] - f[kPrintableWidth] - f[kLeftMargin]);
  margins.bottom = TenthsToLayout(f[kPaperHeight] - f[kPrintableHeight] - f[kTopMargin]);
  return true;
}

LSize PaperFieldsPageSize(const LayoutDocument& d) {
  const bool landscape = d.Orientation == kLandscape;
  LSize page = PageSizeFromPaper(d.Orientation, d.PaperLength, d.PaperWidth);
  if (d.Banner) {
    // A banner keeps the length it was given; one sheet per page when it has none yet.
    int32_t& along = landscape ? page.cx : page.cy;
    const int32_t current = landscape ? d.PageWidth : d.PageHeight;
    along = std::max(along * std::max<int32_t>(1, d.PageNumber), current);
  }
  return page;
}

void ApplyPaperFields(LayoutDocument& d) {
  const LSize page = PaperFieldsPageSize(d);
  d.PageWidth = page.cx;
  d.PageHeight = page.cy;
  UpdatePageGeometry(d);
  if (LayoutObject* first = d.Objects.Head) first->NeedsRedraw = 1;
  ArrangeLayout(d);
}

bool RefuseBannerMode(const DriverExtension& x) {
  if (HasRollSource(x.Caps)) return false;
  ShowMessage(kNoBannerMode, MessageIcon::Exclamation);
  return true;
}

std::vector<DriverPaper> SettingsPaperList::Papers() const {
  std::vector<DriverPaper> papers;
  for (const CapabilityPaper& paper : extension_.Caps.Papers)
    papers.push_back({paper.Id, paper.Width, paper.Length, paper.Name});
  return papers;
}

bool SettingsPaperList::LargestPaper(int32_t& width, int32_t& length) const {
  width = extension_.Caps.RollWidth;
  length = extension_.Caps.RollLength;
  for (const CapabilityPaper& paper : extension_.Caps.Papers) {
    width = std::max(width, paper.Width);
    length = std::max(length, paper.Length);
  }
  return width > 0 && length > 0;
}

void TakeRecommendedProfile(LayoutDocument& d, const PrinterSettings& s) {
  if (d.OutputPrinterProfileState != 0) return;
  std::string name;
  if (!FindPrinterProfile(MediaProfileQuery(s, d.MediaTypeID), name)) name.clear();
  d.OutputPrinterProfile = name;
}

bool MediaProfileQuery::CurrentPrinterProfile(std::string& path) const {
  for (const MediaProfile& profile : settings_.MediaProfiles)
    if (profile.MediaTypeId == mediaTypeId_) return path = profile.ProfileFile, true;
  return false;
}

}  // namespace tl
