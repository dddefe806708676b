// The command handlers of a layout document: each command id of the
// document's command table with its engine operation and enabled rule.
#include <QSplitter>

#include "app/dialogs/template_dialogs.h"
#include "app/document/document_services.h"
#include "app/document/gp_doc.h"
#include "app/shell/app_prompts.h"
#include "app/shell/application.h"
#include "app/shell/child_frame.h"
#include "app/document/doc_manager.h"
#include "app/view/gp_view.h"
#include "document/clipboard.h"
#include "document/delete_selection.h"
#include "document/duplicate.h"
#include "document/message_box.h"
#include "document/overlap_order.h"
#include "document/page_commands.h"
#include "document/selection.h"
#include "document/sort_images.h"
#include "document/undo_store.h"
#include "layout/layout_mode.h"
#include "layout/orientation.h"
#include "layout/rotate_commands.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

// State texts of the toggling commands: the text while off, then while on.
constexpr int kShowPrintMargins = 15013, kHidePrintMargins = 15014;
constexpr int kShowLayoutMargins = 15015, kHideLayoutMargins = 15016;
constexpr int kShowRuler = 15017, kHideRuler = 15018;
constexpr int kSnapAtGrid = 15023, kFreeFromGrid = 15024;
constexpr int kShowLayoutMenu = 15025, kHideLayoutMenu = 15026;

constexpr ColorRef kPaperWhite = 0xFFFFFF;
constexpr ColorRef kPaperBlack = 0x000000;

struct SelectCommand {
  int Id;
  int16_t Mode;
};
constexpr SelectCommand kSelectCommands[] = {
    {kCmdSelectAll, kSelectAll},           {kCmdSelectAllImages, kSelectAllImages},
    {kCmdSelectImagesInPage, kSelectImagesInPage}, {kCmdSelectImagesInFolder, kSelectImagesInFolder},
    {kCmdSelectFreeTexts, kSelectFreeTexts}, {kCmdSelectFreeLines, kSelectFreeLines},
    {kCmdSelectInverse, kSelectInverse},   {kCmdSelectNone, kSelectNone},
};

struct OverlapCommand {
  int Id;
  int16_t Mode;
};
constexpr OverlapCommand kOverlapCommands[] = {
    {kCmdOverlapToTop, kOverlapToTop},
    {kCmdOverlapForward, kOverlapForward},
    {kCmdOverlapBackward, kOverlapBackward},
    {kCmdOverlapToBottom, kOverlapToBottom},
};

struct SortCommand {
  int Id;
  int16_t Order;
};
constexpr SortCommand kSortCommands[] = {
    {kCmdSortFileName, kSortFileName},       {kCmdSortFolderName, kSortFolderName},
    {kCmdSortOriginatedDate, kSortCreationTime}, {kCmdSortModifiedDate, kSortLastWriteTime},
    {kCmdSortWidth, kSortWidth},             {kCmdSortHeight, kSortHeight},
    {kCmdSortFileType, kSortFileKind},       {kCmdSortFileSize, kSortFileSize},
    {kCmdSortReverse, kSortReverse},
};

struct RotateCommand {
  int Id;
  int16_t Command;
};
constexpr RotateCommand kRotateCommands[] = {
    {kCmdRotate180, kTurnHalf},
    {kCmdRotate90CW, kTurnClockwise},
    {kCmdRotate90CCW, kTurnCounterClockwise},
    {kCmdFlipHorizontal, kMirrorHorizontal},
    {kCmdFlipVertical, kMirrorVertical},
    {kCmdOriginalDirection, kToOriginalDirection},
};

}  // namespace

void CGPDoc::RegisterCommands() {
  RegisterFileCommands();
  RegisterEditCommands();
  RegisterLayoutCommands();
  RegisterImageCommands();
  RegisterViewCommands();
  RegisterNavigationCommands();
  RegisterColorCommands();
  RegisterDialogCommands();
}

void CGPDoc::SaveAsTemplate(bool askName) {
  if (!layout_) return;
  if (Busy()) {
    ErrorBeep();
    return;
  }
  BusyScope busy(app_);
  if (askName) SaveTemplateAs(frame_.data(), *layout_);
  else SaveTemplate(frame_.data(), *layout_);
  UndoClear();
  UpdateAllViews();
}

bool CGPDoc::ImagesSelected() const { return layout_ && layout_->SelectedImageCount > 0; }

void CGPDoc::RunEdit(const std::function<void(LayoutDocument&)>& operation) {
  if (!layout_) return;
  if (Busy()) {
    ErrorBeep();
    return;
  }
  operation(*layout_);
  PullCurrentPageBack(*layout_);
  UpdateAllViews();
}

void CGPDoc::RegisterFileCommands() {
  const auto notBusy = [this] { return !Busy(); };
  const auto layoutNotBusy = [this] { return HasLayout() && !Busy(); };
  handlers_.Add(kCmdFileClose, [this] { app_.Documents().CloseDocument(this); }, notBusy);
  handlers_.Add(kCmdFileSave, [this] { Save(); }, [this, layoutNotBusy] { return layoutNotBusy() && layout_->Modified; });
  handlers_.Add(kCmdFileSaveAs, [this] { SaveAs(); }, layoutNotBusy);
  handlers_.Add(kCmdGetImage, [this] { GetImage(); }, layoutNotBusy);
  handlers_.Add(kCmdReplaceImage, [this] { ReplaceImage(); }, [this] { return ImagesSelected(); });
  handlers_.Add(kCmdSaveTemplate, [this] { SaveAsTemplate(false); }, layoutNotBusy);
  handlers_.Add(kCmdSaveTemplateAs, [this] { SaveAsTemplate(true); }, layoutNotBusy);
  handlers_.Add(kCmdFilePrint, [this] { Print(); },
                [this] { return HasLayout() && !app_.Preferences().quickPrint; });
}

void CGPDoc::RegisterEditCommands() {
  const auto hasLayout = [this] { return HasLayout(); };
  const auto undo = [this] { RunEdit([this](LayoutDocument& d) { UndoRestore(d, *services_); }); };
  const auto undoAvailable = [this] { return HasLayout() && UndoAvailable(*layout_); };
  handlers_.Add(kCmdUndo, undo, undoAvailable);
  handlers_.Add(kCmdEditUndo, undo, undoAvailable);
  handlers_.Add(kCmdEditClear, [this] { RunEdit([this](LayoutDocument& d) { DeleteSelection(d, *services_); }); },
                hasLayout);
  handlers_.Add(kCmdEditCut, [this] { RunEdit([this](LayoutDocument& d) { CutSelection(d, *services_); }); },
                hasLayout);
  handlers_.Add(kCmdEditCopy, [this] { RunEdit([](LayoutDocument& d) { CopySelection(d); }); }, hasLayout);
  handlers_.Add(kCmdEditPaste, [this] { RunEdit([this](LayoutDocument& d) { PasteClipboard(d, *services_); }); },
                [this] { return HasLayout() && PasteEnabled(); });
  handlers_.Add(kCmdDuplicate,
                [this] { RunEdit([this](LayoutDocument& d) { DuplicateSelection(d, *services_); }); }, hasLayout);
  handlers_.Add(kCmdInsertPageInFront,
                [this] { RunEdit([this](LayoutDocument& d) { InsertPage(d, true, *services_); }); },
                [this] { return HasLayout() && InsertPageEnabled(*layout_); });
  handlers_.Add(kCmdInsertPageBehind,
                [this] { RunEdit([this](LayoutDocument& d) { InsertPage(d, false, *services_); }); },
                [this] { return HasLayout() && InsertPageEnabled(*layout_); });
  handlers_.Add(kCmdDeletePage, [this] { RunEdit([this](LayoutDocument& d) { DeletePage(d, *services_); }); },
                [this] { return HasLayout() && DeletePageEnabled(*layout_); });
  for (const SelectCommand& c : kSelectCommands)
    handlers_.Add(c.Id, [this, mode = c.Mode] { RunEdit([mode](LayoutDocument& d) { SelectObjects(d, mode); }); },
                  hasLayout);
  for (const OverlapCommand& c : kOverlapCommands)
    handlers_.Add(c.Id, [this, mode = c.Mode] { RunEdit([mode](LayoutDocument& d) { ChangeOverlap(d, mode); }); },
                  [this] { return HasLayout() && OverlapCommandsEnabled(*layout_); });
}

void CGPDoc::RegisterLayoutCommands() {
  const auto hasLayout = [this] { return HasLayout(); };
  for (const SortCommand& c : kSortCommands)
    handlers_.Add(c.Id,
                  [this, order = c.Order] {
                    RunEdit([this, order](LayoutDocument& d) { SortImages(d, order, *services_); });
                  },
                  [this] { return HasLayout() && SortEnabled(*layout_); });

  CommandHandler automatic;
  automatic.Run = [this] {
    RunEdit([this](LayoutDocument& d) { ChangeLayoutMode(d, false, services_->Import()); });
  };
  automatic.Enabled = [this] { return HasLayout() && (!layout_->Free || layout_->Objects.Empty()); };
  automatic.Checked = [this] { return HasLayout() && !layout_->Free; };
  handlers_.Add(kCmdAutomaticLayout, automatic);
  CommandHandler free;
  free.Run = [this] { RunEdit([this](LayoutDocument& d) { ChangeLayoutMode(d, true, services_->Import()); }); };
  free.Enabled = hasLayout;
  free.Checked = [this] { return HasLayout() && layout_->Free; };
  handlers_.Add(kCmdFreeLayout, free);

  handlers_.Add(kCmdPaperWhite, [this] { SetPaperColor(kPaperWhite); }, hasLayout);
  handlers_.Add(kCmdPaperBlack, [this] { SetPaperColor(kPaperBlack); }, hasLayout);
  handlers_.Add(kCmdPaperOthers,
                [this] {
                  if (!layout_) return;
                  ColorRef color = layout_->PaperColor;
                  if (app_.Prompts().ChooseColor(frame_.data(), color)) SetPaperColor(color);
                },
                hasLayout);
}

void CGPDoc::SetPaperColor(ColorRef color) {
  RunEdit([this, color](LayoutDocument& d) {
    if (!UndoRecord(d, kUndoBackground)) return;
    d.PaperColor = color;
    d.Modified = 1;
    if (LayoutDocument* defaults = app_.Preferences().ApplicationDefaultDocument.get()) defaults->PaperColor = color;
  });
}

void CGPDoc::ToggleFlag(int32_t LayoutDocument::*flag) {
  RunEdit([this, flag](LayoutDocument& d) {
    d.*flag = d.*flag ? 0 : 1;
    if (LayoutDocument* defaults = app_.Preferences().ApplicationDefaultDocument.get()) defaults->*flag = d.*flag;
  });
}

void CGPDoc::RegisterImageCommands() {
  const auto imagesSelected = [this] { return ImagesSelected(); };
  for (const RotateCommand& c : kRotateCommands)
    handlers_.Add(c.Id,
                  [this, command = c.Command] {
                    RunEdit([this, command](LayoutDocument& d) {
                      RotateSelectedImages(d, command, services_->Import());
                    });
                  },
                  imagesSelected);
  CommandHandler withFrame;
  withFrame.Run = [this] { RunEdit([](LayoutDocument& d) { ToggleRotateWithFrame(d); }); };
  withFrame.Enabled = imagesSelected;
  withFrame.TextId = [this] { return layout_ ? RotateWithFrameMenuString(*layout_) : kRotateWithFrameString; };
  handlers_.Add(kCmdRotateWithFrame, withFrame);
}

void CGPDoc::RegisterViewCommands() {
  PreferenceRecord& p = app_.Preferences();
  const auto hasLayout = [this] { return HasLayout(); };
  const auto redrawAll = [this] { app_.Documents().RedrawAll(); };

  CommandHandler grid;
  grid.Run = [&p, redrawAll] { p.gridShow = !p.gridShow, redrawAll(); };
  grid.Enabled = hasLayout;
  grid.Checked = [&p] { return p.gridShow != 0; };
  handlers_.Add(kCmdShowGrid, grid);

  CommandHandler snap;
  snap.Run = [&p] { p.gridAlign = !p.gridAlign; };
  snap.Enabled = [this] { return HasLayout() && layout_->Free; };
  snap.TextId = [&p] { return p.gridAlign ? kFreeFromGrid : kSnapAtGrid; };
  handlers_.Add(kCmdSnapAtGrid, snap);

  CommandHandler ruler;
  ruler.Run = [&p, redrawAll] { p.rulerShow = !p.rulerShow, redrawAll(); };
  ruler.TextId = [&p] { return p.rulerShow ? kHideRuler : kShowRuler; };
  handlers_.Add(kCmdShowRuler, ruler);

  CommandHandler printMargins;
  printMargins.Run = [this] { ToggleFlag(&LayoutDocument::ShowPrintMargins); };
  printMargins.Enabled = hasLayout;
  printMargins.TextId = [this] { return layout_ && layout_->ShowPrintMargins ? kHidePrintMargins : kShowPrintMargins; };
  handlers_.Add(kCmdShowPrintMargins, printMargins);

  CommandHandler layoutMargins;
  layoutMargins.Run = [this] { ToggleFlag(&LayoutDocument::ShowLayoutMargins); };
  layoutMargins.Enabled = hasLayout;
  layoutMargins.TextId = [this] {
    return layout_ && layout_->ShowLayoutMargins ? kHideLayoutMargins : kShowLayoutMargins;
  };
  handlers_.Add(kCmdShowLayoutMargins, layoutMargins);

  CommandHandler sidePanel;
  sidePanel.Run = [this] {
    sidePanelShown_ = !sidePanelShown_;
    if (frame_) frame_->ShowSidePanel(sidePanelShown_);
  };
  sidePanel.Enabled = hasLayout;
  sidePanel.TextId = [this] { return sidePanelShown_ ? kHideLayoutMenu : kShowLayoutMenu; };
  handlers_.Add(kCmdShowLayoutMenu, sidePanel);
}

}  // namespace tl
