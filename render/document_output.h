// Whole documents to files: every printer page through the printer path
// into one PDF (the command line's render command, and the PDF file
// destination of printing), and every page through the screen path into
// one PNG each. Files are written beside their final name and moved into
// place only when complete.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "document/layout_document.h"
#include "render/page_draw_context.h"

namespace tl {

struct PdfOutputOptions {
  double Resolution = 300;  // the printer's pixels per inch
  DrawServices Services;
  int32_t PageCount = 0;    // printer pages to write; 0: every page of the document
  // Asked before each page (from 0); false stops, and no file is left.
  std::function<bool(int32_t index)> PageStarting;
};

// The sheet a PDF page has: the layout page, or for a banner one banner
// page of the paper (PaperLength along the banner), in layout units.
LSize PdfSheetSize(const LayoutDocument& document);

// One PDF page per printer page. False (and nothing at `path`) when the
// file cannot be written or the output was stopped.
bool RenderDocumentPdf(LayoutDocument& document, const std::string& path, const PdfOutputOptions& options = {});

struct PngOutputOptions {
  int32_t ZoomNumerator = 1;
  int32_t ZoomDenominator = 1;
  double Dpi = 96;  // the screen resolution the view draws for
  DrawServices Services;
};

// The file of page `pageIndex` (from 0): PREFIX-N.png with N from 1.
std::string PngPagePath(const std::string& prefix, int32_t pageIndex);

// Each page as the view shows it, the window just holding the page. False
// when a file cannot be written; the pages written before stay.
bool RenderDocumentPngs(LayoutDocument& document, const std::string& prefix, const PngOutputOptions& options = {});

}  // namespace tl
