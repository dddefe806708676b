// PrinterSettings: a document's printer with the lists its driver offers
// (printers, paper sizes, sources, media types, media profiles), and what
// the settings do to the document: page size and printable margins from
// the paper fields, the banner check, the printer profile of the media.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "color/printer_profile.h"
#include "document/geometry.h"
#include "layout/paper_list.h"
#include "print/driver_extension.h"

namespace tl {

struct LayoutDocument;

struct PrinterEntry {
  std::string Name;
  std::string Model;
};

struct IdName {
  int32_t Id = 0;
  std::string Name;
};

struct PrinterSettings {
  DriverExtensionPtr Extension;
  std::vector<PrinterEntry> Printers;
  std::vector<IdName> PaperSizes;
  std::vector<IdName> PaperSources;
  std::vector<IdName> MediaTypes;
  std::vector<MediaProfile> MediaProfiles;
  std::string SettingBlock;  // the stored block the extension was last opened from
};

// Printer URIs listed besides the CUPS server's destinations, separated by
// white space (printers reached directly over IPP).
constexpr const char* kExtraPrintersVariable = "TESSALINE_PRINTERS";

// The printers to choose from: the CUPS server's destinations (with the
// model the server keeps), every extra printer URI that answers with its
// model, and last the "PDF file" destination. Only the extra URIs are
// asked; `opened`, a printer open already, is not asked again.
std::vector<PrinterEntry> ListPrinters(const DriverExtension* opened = nullptr);

// Opens `printerName` for the document, fills the lists, and sets the page
// size from the document's paper fields. False (settings emptied) when the
// printer cannot be opened.
bool PrinterSettingsLoad(LayoutDocument& document, PrinterSettings& settings, const std::string& printerName);
// Opens `printerName` plainly and fills its lists, touching neither a
// document nor the printer list (the print preferences work on a printer
// of their own until OK). False (settings unchanged) when it cannot be
// opened.
bool PrinterSettingsOpen(PrinterSettings& settings, const std::string& printerName);
// Opens the printer again from a stored setting block.
bool PrinterSettingsRestore(PrinterSettings& settings, const std::string& printerName, const std::string& block);
// The extension's current setting block; its size (0 without a printer).
size_t PrinterSettingsDevMode(const PrinterSettings& settings, std::string& block);

// The document's own settings (orientation, paper, source, media type,
// ink, printable area) given to its driver; false when one is refused.
bool ApplyDocumentSettings(const LayoutDocument& document, DriverExtension& extension);

// The margins of the driver's current paper in layout units (left, top,
// right, bottom), truncated; false without a paper.
bool ReadPrintableMargins(const DriverExtension& extension, LRect& margins);

// The page the paper fields give, in layout units: the paper turned for
// landscape; a banner keeps the length it was given.
LSize PaperFieldsPageSize(const LayoutDocument& document);
// Page width and height, page limit and PrintableRect from the paper
// fields and PrinterMargins; the document is arranged again.
void ApplyPaperFields(LayoutDocument& document);

// True (with the warning shown) when the printer has no roll paper and so
// cannot take a banner.
bool RefuseBannerMode(const DriverExtension& extension);

// The paper list of the printer, for the page look-ups of page setup.
class SettingsPaperList : public PaperList {
 public:
  explicit SettingsPaperList(const DriverExtension& extension) : extension_(extension) {}
  std::vector<DriverPaper> Papers() const override;
  bool LargestPaper(int32_t& width, int32_t& length) const override;

 private:
  const DriverExtension& extension_;
};

// The recommended entry of the printer profiles ("Recommended by ORVEX",
// state 0) names the profile the printer gives the document's media type:
// that name is taken into OutputPrinterProfile, and an empty one where the
// media type has none. Other choices are left alone.
void TakeRecommendedProfile(LayoutDocument& document, const PrinterSettings& settings);

// The recommended printer profile: the one the printer names for the
// document's media type.
class MediaProfileQuery : public PrinterProfileQuery {
 public:
  MediaProfileQuery(const PrinterSettings& settings, int32_t mediaTypeId)
      : settings_(settings), mediaTypeId_(mediaTypeId) {}
  bool CurrentPrinterProfile(std::string& path) const override;

 private:
  const PrinterSettings& settings_;
  int32_t mediaTypeId_;
};

}  // namespace tl
