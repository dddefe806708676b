// Printing a layout with the print settings it holds: its own printer, the
// system's default printer when it names none, or the "PDF file"
// destination when there is no printer at all, which asks where to write.
#include <QApplication>

#include "app/dialogs/printing_dlg.h"
#include "app/document/gp_doc.h"
#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "document/message_box.h"
#include "print/cups_destination.h"
#include "print/pdf_destination.h"
#include "render/print_document.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kPrinterNotAvailable = 40014;  // "The printer %s is not available."

std::string PrinterFor(const LayoutDocument& d) {
  if (!d.PrinterName.empty()) return d.PrinterName;
  const std::string system = CupsDefaultDestination();
  return system.empty() ? PdfFilePrinterName() : system;
}

}  // namespace

bool CGPDoc::EnsurePrinter() {
  if (!layout_) return false;
  if (printer_->Extension) return true;
  const std::string name = PrinterFor(*layout_);
  if (PrinterSettingsLoad(*layout_, *printer_, name)) return true;
  ShowMessageText(StringWith(kPrinterNotAvailable, {name}), MessageIcon::Stop);
  return false;
}

void CGPDoc::Print(const std::string& printerName) {
  if (!layout_) return;
  if (Busy()) {
    ErrorBeep();
    return;
  }
  if (!printerName.empty()) {
    // Another printer for this job only: the next print opens the layout's
    // own again.
    printer_ = std::make_unique<PrinterSettings>();
    if (!PrinterSettingsLoad(*layout_, *printer_, printerName)) {
      ShowMessageText(StringWith(kPrinterNotAvailable, {printerName}), MessageIcon::Stop);
      printer_ = std::make_unique<PrinterSettings>();
      return;
    }
  }
  if (!EnsurePrinter()) return;
  PrintOptions options;
  if (printer_->Extension->PdfFile) {
    options.PdfPath = DefaultPdfPath(*layout_);
    if (!app_.Prompts().PdfOutputFile(frame_.data(), options.PdfPath)) return;
  }
  BusyScope busy(app_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  CPrintingDlg progress(frame_.data(), Title(), printer_->Extension->PrinterName);
  options.Continue = [&progress](int32_t page) { return progress.Continue(page); };
  PrintDocument(*layout_, *printer_, options);
  QApplication::restoreOverrideCursor();
  if (!printerName.empty()) printer_ = std::make_unique<PrinterSettings>();
  UpdateAllViews();
}

}  // namespace tl
