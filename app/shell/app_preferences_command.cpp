// "Application Preferences..." of the main frame: the Preferences dialog on
// the active layout (or the default document new layouts start from when
// none is active); OK stores what it shows at once, in memory, and the
// quick print pane follows either way.
#include <QApplication>
#include <QDialog>

#include "app/dialogs/app_preferences_dlg.h"
#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "app/shell/tool_windows.h"
#include "print/app_preferences.h"
#include "print/printer_settings.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

enum QuickPrintPaneKind : int { kPaneClear = 9, kPaneEnabled = 10 };

// The printers the dialog offers: those the layout's print settings know,
// else every printer there is.
std::vector<std::string> OfferedPrinters(CGPDoc* active) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool known = active && active->Layout() && !active->Printer().Printers.empty();
  const std::vector<PrinterEntry> entries = known ? active->Printer().Printers : ListPrinters();
  QApplication::restoreOverrideCursor();
  std::vector<std::string> names;
  for (const PrinterEntry& entry : entries) names.push_back(entry.Name);
  return names;
}

void RunApplicationPreferences(CTessalineApp& app, CMainFrame& frame) {
  PreferenceRecord& prefs = app.Preferences();
  CGPDoc* active = app.Documents().Active();
  LayoutDocument* document = active && active->Layout() ? active->Layout() : prefs.ApplicationDefaultDocument.get();
  if (!document) return;
  AppPreferencesForm form = OpenAppPreferences(prefs, *document, OfferedPrinters(active));
  CAppPreferencesDlg dialog(form, prefs, *document, &frame);
  if (dialog.exec() == QDialog::Accepted) {
    StoreAppPreferences(form, prefs, *document);
    app.ToolWindows().DirectPrintersChanged();
    app.Documents().RedrawAll();
  }
  frame.SetQuickPrintPane(prefs.quickPrint ? kPaneEnabled : kPaneClear);
}

}  // namespace

void CMainFrame::RegisterPreferencesCommand() {
  app_.Router().FrameHandlers().Add(kCmdAppPreferences, [this] { RunApplicationPreferences(app_, *this); });
}

}  // namespace tl
