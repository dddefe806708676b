#include "app/document/gp_doc.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>

#include "app/document/document_services.h"
#include "app/document/missing_image_prompt.h"
#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "app/shell/recent_files.h"
#include "app/view/gp_view.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "persistence/layout_paths.h"
#include "print/app_preferences.h"
#include "render/header_footer.h"
#include "render/layout_io.h"
#include "render/screen_page.h"
#include "render/text_format.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kUntitledString = 10031;       // "Untitled-%d"
constexpr int kSaveChangesQuestion = 10420;  // "Save changes of %s before closing?"
constexpr int kRelativePathQuestion = 10441;
constexpr int kSaveFailedMessage = 10470;    // "The layout could not be saved as %s."

// The wait cursor for the length of a scope.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string FullPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  return ec ? path : full.lexically_normal().string();
}

// Where Save As suggests an untitled layout: the user's pictures folder.
std::string SuggestedFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return (pictures.isEmpty() ? QDir::homePath() : pictures).toStdString();
}

}  // namespace

CGPDoc::CGPDoc(CTessalineApp& app)
    : app_(app),
      printer_(std::make_unique<PrinterSettings>()),
      services_(std::make_unique<DocumentServices>(*this)),
      missingImages_(app.Prompts()) {
  RegisterCommands();
}

CGPDoc::~CGPDoc() {
  delete frame_.data();  // its view refers to the layout: it goes first
  if (layout_) {
    UndoForgetDocument(*layout_);
    layout_->View = nullptr;
  }
}

void CGPDoc::Detach() {
  if (layout_) layout_->View = nullptr;
  if (frame_) frame_->hide();
}

void CGPDoc::SetFrame(CChildFrame* frame) {
  frame_ = frame;
  if (layout_ && frame_) layout_->View = frame_->View();
}

CChildFrame* CGPDoc::Frame() const { return frame_.data(); }

CGPView* CGPDoc::View() const { return frame_ ? frame_->View() : nullptr; }

bool CGPDoc::Busy() const { return app_.DocumentBusy(); }

std::string CGPDoc::Title() const {
  if (!layout_) return {};
  if (untitled_) return FillPlaceholders(StringText(kUntitledString), {std::to_string(untitledNumber_)});
  return FrameTitle(*layout_, untitledNumber_);
}

LayoutReadOptions CGPDoc::ReadOptions() {
  LayoutReadOptions options;
  options.Prompt = &missingImages_;
  return options;
}

bool CGPDoc::MakeFromTemplate(const std::string& templatePath, int32_t untitledNumber) {
  WaitCursor wait;
  DocumentPtr layout = LoadRenderedLayoutFile(templatePath, ReadOptions());
  if (!layout) return false;
  layout_ = std::move(layout);
  // The layout keeps the template's folder, so that images a template
  // carries are found relative to it; it is saved elsewhere (Save asks).
  layout_->DocumentPath = LayoutPathForTemplate(templatePath);
  layout_->SavingTemplate = 0;
  layout_->Modified = 0;
  untitled_ = true;
  untitledNumber_ = untitledNumber;
  AfterLoad();
  return true;
}

bool CGPDoc::ReadLayout(const std::string& path) {
  WaitCursor wait;
  DocumentPtr layout = LoadRenderedLayoutFile(path, ReadOptions());
  if (!layout) return false;
  layout_ = std::move(layout);
  layout_->DocumentPath = FullPath(path);
  untitled_ = false;
  AfterLoad();
  app_.RecentFiles().Add(layout_->DocumentPath);
  return true;
}

void CGPDoc::ReplaceLayout(DocumentPtr layout) {
  if (!layout) return;
  if (layout_) UndoForgetDocument(*layout_);
  layout_ = std::move(layout);
  untitled_ = false;
  AfterLoad();
  if (CGPView* view = View()) {
    layout_->View = view;
    view->SetCurrentPage(0);
    view->PageCountChanged();
  }
  UpdateAllViews();
}

void CGPDoc::AfterLoad() {
  printer_ = std::make_unique<PrinterSettings>();
  TakeApplicationUnits(app_.Preferences(), *layout_);
  ComposeHeaderFooter(*layout_);
  if (CGPView* view = View()) layout_->View = view;
}

bool CGPDoc::SaveModified() {
  if (!layout_ || !layout_->Modified) return true;
  if (Busy()) {
    ErrorBeep();
    return false;
  }
  const std::string name = untitled_ ? UntitledLayoutName(untitledNumber_) : FullPath(layout_->DocumentPath);
  const MessageAnswer answer =
      ShowMessageText(StringWith(kSaveChangesQuestion, {Quoted(name)}), MessageIcon::Exclamation,
                      MessageButtons::YesNoCancel, MessageAnswer::Cancel);
  if (answer == MessageAnswer::Cancel) return false;
  if (answer == MessageAnswer::No) return true;
  return untitled_ ? SaveAs() : Save();
}

// Asks before a save whose relative image folders cannot be made; false
// when the user cancels, else the document saves absolute paths.
static bool ConfirmRelativePaths(LayoutDocument& d, const std::string& path, bool& relative) {
  if (!relative || RelativePathsPossible(d, path)) return true;
  if (ShowMessage(kRelativePathQuestion, MessageIcon::Exclamation, MessageButtons::OkCancel,
                  MessageAnswer::Cancel) != MessageAnswer::Ok)
    return false;
  relative = false;
  return true;
}

bool CGPDoc::WriteLayout(const std::string& path) {
  WaitCursor wait;
  if (SaveLayoutFileWithPreview(path, *layout_)) return true;
  ShowMessageText(StringWith(kSaveFailedMessage, {path}), MessageIcon::Stop);
  return false;
}

bool CGPDoc::Save() {
  if (!layout_) return false;
  if (untitled_ || layout_->DocumentPath.empty()) return SaveAs();
  if (Busy()) {
    ErrorBeep();
    return false;
  }
  BusyScope busy(app_);
  LayoutDocument& d = *layout_;
  bool relative = d.SaveRelativePath != 0;
  if (!ConfirmRelativePaths(d, d.DocumentPath, relative)) return false;
  d.SaveRelativePath = relative;
  const bool written = WriteLayout(d.DocumentPath);
  if (written && !d.SavingTemplate) d.Modified = 0;
  UndoClear();
  UpdateAllViews();
  return written;
}

bool CGPDoc::SaveAs() {
  if (!layout_) return false;
  if (Busy()) {
    ErrorBeep();
    return false;
  }
  LayoutDocument& d = *layout_;
  std::string path = untitled_ ? SuggestedFolder() + "/" + UntitledLayoutName(untitledNumber_) : FullPath(d.DocumentPath);
  bool relative = d.SaveRelativePath != 0;
  if (!app_.Prompts().SaveLayoutAs(frame_.data(), path, relative)) return false;
  BusyScope busy(app_);
  const bool asTemplate = IsTemplateFileName(path);
  if (!asTemplate) path = WithLayoutExtension(path);
  if (!ConfirmRelativePaths(d, path, relative)) return false;
  d.SaveRelativePath = relative;

  const std::string oldPath = d.DocumentPath;
  d.DocumentPath = path;
  if (asTemplate) d.SavingTemplate = 1;
  const bool written = WriteLayout(path);
  d.SavingTemplate = 0;
  if (asTemplate || !written) {
    // A template copy leaves the layout as it was; a failed write keeps
    // the old name.
    d.DocumentPath = oldPath;
  } else {
    untitled_ = false;
    d.Modified = 0;
    app_.RecentFiles().Add(path);
  }
  UndoClear();
  UpdateAllViews();
  return written;
}

void CGPDoc::UpdateAllViews() {
  if (CGPView* view = View()) view->Invalidate();
  if (frame_) frame_->UpdateTitle();
  ShowStatus(kStatusSummary);
  emit Changed();
}

void CGPDoc::ShowStatus(int kind) {
  if (CMainFrame* frame = app_.MainFrame()) frame->ShowStatus(this, kind);
}

}  // namespace tl
