// The built-in "PDF file" destination: the papers of the paper table
// without margins, automatic feed and a roll (so banners can be written),
// colour only.
#pragma once

#include <string>

#include "print/printer_capabilities.h"

namespace tl {

// The destination's name in the printer lists.
std::string PdfFilePrinterName();

PrinterCapabilities PdfFileCapabilities();

}  // namespace tl
