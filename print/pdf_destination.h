// The built-in "PDF file" destination: the papers of the paper table
// without margins, automatic feed and a roll (so banners can be written),
// colour only.
#pragma once

#include "print/printer_capabilities.h"

namespace tl {

PrinterCapabilities PdfFileCapabilities();

}  // namespace tl
