#include "app/document/doc_manager.h"

#include <QApplication>
#include <QMdiArea>
#include <algorithm>
#include <filesystem>

#include "app/document/gp_doc.h"
#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "document/message_box.h"
#include "persistence/layout_paths.h"
#include "render/layout_io.h"

namespace tl {
namespace {

constexpr int kFailedToOpen = 10417;        // "Failed to open file."
constexpr int kDiscardQuestion = 10421;     // "Discard the current layout?"

std::string LongPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : full.string();
}

}  // namespace

CGPDocManager::CGPDocManager(CTessalineApp& app) : app_(app) {}

CGPDocManager::~CGPDocManager() = default;

std::vector<CGPDoc*> CGPDocManager::Documents() const {
  std::vector<CGPDoc*> list;
  for (const auto& d : documents_) list.push_back(d.get());
  return list;
}

CGPDoc* CGPDocManager::Active() const {
  CMainFrame* frame = app_.MainFrame();
  if (!frame) return documents_.empty() ? nullptr : documents_.back().get();
  CChildFrame* child = frame->ActiveChild();
  return child ? &child->Document() : nullptr;
}

CGPDoc* CGPDocManager::FindByPath(const std::string& path) const {
  for (const auto& d : documents_)
    if (d->Layout() && !d->IsUntitled() && SameFilePath(d->Layout()->DocumentPath, path)) return d.get();
  return nullptr;
}

CGPDoc* CGPDocManager::Show(std::unique_ptr<CGPDoc> document) {
  CGPDoc* shown = document.get();
  documents_.push_back(std::move(document));
  CChildFrame* child = new CChildFrame(*shown);
  shown->SetFrame(child);
  if (CMainFrame* frame = app_.MainFrame()) frame->AddChild(child);
  shown->UpdateAllViews();
  emit DocumentsChanged();
  return shown;
}

CGPDoc* CGPDocManager::NewDocument() {
  if (app_.DocumentBusy()) {
    ErrorBeep();
    return nullptr;
  }
  // Untitled layouts count from 1 again once no layout window is open.
  CGPDoc* active = Active();
  if (!active || !active->Layout()) app_.UntitledCounter() = 0;

  std::unique_ptr<CGPDoc> made;
  {
    BusyScope busy(app_);
    std::string templatePath;
    QWidget* parent = app_.MainFrame();
    if (app_.Prompts().ChooseTemplate(parent, templatePath)) {
      auto document = std::make_unique<CGPDoc>(app_);
      if (document->MakeFromTemplate(templatePath, app_.UntitledCounter() + 1)) {
        ++app_.UntitledCounter();
        made = std::move(document);
      }
    }
  }
  CGPDoc* shown = made ? Show(std::move(made)) : nullptr;
  CloseOthers(shown, {});
  return shown;
}

void CGPDocManager::CloseOthers(CGPDoc* keep, const std::string& keepPath) {
  for (CGPDoc* d : Documents()) {
    if (d == keep || !d->Layout()) continue;
    if (!keepPath.empty() && !d->IsUntitled() && SameFilePath(d->Layout()->DocumentPath, keepPath)) continue;
    CloseDocument(d);
  }
}

bool CGPDocManager::ReloadAfterAsking(CGPDoc& document, const std::string& path) {
  if (ShowMessage(kDiscardQuestion, MessageIcon::Exclamation, MessageButtons::OkCancel, MessageAnswer::Cancel) !=
      MessageAnswer::Ok)
    return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DocumentPtr layout = LoadRenderedLayoutFile(path, document.ReadOptions());
  QApplication::restoreOverrideCursor();
  if (!layout) return false;
  layout->DocumentPath = LongPath(path);
  document.ReplaceLayout(std::move(layout));
  return true;
}

bool CGPDocManager::OpenFile(const std::string& requested) {
  const std::string path = LongPath(requested);
  if (app_.DocumentBusy()) {
    ErrorBeep();
    return false;
  }
  // A file that is no layout leaves the open layout alone.
  if (!IsLayoutFileName(path)) {
    ShowMessage(kFailedToOpen, MessageIcon::Stop);
    return false;
  }
  CloseOthers(nullptr, path);
  if (CGPDoc* shown = FindByPath(path)) {
    BusyScope busy(app_);
    return ReloadAfterAsking(*shown, path);
  }
  std::unique_ptr<CGPDoc> document;
  {
    BusyScope busy(app_);
    document = std::make_unique<CGPDoc>(app_);
    if (!document->ReadLayout(path)) return false;
  }
  Show(std::move(document));
  return true;
}

bool CGPDocManager::CloseDocument(CGPDoc* document) {
  const auto it = std::find_if(documents_.begin(), documents_.end(),
                               [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return true;
  if (app_.DocumentBusy()) {
    ErrorBeep();
    return false;
  }
  if (!document->SaveModified()) return false;
  // The document and its window go once the current event is done: a
  // command of the document may be what closes it.
  std::unique_ptr<CGPDoc> closing = std::move(*it);
  documents_.erase(it);
  closing->Detach();
  closing.release()->deleteLater();
  emit DocumentsChanged();
  return true;
}

bool CGPDocManager::CloseAll() {
  for (CGPDoc* d : Documents())
    if (!CloseDocument(d)) return false;
  return true;
}

void CGPDocManager::RedrawAll() {
  for (const auto& d : documents_) d->UpdateAllViews();
}

}  // namespace tl
