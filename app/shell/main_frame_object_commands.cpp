// The main frame's commands for the objects and decorations of the active
// layout: Insert and Edit Free Text, Insert and Edit Free Line, and
// Header/Footer; and Automatic Rotation of the application default layout
// while no layout is open.
#include <QDateTime>

#include "app/dialogs/auto_rotation_dlg.h"
#include "app/dialogs/free_line_dlg.h"
#include "app/dialogs/free_text_dlg.h"
#include "app/dialogs/header_footer_dlg.h"
#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/shell/main_frame.h"
#include "document/delete_selection.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "layout/auto_rotation_setting.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

// A new free text starts from the document's text style when it has one.
FreeTextObject NewFreeTextSeed(const LayoutDocument& d) {
  FreeTextObject seed;
  if (d.DocumentTextStyle.FontSize > 0 && !d.DocumentTextStyle.FontName.empty()) seed.Style = d.DocumentTextStyle;
  return seed;
}

void AfterObjectChange(CGPDoc& doc) {
  if (LayoutDocument* d = doc.Layout()) PullCurrentPageBack(*d);
  doc.UpdateAllViews();
}

}  // namespace

void CMainFrame::RegisterObjectCommands() {
  CommandHandlerMap& commands = app_.Router().FrameHandlers();
  // The active layout, when one is open and nothing long runs (else a beep).
  const auto editable = [this]() -> CGPDoc* {
    CChildFrame* child = ActiveChild();
    if (!child || !child->Document().Layout()) return nullptr;
    if (app_.DocumentBusy()) {
      ErrorBeep();
      return nullptr;
    }
    return &child->Document();
  };
  const auto hasLayout = [this] { return ActiveChild() && ActiveChild()->Document().Layout(); };

  commands.Add(kCmdInsertFreeText, [this, editable] {
    CGPDoc* doc = editable();
    if (!doc) return;
    LayoutDocument& d = *doc->Layout();
    CFreeTextDlg dialog(app_.Prompts(), OpenFreeText(NewFreeTextSeed(d)), [doc, &d](const FreeTextValues& v, int& bad) {
      return InsertFreeText(d, v, bad, doc->Services().Import()) != nullptr;
    }, this);
    if (dialog.exec() == QDialog::Accepted) AfterObjectChange(*doc);
  }, hasLayout);

  commands.Add(kCmdEditFreeText, [this, editable] {
    CGPDoc* doc = editable();
    FreeTextObject* text = doc ? SoleSelectedFreeText(*doc->Layout()) : nullptr;
    if (!text) return;
    LayoutDocument& d = *doc->Layout();
    CFreeTextDlg dialog(app_.Prompts(), OpenFreeText(*text), [doc, &d, text](const FreeTextValues& v, int& bad) {
      return EditFreeText(d, *text, v, bad, doc->Services().Import());
    }, this);
    if (dialog.exec() == QDialog::Accepted) AfterObjectChange(*doc);
  }, [this] { return ActiveChild() && ActiveChild()->Document().Layout() &&
                     SoleSelectedFreeText(*ActiveChild()->Document().Layout()); });

  commands.Add(kCmdInsertFreeLine, [this, editable] {
    CGPDoc* doc = editable();
    if (!doc) return;
    LayoutDocument& d = *doc->Layout();
    FreeLineObject seed;
    CFreeLineDlg dialog(app_.Prompts(), OpenFreeLine(seed, d.DisplayUnit), [doc, &d](const FreeLineValues& v, int& bad) {
      return InsertFreeLine(d, v, bad, doc->Services().Import()) != nullptr;
    }, this);
    if (dialog.exec() == QDialog::Accepted) AfterObjectChange(*doc);
  }, hasLayout);

  commands.Add(kCmdEditFreeLine, [this, editable] {
    CGPDoc* doc = editable();
    FreeLineObject* line = doc ? SoleSelectedFreeLine(*doc->Layout()) : nullptr;
    if (!line) return;
    LayoutDocument& d = *doc->Layout();
    CFreeLineDlg dialog(app_.Prompts(), OpenFreeLine(*line, d.DisplayUnit), [doc, &d, line](const FreeLineValues& v, int& bad) {
      return EditFreeLine(d, *line, v, bad, doc->Services().Import());
    }, this);
    if (dialog.exec() == QDialog::Accepted) AfterObjectChange(*doc);
  }, [this] { return ActiveChild() && ActiveChild()->Document().Layout() &&
                     SoleSelectedFreeLine(*ActiveChild()->Document().Layout()); });

  commands.Add(kCmdHeaderFooter, [this, editable] {
    CGPDoc* doc = editable();
    if (!doc) return;
    LayoutDocument& d = *doc->Layout();
    if (!UndoRecord(d, kUndoHeaderFooter)) return;
    CHeaderFooterDlg dialog(app_.Prompts(), OpenHeaderFooter(d), QDateTime::currentDateTimeUtc().date(),
                            [&d](HeaderFooterValues& v, int& bad) { return ApplyHeaderFooter(v, d, bad); }, this);
    if (dialog.exec() != QDialog::Accepted) {
      UndoClear();
      return;
    }
    AfterObjectChange(*doc);
  }, hasLayout);

  // With no layout open, Automatic Rotation sets up the layouts to come.
  commands.Add(kCmdAutoRotation, [this] {
    LayoutDocument* defaults = app_.Preferences().ApplicationDefaultDocument.get();
    if (!defaults) return;
    CAutoRotationDlg dialog(defaults->AutoRotation, this);
    if (dialog.exec() == QDialog::Accepted) ApplyAutoRotation(*defaults, dialog.Mode());
  }, [this] { return app_.Preferences().ApplicationDefaultDocument != nullptr; });
}

}  // namespace tl
