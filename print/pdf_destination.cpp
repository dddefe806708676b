#include "print/pdf_destination.h"

#include <algorithm>

#include "layout/paper_table.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPdfFileName = 40004;
constexpr int kLandscapeRow = 4;  // B1 Landscape: the same paper as B1
// A PDF page can be as long as the longest layout.
constexpr int32_t kPdfRollLength = 150000;  // 15 m in 0.1 mm

}  // namespace

std::string PdfFilePrinterName() { return StringCopy(kPdfFileName); }

PrinterCapabilities PdfFileCapabilities() {
  PrinterCapabilities caps;
  caps.Model = PdfFilePrinterName();
  int32_t widest = 0;
  for (int row = 1; row <= kPaperRowCount; ++row) {
    if (row == kLandscapeRow) continue;
    const PaperRow* r = PaperTableRow(row);
    CapabilityPaper paper;
    paper.Id = r->DriverId;
    paper.Name = std::string(PaperRowName(row));
    paper.Width = r->BuiltInShort;
    paper.Length = r->BuiltInLong;
    caps.Papers.push_back(paper);
    widest = std::max(widest, paper.Width);
  }
  caps.Sources = {{kSourceAuto, "auto", "Automatic"}, {kSourceRoll, "roll", "Roll"}};
  caps.ColorModes = {"color"};
  caps.RollWidth = widest;
  caps.RollLength = kPdfRollLength;
  return caps;
}

}  // namespace tl
