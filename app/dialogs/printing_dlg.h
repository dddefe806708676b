// CPrintingDlg: the printing window shown while a layout's pages are drawn
// for the printer -- which layout on which printer, the page being drawn,
// and Cancel, which stops the job before its next page so that nothing
// reaches the printer. The rest of the program waits meanwhile.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QLabel;

namespace tl {

class CPrintingDlg : public QDialog {
  Q_OBJECT

 public:
  CPrintingDlg(QWidget* parent, const std::string& document, const std::string& printer);

  // Asked before each page: shows it, lets Cancel be pressed, and tells
  // whether the job goes on.
  bool Continue(int32_t pageNumber);
  bool Cancelled() const { return cancelled_; }

 protected:
  void reject() override;

 private:
  QLabel* page_;
  bool cancelled_ = false;
};

}  // namespace tl
