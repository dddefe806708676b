// Printing a layout file without a window, as the direct print window
// does with a dropped file: the file is read as Open reads it, given the
// printer of the button it was dropped on, printed as "Print..." prints
// it, and freed.
#pragma once

#include <string>

#include "persistence/layout_reader.h"
#include "render/print_document.h"

namespace tl {

enum class DirectPrintResult { Printed, NotOpened, PrinterMissing, NotPrinted, Cancelled };

// Prints the layout file at `path` on `printerName`. A file that is not a
// layout gets "Failed to open file.", one that does not read the reader's
// message, a printer that cannot be opened "The printer %s is not
// available."; the job's own messages are those of Print. The "PDF file"
// destination writes beside the layout.
DirectPrintResult DirectPrintFile(const std::string& path, const std::string& printerName,
                                  const LayoutReadOptions& read, const PrintOptions& options = {});

}  // namespace tl
