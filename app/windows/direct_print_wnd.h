// CDirectPrintWnd: the "Direct-Print" tool window. Eight buttons carry the
// printers of the direct print tray; layout files dropped on a button are
// printed on its printer one after another, each read without a window,
// printed as "Print..." prints it and freed again, while the program stays
// usable between pages.
#pragma once

#include <array>
#include <string>

#include "app/windows/tool_window.h"
#include "document/geometry.h"
#include "print/direct_print_tray.h"

class QLabel;
class QPushButton;

namespace tl {

class CTessalineApp;

class CDirectPrintWnd : public CToolWindow {
  Q_OBJECT

 public:
  // `origin` is where the window opens and where its position is kept.
  CDirectPrintWnd(QWidget* parent, CTessalineApp& app, LPoint& origin);
  ~CDirectPrintWnd() override;

  // The buttons take the printers of the tray (the preferences' eight).
  void SetPrinters(const std::array<std::string, kDirectPrintPrinterCount>& printers);
  QPushButton* Button(int index) const { return buttons_[size_t(index)]; }

  // Files dropped at `point` (window coordinates).
  void DropFiles(const QPoint& point, const std::vector<std::string>& files);
  // The files waiting or being printed.
  const std::vector<DirectPrintEntry>& Waiting() const { return tray_.Waiting; }
  bool Printing() const { return printing_; }
  // Ends the window: the file being printed stops after its page, the
  // others are forgotten, and the window goes once nothing runs.
  void Close();

 signals:
  // A file left the waiting list (printed or not).
  void FileDone(const std::string& path);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int ButtonAt(const QPoint& point) const;
  void PrintWaiting();
  void PrintFirst();

  CTessalineApp& app_;
  std::array<QPushButton*, kDirectPrintPrinterCount> buttons_{};
  QLabel* status_;
  DirectPrintTray tray_;
  bool printing_ = false;
  bool closing_ = false;
};

}  // namespace tl
