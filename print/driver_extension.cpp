#include "print/driver_extension.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "print/driver_items.h"
#include "print/pdf_destination.h"
#include "print/setting_block.h"
#include "resources/app_folders.h"

namespace tl {
namespace {

bool Contains(const std::vector<int32_t>& values, int32_t value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

std::vector<int32_t> ChoiceIds(const std::vector<CapabilityChoice>& choices) {
  std::vector<int32_t> ids;
  for (const CapabilityChoice& choice : choices) ids.push_back(choice.Id);
  return ids;
}

std::vector<int32_t> InkCodes(const PrinterCapabilities& caps) {
  std::vector<int32_t> inks;
  if (OffersColorMode(caps, "color") || OffersColorMode(caps, "auto")) inks.push_back(2);
  if (OffersColorMode(caps, "monochrome")) inks.push_back(1);
  if (OffersColorMode(caps, "process-monochrome")) inks.push_back(256);
  return inks;
}

std::vector<int32_t> PrintModes(const PrinterCapabilities& caps) {
  std::vector<int32_t> modes;
  for (const int32_t mode : {kModePhoto, kModeQuality, kModeSpeed})
    if (Contains(caps.Qualities, QualityOfPrintMode(mode))) modes.push_back(mode);
  return modes;
}

bool AreaChoiceOffered(const CapabilityPaper& paper) {
  const PaperMargins& a = paper.Standard;
  const PaperMargins& b = paper.Maximum;
  return a.Left != b.Left || a.Top != b.Top || a.Right != b.Right || a.Bottom != b.Bottom;
}

const CapabilityPaper* CurrentPaper(const DriverExtension& x) { return FindPaper(x.Caps, x.State.PaperId); }

// Margins in the current orientation: landscape turns the sheet a quarter
// to the left, so the portrait top edge becomes the left one.
PaperMargins OrientedMargins(const PaperMargins& m, int32_t orientation) {
  if (orientation != 2) return m;
  return {m.Top, m.Right, m.Bottom, m.Left};
}

ItemRecord PaperRecord(const DriverExtension& x, const CapabilityPaper& paper) {
  const bool landscape = x.State.Orientation == 2;
  const int32_t width = landscape ? paper.Length : paper.Width;
  const int32_t height = landscape ? paper.Width : paper.Length;
  const PaperMargins m = OrientedMargins(x.State.PrintableArea ? paper.Maximum : paper.Standard, x.State.Orientation);
  ItemRecord record;
  record.Fields = {width, height, width - m.Left - m.Right, height - m.Top - m.Bottom, m.Left, m.Top, paper.Id};
  return record;
}

template <typename T>
const T* FirstOf(const std::vector<T>& items) {
  return items.empty() ? nullptr : &items.front();
}

// The printer's defaults: A4 where it has it, automatic feed, the first
// media type, colour, normal quality.
DriverState DefaultState(const PrinterCapabilities& caps) {
  DriverState state;
  const CapabilityPaper* paper = FindPaper(caps, 9);
  if (!paper) paper = FirstOf(caps.Papers);
  state.PaperId = paper ? paper->Id : 0;
  const CapabilityChoice* source = FindChoice(caps.Sources, kSourceAuto);
  if (!source) source = FirstOf(caps.Sources);
  state.SourceId = source ? source->Id : 0;
  const CapabilityChoice* media = FirstOf(caps.MediaTypes);
  state.MediaTypeId = media ? media->Id : 0;
  const std::vector<int32_t> inks = InkCodes(caps);
  state.Ink = inks.empty() ? 2 : inks.front();
  return state;
}

// A stored state with every value the printer does not offer put back to
// its default.
DriverState Offered(const PrinterCapabilities& caps, DriverState state) {
  const DriverState defaults = DefaultState(caps);
  if (state.Orientation != 1 && state.Orientation != 2) state.Orientation = 1;
  if (!FindPaper(caps, state.PaperId)) state.PaperId = defaults.PaperId;
  if (!FindChoice(caps.Sources, state.SourceId)) state.SourceId = defaults.SourceId;
  if (!FindChoice(caps.MediaTypes, state.MediaTypeId)) state.MediaTypeId = defaults.MediaTypeId;
  const std::vector<int32_t> inks = InkCodes(caps);
  if (!inks.empty() && !Contains(inks, state.Ink)) state.Ink = defaults.Ink;
  if (state.PrintableArea != 0 && state.PrintableArea != 1) state.PrintableArea = 0;
  return state;
}

std::vector<int32_t> ColorAdjustModes(const PrinterCapabilities& caps) {
  std::vector<int32_t> modes = {kAdjustByDriver, kAdjustByApplication};
  // Capture-matched pixels come from the program's own engine; the printer
  // only has to print them in colour.
  if (Contains(InkCodes(caps), 2)) modes.push_back(kAdjustCaptureMatching);
  return modes;
}

bool ValueName(const DriverExtension& x, int32_t type, int32_t value, std::string& name) {
  if (type == kNamePaperSize) {
    const CapabilityPaper* paper = FindPaper(x.Caps, value);
    if (paper) name = paper->Name;
    return paper != nullptr;
  }
  if (type == kNamePaperSource || type == kNameMediaType) {
    const CapabilityChoice* choice = FindChoice(type == kNamePaperSource ? x.Caps.Sources : x.Caps.MediaTypes, value);
    if (choice) name = choice->Name;
    return choice != nullptr;
  }
  if (type == kNameMediaProfile) {
    for (const MediaProfile& profile : x.Caps.MediaProfiles)
      if (profile.MediaTypeId == value) return name = profile.ProfileFile, true;
  }
  return false;
}

int32_t FieldOr(const ItemRecord& record, size_t index, int32_t fallback) {
  return index < record.Fields.size() ? record.Fields[index] : fallback;
}

bool SetInk(DriverExtension& x, const ItemRecord& r) {
  if (FieldOr(r, kInkSetFlag, 0) != 1) return false;
  DriverState s = x.State;
  s.InkFlags = (FieldOr(r, kInkSetFlag, 0) ? 1 : 0) | (FieldOr(r, kInkColorFlag, 0) ? 2 : 0);
  s.Ink = FieldOr(r, kInkCode, s.Ink);
  s.MediaTypeId = FieldOr(r, kInkMediaType, s.MediaTypeId);
  s.PrintMode = FieldOr(r, kInkPrintMode, s.PrintMode);
  const std::vector<int32_t> inks = InkCodes(x.Caps);
  if (!inks.empty() && !Contains(inks, s.Ink)) return false;
  if (!x.Caps.MediaTypes.empty() && !FindChoice(x.Caps.MediaTypes, s.MediaTypeId)) return false;
  x.State = s;
  return true;
}

bool SetPrintableArea(DriverExtension& x, const ItemRecord& r) {
  const CapabilityPaper* paper = CurrentPaper(x);
  if (!paper || !AreaChoiceOffered(*paper)) return false;
  const int32_t area = FieldOr(r, kRecordValue, x.State.PrintableArea);
  if (area != 0 && area != 1) return false;
  x.State.PrintableArea = area;
  x.State.Centered = FieldOr(r, kRecordSecondValue, x.State.Centered) ? 1 : 0;
  return true;
}

std::string PresetFile(const std::string& printerName) {
  std::string safe;
  for (const char c : printerName) safe += std::isalnum(uint8_t(c)) || c == '-' || c == '.' ? c : '_';
  return ConfigFolder() + "/printer-presets/" + safe + ".presets";
}

// Presets file: "[name]" lines, each followed by its setting block.
std::map<std::string, std::string> ReadPresets(const std::string& printerName) {
  std::map<std::string, std::string> presets;
  std::ifstream in(PresetFile(printerName));
  std::string line, name;
  while (std::getline(in, line)) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      name = line.substr(1, line.size() - 2);
      presets[name];
    } else if (!name.empty()) {
      presets[name] += line + '\n';
    }
  }
  return presets;
}

}  // namespace

DriverExtensionPtr ExtensionLoad(const std::string& printerName) {
  if (printerName.empty() || printerName.size() >= kMaxPrinterName) return nullptr;
  auto x = std::make_unique<DriverExtension>();
  x->PrinterName = printerName;
  if (printerName == PdfFilePrinterName()) {
    x->PdfFile = true;
    x->Caps = PdfFileCapabilities();
  } else if (!OpenCupsDestination(printerName, x->Destination) || !ReadCupsCapabilities(x->Destination, x->Caps)) {
    return nullptr;
  }
  x->State = DefaultState(x->Caps);
  return x;
}

bool ExtensionOpen(DriverExtension& x, int mode, const std::string& block) {
  DriverState state = DefaultState(x.Caps);
  if (mode == kOpenFromBlock && !ReadSettingBlock(block, state)) return false;
  if (mode != kOpenPlain && mode != kOpenFromBlock) return false;
  x.State = Offered(x.Caps, state);
  return true;
}

bool ExtensionGetDriverInfo(const DriverExtension& x, std::string& model) {
  model = x.Caps.Model;
  return !model.empty();
}

bool ExtensionGetRange(const DriverExtension& x, uint16_t item, std::vector<int32_t>& values) {
  values.clear();
  switch (item) {
    case kItemOrientation: values = {1, 2}; break;
    case kItemPaperSize:
      for (const CapabilityPaper& paper : x.Caps.Papers) values.push_back(paper.Id);
      break;
    case kItemPaperSource: values = ChoiceIds(x.Caps.Sources); break;
    case kItemMediaType: values = ChoiceIds(x.Caps.MediaTypes); break;
    case kItemInk: values = InkCodes(x.Caps); break;
    case kItemColorAdjust: values = ColorAdjustModes(x.Caps); break;
    case kItemPrintableArea:
      if (const CapabilityPaper* paper = CurrentPaper(x); paper && AreaChoiceOffered(*paper))
        values = {kAreaChoiceBit | kCenteredBit};
      break;
    case kItemBannerFlags: values = {x.State.BannerFlags}; break;
    case kItemColorManagement: values = PrintModes(x.Caps); break;
    case kItemUserPresets:
      for (int32_t i = 0, n = int32_t(UserPresetNames(x.PrinterName).size()); i < n; ++i) values.push_back(i);
      break;
    default: break;  // high speed and the rest: not offered over IPP
  }
  return !values.empty();
}

bool ExtensionGetData(const DriverExtension& x, uint16_t item, ItemRecord& record) {
  const DriverState& s = x.State;
  switch (item) {
    case kItemOrientation: record.Fields = {s.Orientation}; return true;
    case kItemPaperSize:
      if (const CapabilityPaper* paper = CurrentPaper(x)) return record = PaperRecord(x, *paper), true;
      return false;
    case kItemPaperSource: record.Fields = {s.SourceId}; return true;
    case kItemMediaType: record.Fields = {s.MediaTypeId}; return true;
    case kItemInk:
      record.Fields = {s.InkFlags & 1, (s.InkFlags >> 1) & 1, s.Ink, s.MediaTypeId, s.PrintMode};
      return true;
    case kItemColorAdjust: record.Fields = {s.ColorAdjust}; return true;
    case kItemPrintableArea:
      if (const CapabilityPaper* paper = CurrentPaper(x); !paper || !AreaChoiceOffered(*paper)) return false;
      record.Fields = {1, 12, s.PrintableArea, s.Centered};
      return true;
    case kItemBannerFlags: record.Fields = {1, 12, s.BannerFlags}; return true;
    case kItemColorManagement: record.Fields = {s.ColorManagement, s.PrintMode}; return true;
    case kItemValueName:
      return ValueName(x, FieldOr(record, kNameType, 0), FieldOr(record, kNameValue, 0), record.Text);
    case kItemUserPresets: {
      const std::vector<std::string> names = UserPresetNames(x.PrinterName);
      const int32_t index = FieldOr(record, 0, -1);
      if (index < 0 || index >= int32_t(names.size())) return false;
      record.Text = names[size_t(index)];
      return true;
    }
    default: return false;
  }
}

bool ExtensionSetData(DriverExtension& x, uint16_t item, const ItemRecord& r) {
  const int32_t value = FieldOr(r, 0, 0);
  DriverState& s = x.State;
  switch (item) {
    case kItemOrientation:
      if (value != 1 && value != 2) return false;
      s.Orientation = value;
      return true;
    case kItemPaperSize:
      if (!FindPaper(x.Caps, value)) return false;
      s.PaperId = value;
      if (!AreaChoiceOffered(*CurrentPaper(x))) s.PrintableArea = 0;
      return true;
    case kItemPaperSource:
      if (!FindChoice(x.Caps.Sources, value)) return false;
      s.SourceId = value;
      return true;
    case kItemMediaType:
      if (!FindChoice(x.Caps.MediaTypes, value)) return false;
      s.MediaTypeId = value;
      return true;
    case kItemInk: return SetInk(x, r);
    case kItemColorAdjust:
      if (!std::ranges::count(ColorAdjustModes(x.Caps), value)) return false;
      s.ColorAdjust = value;
      return true;
    case kItemPrintableArea: return SetPrintableArea(x, r);
    case kItemBannerFlags: s.BannerFlags = FieldOr(r, kRecordValue, s.BannerFlags); return true;
    case kItemColorManagement: {
      const int32_t mode = FieldOr(r, kManagementPrintMode, s.PrintMode);
      if (!PrintModes(x.Caps).empty() && !Contains(PrintModes(x.Caps), mode)) return false;
      s.ColorManagement = FieldOr(r, kManagementMode, s.ColorManagement);
      s.PrintMode = mode;
      return true;
    }
    default: return false;
  }
}

bool ExtensionSetValue(DriverExtension& x, uint16_t item, int32_t value) {
  ItemRecord record;
  record.Fields = {value};
  return ExtensionSetData(x, item, record);
}

bool ExtensionGetDevMode(const DriverExtension& x, std::string& block) {
  block = WriteSettingBlock(x.State);
  return true;
}

std::vector<std::string> UserPresetNames(const std::string& printerName) {
  std::vector<std::string> names;
  for (const auto& [name, block] : ReadPresets(printerName)) names.push_back(name);
  return names;
}

bool SaveUserPreset(const DriverExtension& x, const std::string& name) {
  if (name.empty() || name.find_first_of("[]\n") != std::string::npos) return false;
  std::map<std::string, std::string> presets = ReadPresets(x.PrinterName);
  DriverState state = x.State;
  state.Preset = name;
  presets[name] = WriteSettingBlock(state);
  const std::string path = PresetFile(x.PrinterName);
  if (!EnsureFolder(ConfigFolder() + "/printer-presets")) return false;
  // Written beside and moved into place, so a failed write keeps the presets there were.
  const std::string working = path + ".part";
  std::ofstream out(working, std::ios::trunc);
  for (const auto& [presetName, block] : presets) out << '[' << presetName << "]\n" << block;
  out.close();
  if (!out || std::rename(working.c_str(), path.c_str()) != 0) {
    std::remove(working.c_str());
    return false;
  }
  return true;
}

bool ApplyUserPreset(DriverExtension& x, const std::string& name) {
  const std::map<std::string, std::string> presets = ReadPresets(x.PrinterName);
  const auto found = presets.find(name);
  return found != presets.end() && ExtensionOpen(x, kOpenFromBlock, found->second);
}

}  // namespace tl
