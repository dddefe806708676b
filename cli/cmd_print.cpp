// tessaline-cli print: prints a layout file with the print settings it
// holds, on its own printer, another one, or into a PDF file.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/cli_command.h"
#include "cli/layout_argument.h"
#include "print/cups_destination.h"
#include "print/driver_extension.h"
#include "print/printer_settings.h"
#include "render/print_document.h"
#include "resources/string_table.h"

namespace tl::cli {
namespace {

constexpr int kPrinterNotAvailable = 40014;

// The printer asked for, else the layout's own, else the CUPS default.
std::string ChoosePrinter(const std::string& asked, bool toPdf, const LayoutDocument& document) {
  if (toPdf) return PdfFilePrinterName();
  if (!asked.empty()) return asked;
  if (!document.PrinterName.empty()) return document.PrinterName;
  return CupsDefaultDestination();
}

int RunPrint(std::vector<std::string> arguments) {
  const CliCommand& self = *FindCliCommand("print");
  CliArgs args(std::move(arguments));
  std::string printer, pdf;
  const bool named = args.Value("--printer", printer);
  const bool toPdf = args.Value("--pdf", pdf);
  const std::vector<std::string> operands = args.Operands();
  if (args.HasProblem()) return UsageError(self, args.Problem());
  if (operands.size() != 1) return UsageError(self, "give one layout file");
  if (named && toPdf && printer != PdfFilePrinterName())
    return UsageError(self, "--pdf prints to the PDF file destination");

  OpenedLayout opened;
  if (!OpenLayoutArgument(operands[0], opened, false)) return kExitFailed;
  LayoutDocument* document = opened.Document.get();

  const std::string name = ChoosePrinter(printer, toPdf || printer == PdfFilePrinterName(), *document);
  if (name.empty()) {
    std::fprintf(stderr, "tessaline-cli print: no printer; give --printer NAME or --pdf OUT.pdf\n");
    return kExitFailed;
  }
  PrinterSettings settings;
  if (!PrinterSettingsLoad(*document, settings, name)) {
    std::fprintf(stderr, "%s\n", StringWith(kPrinterNotAvailable, {name}).c_str());
    return kExitFailed;
  }
  document->PrinterName = name;

  PrintOptions options;
  options.PdfPath = pdf;
  int32_t pages = 0;
  options.Continue = [&](int32_t) { return ++pages, true; };
  if (PrintDocument(*document, settings, options) != PrintResult::Printed) return kExitFailed;
  if (settings.Extension->PdfFile) {
    const std::string written = pdf.empty() ? DefaultPdfPath(*document) : pdf;
    std::printf("Printed %d page%s to %s\n", pages, pages == 1 ? "" : "s", written.c_str());
  } else {
    std::printf("Printed %d page%s on %s\n", pages, pages == 1 ? "" : "s", name.c_str());
  }
  return kExitOk;
}

}  // namespace

extern const CliCommand kPrintCommand = {
    "print",
    "print a layout with its print settings, on a printer or into a PDF file",
    "print LAYOUT.qlf [--printer NAME|URI] [--pdf OUT.pdf]",
    RunPrint,
};

}  // namespace tl::cli
