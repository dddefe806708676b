// Bringing images into a layout: Get Image, files and folders dropped on
// the layout window or handed over by another program, and Replace Image.
#include <QCoreApplication>
#include <QEventLoop>

#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "imaging/import_extensions.h"
#include "layout/replace_image.h"
#include "render/image_add_loop.h"
#include "render/status_text.h"

namespace tl {
namespace {

// The add loop's progress on the status line; pending events are
// dispatched after each file, and Ctrl+. asks the loop to stop.
class StatusProgress final : public ImageAddProgress {
 public:
  StatusProgress(CGPDoc& document, CMainFrame* frame) : document_(document), frame_(frame) {}

  void FileStarting(int32_t added, int32_t failed) override {
    if (CGPView* view = document_.View()) view->Status().A = added, view->Status().B = failed;
    document_.ShowStatus(kStatusLoading);
  }
  bool Pump() override {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return frame_ && frame_->StopRequested();
  }

 private:
  CGPDoc& document_;
  CMainFrame* frame_;
};

}  // namespace

void CGPDoc::RunAddLoop(const std::vector<std::string>& names) {
  CMainFrame* frame = app_.MainFrame();
  BusyScope busy(app_);
  if (frame) {
    frame->SetStopRequested(0);
    frame->Refresh();
  }
  StatusProgress progress(*this, frame);
  const ImageAddCounts counts = AddImageFiles(*layout_, names, progress);
  if (CGPView* view = View()) {
    view->Status().A = counts.Added;
    view->Status().B = counts.Failed;
    view->PageCountChanged();
  }
  UpdateAllViews();
  if (counts.Failed < 0) ShowStatus(kStatusFailures);
}

bool CGPDoc::AddImages(const std::vector<std::string>& names) {
  if (!layout_) return false;
  if (Busy()) {
    ErrorBeep();
    return false;
  }
  UndoClear();
  RunAddLoop(names);
  return true;
}

void CGPDoc::GetImage() {
  if (!layout_) return;
  if (Busy()) {
    ErrorBeep();
    return;
  }
  UndoClear();
  const std::vector<std::string> names = app_.Prompts().ImageFiles(frame_.data(), QuickTimeAvailable());
  if (names.empty()) return;
  if (CGPView* view = View()) view->Status().A = view->Status().B = 0;
  if (!UndoRecord(*layout_, kUndoGetImages)) return;
  const int before = ObjectCount(layout_->Objects);
  RunAddLoop(names);
  // Quick print needs something new to print.
  if (app_.Preferences().quickPrint && !layout_->Free && ObjectCount(layout_->Objects) > before) QuickPrintImported();
}

void CGPDoc::ReplaceImage() {
  if (!layout_) return;
  if (Busy()) {
    ErrorBeep();
    return;
  }
  UndoClear();
  const std::string path = app_.Prompts().ReplacementImage(frame_.data(), QuickTimeAvailable());
  if (path.empty()) return;
  BusyScope busy(app_);
  ReplaceSelectedImages(*layout_, path, services_->Import());
  UpdateAllViews();
}

}  // namespace tl
