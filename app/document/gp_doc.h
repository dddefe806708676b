// CGPDoc: one open layout. It owns the layout record and its print
// settings, carries the life cycle (made from a template, read from a file,
// saved, closed with the save-modified check), and handles the commands
// that act on a layout: editing, selection, pages, sorting, rotation, the
// layout mode, the paper colour and margin display, Get Image, Replace
// Image and Print. Each command handler checks the busy flag, calls the
// engine's operation and refreshes the views.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/document/missing_image_prompt.h"
#include "app/shell/command_router.h"
#include "document/layout_document.h"
#include "persistence/layout_reader.h"
#include "print/printer_settings.h"

namespace tl {

class CChildFrame;
class CGPView;
class CTessalineApp;
class DocumentServices;

class CGPDoc : public QObject {
  Q_OBJECT

 public:
  explicit CGPDoc(CTessalineApp& app);
  ~CGPDoc() override;

  LayoutDocument* Layout() const { return layout_.get(); }
  PrinterSettings& Printer() { return *printer_; }
  int32_t UntitledNumber() const { return untitledNumber_; }
  // Made from a template and not saved yet.
  bool IsUntitled() const { return untitled_; }
  bool SidePanelShown() const { return sidePanelShown_; }

  // The window that shows the document, set once it is made.
  void SetFrame(CChildFrame* frame);
  CChildFrame* Frame() const;
  CGPView* View() const;
  // The document is closing: its window is hidden and no longer shows it.
  void Detach();

  // New, after a template was chosen: the layout made from the template.
  bool MakeFromTemplate(const std::string& templatePath, int32_t untitledNumber);
  // Open: the layout read from `path`.
  bool ReadLayout(const std::string& path);
  // The same file read again ("Discard the current layout?"): the new
  // record takes the old one's place; the view keeps its zoom.
  void ReplaceLayout(DocumentPtr layout);

  // Asked before the document closes: false refuses the close.
  bool SaveModified();
  bool Save();
  bool SaveAs();
  // How this document reads layout files: moved images are asked about.
  LayoutReadOptions ReadOptions();

  // Adds image files and folders (a drop on the layout window, a hand-over
  // list), with the status line counting; false when the document was busy.
  bool AddImages(const std::vector<std::string>& names);
  void GetImage();
  void ReplaceImage();
  // Prints with the layout's print settings, on its own printer or, when
  // `printerName` is given, on that one.
  void Print(const std::string& printerName = {});
  // Save Template, or with `askName` Save Template As.
  void SaveAsTemplate(bool askName);

  const CommandHandlerMap& Handlers() const { return handlers_; }
  DocumentServices& Services() { return *services_; }

  // After a change: every view redrawn, the summary status shown and the
  // commands' states brought up to date.
  void UpdateAllViews();
  void ShowStatus(int kind);
  // The view changed the selection and repainted what changed itself: the
  // status line, the commands and whatever follows the current image are
  // brought up to date.
  void SelectionChanged();
  // The frame title: the file name, or "Untitled-N".
  std::string Title() const;

 signals:
  void Changed();

 private:
  void RegisterCommands();
  void RegisterFileCommands();
  void RegisterEditCommands();
  void RegisterLayoutCommands();
  void RegisterImageCommands();
  void RegisterViewCommands();
  void RegisterNavigationCommands();
  void RegisterColorCommands();
  void RegisterDialogCommands();
  // Runs `change` when the document has a layout and is not busy, then
  // arranges (when `arrange`), marks it modified and refreshes the views.
  void Edit(const std::function<bool(LayoutDocument&)>& change, bool arrange = true);
  bool Busy() const;
  bool WriteLayout(const std::string& path);
  void AfterLoad();
  // Runs the engine's operation on the layout (when there is one and
  // nothing long runs), then brings the current page back inside the page
  // count and refreshes the views.
  void RunEdit(const std::function<void(LayoutDocument&)>& operation);
  bool HasLayout() const { return layout_ != nullptr; }
  bool ImagesSelected() const;
  void ToggleFlag(int32_t LayoutDocument::*flag);
  void SetPaperColor(ColorRef color);
  void RunAddLoop(const std::vector<std::string>& names);
  // Quick print after Get Image brought images in: printed (after the
  // question, when asked for) and taken out of the layout again.
  void QuickPrintImported();
  bool EnsurePrinter();

  CTessalineApp& app_;
  DocumentPtr layout_;
  std::unique_ptr<PrinterSettings> printer_;
  std::unique_ptr<DocumentServices> services_;
  CommandHandlerMap handlers_;
  PromptedMissingImages missingImages_;
  // The window may go first, with the main window at exit.
  QPointer<CChildFrame> frame_;
  // New layouts are untitled until saved: Save asks for a name.
  bool untitled_ = false;
  int32_t untitledNumber_ = 0;
  bool sidePanelShown_ = true;
};

}  // namespace tl
