// The print job, up to the drawing: preparation applies the document's
// settings to the driver, works out the pages, warns about what will not
// print as laid out and makes the device; beginning and ending select the
// printer's colour space and keep the view's page for the length of the job.
// The pages themselves are drawn by the rendering layer.
#pragma once

#include <cstdint>

#include "document/geometry.h"
#include "print/print_device.h"
#include "print/printer_settings.h"

namespace tl {

struct LayoutDocument;

struct PrintJob {
  int32_t FirstPage = 1;  // counted from 1
  int32_t LastPage = 1;
  LRect PrinterArea;      // the printer's printable area on the page, layout units
  PrintDevicePtr Device;
  int32_t SavedPage = 0;  // the view's page before the job
  DeviceColorSpace ReplacedColorSpace;
};

// Steps of preparation in order; false when the job must not start (the
// user cancelled, or there is no device).
bool PreparePrintJob(LayoutDocument& document, PrinterSettings& settings, PrintJob& job);

// The page count of a banner on sheets of the chosen paper: the banner's
// length over one sheet's printable length, rounded up.
int32_t BannerSheetCount(const LayoutDocument& document, int32_t sheetLength);

// Remembers the view's page and selects the output printer profile's
// colour space into the device (none when it cannot be opened).
void BeginPrintJob(LayoutDocument& document, PrintJob& job);
// The page being printed becomes the view's page.
void ShowPrintingPage(LayoutDocument& document, int32_t pageNumber);
// Puts back the colour space and the view's page.
void EndPrintJob(LayoutDocument& document, PrintJob& job);

}  // namespace tl
