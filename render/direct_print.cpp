#include "render/direct_print.h"

#include <filesystem>

#include "document/message_box.h"
#include "persistence/layout_paths.h"
#include "print/printer_settings.h"
#include "render/header_footer.h"
#include "render/layout_io.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPrinterNotAvailable = 40014;  // "The printer %s is not available."

std::string FullPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

}  // namespace

DirectPrintResult DirectPrintFile(const std::string& path, const std::string& printerName,
                                  const LayoutReadOptions& read, const PrintOptions& options) {
  if (!IsLayoutFileName(path)) {
    ShowMessage(kFailedToOpenMessage, MessageIcon::Stop);
    return DirectPrintResult::NotOpened;
  }
  DocumentPtr layout = LoadRenderedLayoutFile(path, read);
  if (!layout) return DirectPrintResult::NotOpened;
  layout->DocumentPath = FullPath(path);
  ComposeHeaderFooter(*layout);
  PrinterSettings settings;
  if (!PrinterSettingsLoad(*layout, settings, printerName)) {
    ShowMessageText(StringWith(kPrinterNotAvailable, {printerName}), MessageIcon::Stop);
    return DirectPrintResult::PrinterMissing;
  }
  switch (PrintDocument(*layout, settings, options)) {
    case PrintResult::Printed: return DirectPrintResult::Printed;
    case PrintResult::Cancelled: return DirectPrintResult::Cancelled;
    default: return DirectPrintResult::NotPrinted;
  }
}

}  // namespace tl
