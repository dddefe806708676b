// CSpecifiedPageDlg ("Specified Page"): the page the view
// jumps to. The rules are in layout/go_to_page.
#pragma once

#include <QDialog>

#include "layout/go_to_page.h"

class QLineEdit;

namespace tl {

class CSpecifiedPageDlg : public QDialog {
  Q_OBJECT

 public:
  CSpecifiedPageDlg(SpecifiedPageValues values, QWidget* parent = nullptr);
  // After OK: the page chosen, counted from 0.
  int32_t Page() const { return page_; }

 private:
  void Ok();

  SpecifiedPageValues values_;
  QLineEdit* pageEdit_;
  int32_t page_ = 0;
};

}  // namespace tl
