// tessaline-cli page: makes a new layout document with the default settings
// (or on one paper of the paper table) and prints its page geometry and
// layout settings.
#include <cstdio>
#include <string>

#include "cli/cli_command.h"
#include "cli/json_writer.h"
#include "document/layout_document.h"
#include "layout/page_geometry.h"
#include "layout/paper_list.h"
#include "layout/paper_table.h"
#include "layout/units.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

constexpr int kNotEnoughMemory = 10413;
constexpr int kAlignNameString = 10110;  // left, right, centre, justify, equal spacing
constexpr int kLineAlignNameString = 10115;

std::string_view AlignName(int32_t code) {
  switch (code) {
    case kAlignLeft: return StringText(kAlignNameString);
    case kAlignRight: return StringText(kAlignNameString + 1);
    case kAlignCenter: return StringText(kAlignNameString + 2);
    case kAlignJustify: return StringText(kAlignNameString + 3);
    case kAlignEqualSpacing: return StringText(kAlignNameString + 4);
  }
  return "?";
}

std::string_view VerticalName(int32_t code) {
  switch (code) {
    case kAlignTop: return StringText(kLineAlignNameString);
    case kAlignBottom: return StringText(kLineAlignNameString + 1);
    case kAlignMiddle: return StringText(kLineAlignNameString + 2);
  }
  return "?";
}

// Puts the document on row `row` of the paper table.
void UsePaperRow(LayoutDocument& d, int row, bool landscape) {
  const LSize page = PageSizeFromTableRow(d, row, landscape);
  d.PaperOrient = landscape ? 1 : 0;
  d.Orientation = landscape ? kLandscape : kPortrait;
  d.UserDefinedPageInUse = row == kUserDefinedRow;
  d.PageWidth = page.cx;
  d.PageHeight = page.cy;
  d.PaperSizeID = PaperFromPageSize(BuiltInPaperList(), page.cx, page.cy, landscape, d.PaperLength, d.PaperWidth);
  ApplyPaperIdFallback(d);
  UpdatePageGeometry(d);
  d.PaperTableIndex = FindPaperTableIndex(d);
}

std::string PaperName(const LayoutDocument& d) {
  if (d.PaperTableIndex < 1) return "(none)";
  return PaperRowSizeName(d.PaperTableIndex, {d.PageWidth, d.PageHeight}, d.DisplayUnit);
}

void PrintText(const LayoutDocument& d) {
  const int unit = d.DisplayUnit;
  const std::string unitName(UnitName(unit));
  const LRect& r = d.PrintableRect;
  std::printf("Page size:       %d x %d layout units (%s x %s %s)\n", d.PageWidth, d.PageHeight,
              LayoutToUnitText(d.PageWidth, unit).c_str(), LayoutToUnitText(d.PageHeight, unit).c_str(),
              unitName.c_str());
  std::printf("Printable area:  left %d, top %d, right %d, bottom %d (%s x %s %s)\n", r.left, r.top, r.right,
              r.bottom, LayoutToUnitText(r.Width(), unit).c_str(), LayoutToUnitText(r.Height(), unit).c_str(),
              unitName.c_str());
  std::printf("Page limit:      %d pages (%d in use)\n", d.MaxPageCount, d.PageNumber);
  std::printf("Paper row:       %d %s\n", d.PaperTableIndex, PaperName(d).c_str());
  std::printf("Driver paper:    id %d, %d x %d (0.1 mm)\n", d.PaperSizeID, d.PaperWidth, d.PaperLength);
  std::printf("Orientation:     %s\n", d.Orientation == kLandscape ? "Landscape" : "Portrait");
  std::printf("Layout:          %s, rows %s, in line %s, block %s, spacing %d x %d\n",
              d.Free ? "free" : "automatic", std::string(AlignName(d.AlignHorizontal)).c_str(),
              std::string(VerticalName(d.AlignLine)).c_str(), std::string(VerticalName(d.AlignVertical)).c_str(),
              d.AlignHorizontalSpacing, d.AlignVerticalSpacing);
}

void PrintJson(const LayoutDocument& d) {
  const LRect& r = d.PrintableRect;
  JsonWriter json;
  json.BeginObject()
      .Field("pageWidth", d.PageWidth)
      .Field("pageHeight", d.PageHeight)
      .Key("printableRect")
      .BeginArray()
      .Int(r.left)
      .Int(r.top)
      .Int(r.right)
      .Int(r.bottom)
      .EndArray()
      .Field("maxPageCount", int32_t(d.MaxPageCount))
      .Field("pageNumber", int32_t(d.PageNumber))
      .Field("paperTableIndex", int32_t(d.PaperTableIndex))
      .Field("paperName", PaperName(d))
      .Field("paperSizeId", int32_t(d.PaperSizeID))
      .Field("paperWidth", d.PaperWidth)
      .Field("paperLength", d.PaperLength)
      .Field("orientation", d.Orientation == kLandscape ? "Landscape" : "Portrait")
      .Field("free", d.Free != 0)
      .Field("alignHorizontal", AlignName(d.AlignHorizontal))
      .Field("alignLine", VerticalName(d.AlignLine))
      .Field("alignVertical", VerticalName(d.AlignVertical))
      .Field("horizontalSpacing", d.AlignHorizontalSpacing)
      .Field("verticalSpacing", d.AlignVerticalSpacing)
      .EndObject();
  std::printf("%s\n", json.Text().c_str());
}

int RunPage(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("page");
  CliArgs args(std::move(arguments));
  const bool json = args.Flag("--json");
  const bool landscape = args.Flag("--landscape");
  std::string rowText, unitText;
  const bool hasRow = args.Value("--row", rowText);
  const bool hasUnit = args.Value("--unit", unitText);
  const std::vector<std::string> operands = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (!operands.empty()) return UsageError(self, "unexpected argument " + operands[0]);

  long row = 0;
  if (hasRow && (!ParseInt(rowText, row) || row < 1 || row > kUserDefinedRow))
    return UsageError(self, "--row takes a paper table row from 1 to 22");
  if (hasUnit && unitText != "mm" && unitText != "inch") return UsageError(self, "--unit is mm or inch");

  DocumentPtr document(DocumentNew(nullptr, nullptr));
  if (!document) {
    std::fprintf(stderr, "%s\n", StringCopy(kNotEnoughMemory).c_str());
    return kExitFailed;
  }
  if (hasUnit) {
    document->DisplayUnit = unitText == "mm" ? kUnitMillimetre : kUnitInch;
    document->DisplayUnitName = UnitName(document->DisplayUnit);
  }
  if (hasRow || landscape) UsePaperRow(*document, hasRow ? int(row) : kA4PaperTableRow, landscape);

  if (json)
    PrintJson(*document);
  else
    PrintText(*document);
  return kExitOk;
}

}  // namespace

extern const CliCommand kPageCommand = {
    "page",
    "create a new layout document and print its page geometry and settings",
    "page [--row N] [--landscape] [--unit mm|inch] [--json]",
    RunPage,
};

}  // namespace tl::cli
