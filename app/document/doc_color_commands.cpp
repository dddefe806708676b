// The print and colour settings commands of a layout: Print Preferences,
// Output, Input and Image Color Management, Color Tone Tuning, and the
// colour-matched view with its progress on the status line (Ctrl+. stops
// it).
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>

#include "app/dialogs/image_color_dlg.h"
#include "app/dialogs/input_color_dlg.h"
#include "app/dialogs/output_color_dlg.h"
#include "app/dialogs/print_preferences_dlg.h"
#include "app/dialogs/tone_tuning_dlg.h"
#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "color/image_color_management.h"
#include "color/matched_view.h"
#include "color/tone_tuning.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "layout/arrange.h"
#include "print/print_preferences.h"
#include "render/status_text.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

// The colour-matched view's count on the status line; events are handled
// between images and Ctrl+. asks the command to stop.
class MatchedViewStatus final : public MatchedViewProgress {
 public:
  MatchedViewStatus(CGPDoc& document, CMainFrame* frame) : document_(document), frame_(frame) {}

  void Start(int total) override {
    if (CGPView* view = document_.View()) view->Status().A = 0, view->Status().B = total;
  }
  void Advance(int done) override {
    if (CGPView* view = document_.View()) view->Status().A = done;
    document_.ShowStatus(kStatusUpdating);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  bool CancelRequested() override { return frame_ && frame_->StopRequested(); }

 private:
  CGPDoc& document_;
  CMainFrame* frame_;
};

// The image the tuning preview shows: the current one, else the first
// selected.
const ImageObject* PreviewedImage(const LayoutDocument& d) {
  if (d.CurrentImage) return d.CurrentImage;
  for (const LayoutObject* object : d.Objects)
    if (const ImageObject* image = AsImage(object); image && image->Selected) return image;
  return nullptr;
}

}  // namespace

void CGPDoc::RegisterColorCommands() {
  const auto layoutNotBusy = [this] { return HasLayout() && !Busy(); };
  const auto imagesSelected = [this] { return ImagesSelected() && !Busy(); };
  // Runs `command` when nothing long runs, else beeps.
  const auto whenFree = [this](const std::function<void()>& command) {
    return [this, command] {
      if (!layout_ || Busy()) {
        ErrorBeep();
        return;
      }
      command();
    };
  };

  handlers_.Add(kCmdPrintPreferences, whenFree([this] {
                  if (!printer_->Extension && !EnsurePrinter()) return;
                  PrintPreferences prefs;
                  if (!OpenPrintPreferences(*layout_, *printer_, prefs)) return;
                  CPrintPreferencesDlg dialog(std::move(prefs), *layout_, *printer_, frame_.data());
                  if (dialog.exec() != QDialog::Accepted) return;
                  UndoClear();
                  UpdateAllViews();
                }),
                layoutNotBusy);

  handlers_.Add(kCmdOutputColorManagement, whenFree([this] {
                  COutputColorDlg dialog(*layout_, frame_.data());
                  if (dialog.exec() == QDialog::Accepted) UpdateAllViews();
                }),
                layoutNotBusy);

  handlers_.Add(kCmdInputColorManagement, whenFree([this] {
                  CInputColorDlg dialog(*layout_, frame_.data());
                  if (dialog.exec() != QDialog::Accepted) return;
                  services_->CurrentImageChanged(*layout_);
                  UpdateAllViews();
                }),
                layoutNotBusy);

  handlers_.Add(kCmdImageColorManagement, whenFree([this] {
                  if (!ImageColorDialogAllowed(*layout_)) return;
                  ImageObject& image = *layout_->CurrentImage;
                  CImageColorDlg dialog(*layout_, image, frame_.data());
                  if (dialog.exec() != QDialog::Accepted) return;
                  if (!UndoRecord(*layout_, kUndoImageColor)) return;
                  if (!ConfirmImageColorChoice(image, dialog.Lists(), dialog.Choice())) return;
                  // The source handling decides how the picture is decoded,
                  // and a label may name the source profile.
                  services_->Import().BuildPreview(image);
                  services_->Import().ComposeLabel(image);
                  ArrangeLayout(*layout_);
                  services_->CurrentImageChanged(*layout_);
                  UpdateAllViews();
                }),
                imagesSelected);

  handlers_.Add(kCmdColorToneTuning, whenFree([this] {
                  if (!ToneTuningAllowed(*layout_)) return;
                  CToneTuningDlg dialog(*layout_, PreviewedImage(*layout_), frame_.data());
                  if (dialog.exec() != QDialog::Accepted) return;
                  if (!UndoRecord(*layout_, kUndoToneTuning)) return;
                  ConfirmToneTuning(*layout_, dialog.Choice());
                  UpdateAllViews();
                }),
                imagesSelected);

  handlers_.Add(kCmdColorMatchedView, whenFree([this] {
                  CMainFrame* frame = app_.MainFrame();
                  BusyScope busy(app_);
                  if (frame) frame->SetStopRequested(0);
                  QApplication::setOverrideCursor(Qt::WaitCursor);
                  MatchedViewStatus progress(*this, frame);
                  RunColorMatchedView(*layout_, &progress);
                  QApplication::restoreOverrideCursor();
                  UpdateAllViews();
                }),
                imagesSelected);
}

}  // namespace tl
