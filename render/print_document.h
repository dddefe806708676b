// Printing a document: the printing layer's job with every page drawn by
// the printer path into one PDF, which goes to the CUPS printer or, for
// the "PDF file" destination, becomes the file itself. Quick print prints
// the images just brought in and takes them out of the layout again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/edit_services.h"
#include "print/printer_settings.h"
#include "render/page_draw_context.h"
#include "render/print_information.h"

namespace tl {

struct LayoutDocument;

struct PrintOptions {
  std::string PdfPath;  // the file of the "PDF file" destination; empty: beside the layout
  // Asked before each page (numbered from 1); false cancels the job there.
  std::function<bool(int32_t pageNumber)> Continue;
  double Resolution = 300;
  DrawServices Services;  // without a matcher, the document's own output colour handling
};

enum class PrintResult { Printed, NotStarted, Cancelled, Failed };

// What the header and footer's print information line tells.
PrintInformation PrintInformationOf(const LayoutDocument& document, const PrinterSettings& settings);

// The PDF file destination's file when none is given: the layout's path
// with ".pdf", or "Untitled.pdf" in the working folder.
std::string DefaultPdfPath(const LayoutDocument& document);

// Prepares, draws and sends the job. The view's page is restored and
// nothing is left half-sent on any outcome.
PrintResult PrintDocument(LayoutDocument& document, PrinterSettings& settings, const PrintOptions& options = {});

// Status line texts of quick print.
class StatusLine {
 public:
  virtual ~StatusLine() = default;
  virtual void ShowStatus(std::string_view text) = 0;
};

// Prints after an import (asking first when `ask`), then restores the
// snapshot taken before the import, also after a Cancel.
PrintResult QuickPrint(LayoutDocument& document, PrinterSettings& settings, bool ask, StatusLine* status,
                       EditServices& services, const PrintOptions& options = {});

}  // namespace tl
