// CChildFrame: the window of one layout inside the main window. A splitter
// holds the layout side panel on the left and the layout view on the
// right; below them a status bar shows the document's status text. Files
// and folders dropped on it are added to the layout as images.
#pragma once

#include <QMdiSubWindow>
#include <string_view>

class QLabel;
class QSplitter;
class QStatusBar;

namespace tl {

class CGPDoc;
class CGPView;
class CMainFormView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  CChildFrame(CGPDoc& document, QWidget* parent = nullptr);

  CGPDoc& Document() const { return document_; }
  CGPView* View() const { return view_; }
  CMainFormView* SidePanel() const { return panel_; }
  QSplitter* Splitter() const { return splitter_; }

  // Opens or closes the side panel column.
  void ShowSidePanel(bool shown);
  void UpdateTitle();
  // The document's status text; `alert` paints the line light red.
  void SetStatusText(std::string_view text, bool alert);
  QString StatusText() const;
  bool StatusAlert() const { return alert_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  CGPDoc& document_;
  QSplitter* splitter_;
  CMainFormView* panel_;
  CGPView* view_;
  QStatusBar* status_;
  QLabel* statusText_;
  bool alert_ = false;
  int panelWidth_;
};

}  // namespace tl
