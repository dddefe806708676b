// Stored setting blocks (user presets are kept as text in the config
// folder): any text opens the PDF file destination's driver or is refused,
// and every item reads back within what the driver offers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "print/driver_extension.h"
#include "print/driver_items.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const tl::DriverExtensionPtr extension = tl::ExtensionLoad(tl::PdfFilePrinterName());
  const std::string block(reinterpret_cast<const char*>(data), size);
  if (!tl::ExtensionOpen(*extension, tl::kOpenFromBlock, block)) return 0;
  for (const uint16_t item : {tl::kItemOrientation, tl::kItemPaperSize, tl::kItemPaperSource, tl::kItemMediaType,
                              tl::kItemInk, tl::kItemColorAdjust, tl::kItemPrintableArea, tl::kItemBannerFlags,
                              tl::kItemColorManagement}) {
    tl::ItemRecord record;
    tl::ExtensionGetData(*extension, item, record);
  }
  if (!tl::FindPaper(extension->Caps, extension->State.PaperId)) __builtin_trap();
  return 0;
}
