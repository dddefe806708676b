// The driver extension: lists a printer's papers, sources, media types and
// modes, keeps the settings chosen for it, hands them out as a stored
// setting block and makes the device a print job goes to. It answers from
// a CUPS destination, or for the "PDF file" destination from the paper
// table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "print/cups_destination.h"
#include "print/pdf_destination.h"
#include "print/printer_capabilities.h"

namespace tl {

// The longest printer name the extension takes.
constexpr size_t kMaxPrinterName = 260;

// The settings an open extension holds.
struct DriverState {
  int32_t Orientation = 1;  // 1 portrait, 2 landscape
  int32_t PaperId = 0;
  int32_t SourceId = 0;
  int32_t MediaTypeId = 0;
  int32_t Ink = 2;  // 2 colour, 1 black, 256 Duotint
  int32_t PrintMode = 2;
  int32_t InkFlags = 0;  // the two colour handling flags of item 70, as bits
  int32_t ColorAdjust = 1;
  int32_t ColorManagement = 0;
  int32_t PrintableArea = 0;  // 0 standard, 1 maximum
  int32_t Centered = 0;
  int32_t BannerFlags = 0;
  int32_t HighSpeed = 0;
  std::string Preset;
};

struct ItemRecord {
  std::vector<int32_t> Fields;
  std::string Text;
};

struct DriverExtension {
  std::string PrinterName;
  bool PdfFile = false;
  CupsDestination Destination;  // unused for the PDF file destination
  PrinterCapabilities Caps;
  DriverState State;
};
using DriverExtensionPtr = std::unique_ptr<DriverExtension>;

enum ExtensionOpenMode : int { kOpenPlain = 0, kOpenFromBlock = 2 };

// Finds the printer and reads what it offers; null when the name is too
// long, the printer is unknown or cannot be asked.
DriverExtensionPtr ExtensionLoad(const std::string& printerName);
// Starts from the printer's defaults, or from a stored block (values the
// printer does not offer fall back to its defaults).
bool ExtensionOpen(DriverExtension& extension, int mode, const std::string& block = {});
bool ExtensionGetDriverInfo(const DriverExtension& extension, std::string& model);
// The values an item may take; false (and none) when the printer does not
// offer the item.
bool ExtensionGetRange(const DriverExtension& extension, uint16_t item, std::vector<int32_t>& values);
// Reads an item; item 213 and 235 take their question in `record.Fields`.
bool ExtensionGetData(const DriverExtension& extension, uint16_t item, ItemRecord& record);
// Changes an item; false (and nothing changed) for a value not offered.
bool ExtensionSetData(DriverExtension& extension, uint16_t item, const ItemRecord& record);
// ExtensionSetData with a record of one field: items 20, 30 (by paper id),
// 40, 60 and 201.
bool ExtensionSetValue(DriverExtension& extension, uint16_t item, int32_t value);
// The stored setting block of the current settings.
bool ExtensionGetDevMode(const DriverExtension& extension, std::string& block);

// User presets: named setting blocks kept per printer in the config folder.
std::vector<std::string> UserPresetNames(const std::string& printerName);
bool SaveUserPreset(const DriverExtension& extension, const std::string& name);
bool ApplyUserPreset(DriverExtension& extension, const std::string& name);

}  // namespace tl
