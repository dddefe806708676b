// Sending a finished job document to its printer through libcups: one job
// with the device's attributes, one PDF document streamed into it. A job
// that fails on its way is cancelled on the printer, so nothing is left
// half-sent as if it had printed.
#pragma once

#include <string>

#include "print/print_device.h"

namespace tl {

enum class SubmitResult { Sent, PrinterUnreachable, Refused, ReadFailed };

// Sends the PDF at `pdfPath` as job `title`; `detail` receives the
// printer's own words on failure.
SubmitResult SubmitPrintJob(const PrintDevice& device, const std::string& pdfPath, const std::string& title,
                            std::string& detail);

// Shows the message for a failed submission.
void ReportSubmitFailure(const PrintDevice& device, SubmitResult result, const std::string& detail);

}  // namespace tl
