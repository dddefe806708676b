// Quick print: with the quick print preference on, the images Get Image
// brings into an automatic layout are printed at once (after the question,
// when the preferences ask for it) and leave the layout again, which is
// kept as a fixed form. The quick print pane tells what is going on.
#include "app/dialogs/printing_dlg.h"
#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "document/undo_store.h"
#include "render/print_document.h"

namespace tl {
namespace {

// Quick print's texts on the main window's quick print pane.
class QuickPrintPane final : public StatusLine {
 public:
  explicit QuickPrintPane(CMainFrame* frame) : frame_(frame) {}
  void ShowStatus(std::string_view text) override {
    if (frame_) frame_->SetQuickPrintText(text);
  }

 private:
  CMainFrame* frame_;
};

}  // namespace

void CGPDoc::QuickPrintImported() {
  BusyScope busy(app_);
  // Without a printer nothing prints, and the layout stays the form it was.
  if (!EnsurePrinter()) {
    UndoRestore(*layout_, *services_);
    UpdateAllViews();
    return;
  }
  QuickPrintPane pane(app_.MainFrame());
  CPrintingDlg progress(app_.MainFrame(), Title(), printer_->Extension->PrinterName);
  PrintOptions options;
  options.Continue = [&progress](int32_t page) { return progress.Continue(page); };
  QuickPrint(*layout_, *printer_, app_.Preferences().confirmDialogShow != 0, &pane, *services_, options);
  UpdateAllViews();
}

}  // namespace tl
