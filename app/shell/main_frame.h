// CMainFrame: the application's main window -- menu bar, tool bar,
// navigator bar, status bar and the area that holds the layout windows. It
// keeps its placement and bar arrangement between runs, shows the status
// texts of long operations and the quick print pane, holds the stop
// request (Ctrl+. ends a long loop), chooses the context menu of a right
// click, and takes layout files dropped on it and image files dropped on a
// layout window.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QMdiArea;
class QToolBar;

namespace tl {

class CChildFrame;
class CGPDialogBar;
class CGPDoc;
class CTessalineApp;
class CommandActions;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CTessalineApp& app);
  ~CMainFrame() override;

  // Bars, placement and colour state; false when the window cannot work.
  bool Create();
  // Shows the window with the stored show command and restores the bars'
  // arrangement.
  void ShowStored();

  CommandActions& Actions() { return *actions_; }
  QMdiArea* MdiArea() const { return mdi_; }
  CGPDialogBar* NavigatorBar() const { return navigator_; }
  QToolBar* ToolBar() const { return toolBar_; }
  QToolBar* NavigatorToolBar() const { return navigatorBar_; }

  void AddChild(CChildFrame* child);
  CChildFrame* ActiveChild() const;

  // The status text of `kind` for the document's view: on the layout
  // window's status line (the main one then says "Ready"), or on the main
  // status line when the document has no window.
  void ShowStatus(CGPDoc* document, int kind);
  QString MainStatusText() const;
  // The quick print pane: 9 clears it, 11 "Quick Print Executing", 10 and
  // 12 "Quick Print Enabled" while quick print is on.
  void SetQuickPrintPane(int kind);
  void SetQuickPrintText(std::string_view text);
  QString QuickPrintText() const;

  bool StopRequested() const { return stopRequested_ != 0; }
  // Setting it beeps once when a stop is newly asked for.
  void SetStopRequested(int value);
  // Lays the bars out and repaints now (before and after long loops).
  void Refresh();

  // The context menu of a right click at `globalPos` on `source`.
  void ShowContextMenu(const QPoint& globalPos, QWidget* source);
  // The menu resource a right click on `source` shows; 0 for none.
  int ContextMenuFor(QWidget* source) const;

  // Files dropped on the main window (layouts to open) or on a layout
  // window (images to add).
  void DropLayoutFiles(const std::vector<std::string>& files);
  void DropOnLayoutWindow(CChildFrame& child, const std::vector<std::string>& files);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RegisterCommands();
  void RegisterObjectCommands();
  void RegisterPreferencesCommand();
  void CreateBars();
  void CreateStatusBar();
  void DefaultPlacement();
  void ApplyPlacement();
  void SavePlacement();
  void ActiveChildChanged();
  void UpdateCommands();

  CTessalineApp& app_;
  std::unique_ptr<CommandActions> actions_;
  QMdiArea* mdi_;
  QToolBar* toolBar_ = nullptr;
  QToolBar* navigatorBar_ = nullptr;
  CGPDialogBar* navigator_ = nullptr;
  QLabel* messagePane_ = nullptr;
  QLabel* quickPrintPane_ = nullptr;
  QLabel* capsPane_ = nullptr;
  QLabel* numPane_ = nullptr;
  int32_t stopRequested_ = 1;
  int lastStatusKind_ = 0;
  int showCommand_ = 1;
  std::vector<QWidget*> statusSources_;
};

}  // namespace tl
