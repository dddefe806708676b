#include "app/shell/tool_windows.h"

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/command_actions.h"
#include "app/shell/main_frame.h"
#include "app/windows/direct_print_wnd.h"
#include "app/windows/image_info_wnd.h"
#include "app/windows/image_preview_wnd.h"
#include "document/undo_store.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

constexpr int kShowInformationText = 10607, kHideInformationText = 10608;
constexpr int kShowPreviewText = 10609, kHidePreviewText = 10610;
constexpr int kShowDirectPrintText = 40806, kHideDirectPrintText = 40807;

// Closes a window that may be the one asking (from its own close event):
// it goes once the event is done.
template <typename Window>
void Dismiss(QPointer<Window>& window) {
  if (Window* w = window.data()) {
    window = nullptr;
    w->hide();
    w->deleteLater();
  }
}

}  // namespace

CToolWindows::CToolWindows(CTessalineApp& app) : app_(app) {
  connect(&app.Documents(), &CGPDocManager::DocumentsChanged, this, [this] {
    WatchDocuments();
    Follow();
  });
  connect(&app, &CTessalineApp::ImagePreviewRequested, this, &CToolWindows::PreviewRequested);
}

CToolWindows::~CToolWindows() {
  delete information_.data();
  delete preview_.data();
  delete directPrint_.data();
}

CImageInfoWnd* CToolWindows::Information() const { return information_; }
CImagePreviewWnd* CToolWindows::Preview() const { return preview_; }
CDirectPrintWnd* CToolWindows::DirectPrint() const { return directPrint_; }

void CToolWindows::WatchDocuments() {
  for (CGPDoc* document : app_.Documents().Documents())
    connect(document, &CGPDoc::Changed, this, &CToolWindows::Follow, Qt::UniqueConnection);
}

void CToolWindows::UpdateMenus() {
  if (CMainFrame* frame = app_.MainFrame()) frame->Actions().Update();
}

const ImageObject* CToolWindows::CurrentImage() const {
  const CGPDoc* document = app_.Documents().Active();
  const LayoutDocument* layout = document ? document->Layout() : nullptr;
  return layout ? layout->CurrentImage : nullptr;
}

void CToolWindows::Follow() {
  const ImageObject* image = CurrentImage();
  if (information_) information_->ShowImageInformation(image);
  if (preview_) preview_->Follow(image);
}

void CToolWindows::CurrentImageChanged(CGPDoc& document) {
  if (&document == app_.Documents().Active()) Follow();
}

void CToolWindows::ShowInformation(bool shown) {
  PreferenceRecord& p = app_.Preferences();
  p.infoShow = shown ? 1 : 0;
  if (!shown) {
    Dismiss(information_);
    return;
  }
  if (information_ || !app_.MainFrame()) return;
  information_ = new CImageInfoWnd(app_.MainFrame(), p.infoOrigin);
  connect(information_, &CImageInfoWnd::Closed, this, [this] {
    ShowInformation(false);
    UpdateMenus();
  });
  information_->show();
  information_->ShowImageInformation(CurrentImage());
}

void CToolWindows::ShowPreview(bool shown) {
  PreferenceRecord& p = app_.Preferences();
  p.scopeShow = shown ? 1 : 0;
  if (!shown) {
    Dismiss(preview_);
    return;
  }
  if (preview_ || !app_.MainFrame()) return;
  preview_ = new CImagePreviewWnd(app_.MainFrame(), p.scopeOrigin, p.scopeSize);
  connect(preview_, &CImagePreviewWnd::Closed, this, [this] {
    ShowPreview(false);
    UpdateMenus();
  });
  preview_->show();
  preview_->Follow(CurrentImage());
}

void CToolWindows::ShowDirectPrint(bool shown) {
  PreferenceRecord& p = app_.Preferences();
  p.directPrintShow = shown ? 1 : 0;
  if (!shown) {
    // A print under way stops after its page; the window goes once it has.
    if (directPrint_) directPrint_->Close();
    directPrint_ = nullptr;
    return;
  }
  if (directPrint_ || !app_.MainFrame()) return;
  directPrint_ = new CDirectPrintWnd(app_.MainFrame(), app_, p.directPrintPos);
  connect(directPrint_, &CDirectPrintWnd::Closed, this, [this] {
    ShowDirectPrint(false);
    UpdateMenus();
  });
  directPrint_->show();
}

void CToolWindows::OpenStored() {
  const PreferenceRecord& p = app_.Preferences();
  if (p.infoShow) ShowInformation(true);
  if (p.scopeShow) ShowPreview(true);
  if (p.directPrintShow) ShowDirectPrint(true);
}

void CToolWindows::PreviewRequested(bool createIfClosed) {
  if (!preview_) {
    if (createIfClosed) ShowPreview(true);
    UpdateMenus();
    return;
  }
  preview_->raise();
  preview_->Follow(CurrentImage());
}

void CToolWindows::DirectPrintersChanged() {
  if (directPrint_) directPrint_->SetPrinters(app_.Preferences().directPrintPrinter);
}

void CTessalineApp::RegisterToolWindowCommands() {
  CommandHandlerMap& commands = router_.ApplicationHandlers();
  const PreferenceRecord& p = preferences_;

  CommandHandler information;
  information.Run = [this] {
    ToolWindows().ShowInformation(!preferences_.infoShow);
    UndoClear();
  };
  information.Checked = [&p] { return p.infoShow != 0; };
  information.TextId = [&p] { return p.infoShow ? kHideInformationText : kShowInformationText; };
  commands.Add(kCmdShowImageInformation, information);

  CommandHandler preview;
  preview.Run = [this] {
    ToolWindows().ShowPreview(!preferences_.scopeShow);
    UndoClear();
  };
  preview.TextId = [&p] { return p.scopeShow ? kHidePreviewText : kShowPreviewText; };
  commands.Add(kCmdShowImagePreview, preview);

  CommandHandler directPrint;
  directPrint.Run = [this] { ToolWindows().ShowDirectPrint(!preferences_.directPrintShow); };
  directPrint.TextId = [&p] { return p.directPrintShow ? kHideDirectPrintText : kShowDirectPrintText; };
  commands.Add(kCmdShowDirectPrint, directPrint);
}

}  // namespace tl
