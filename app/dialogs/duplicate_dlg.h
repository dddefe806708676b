// CDuplicateDlg ("Duplicate"): how many copies Duplicate(Number) makes.
// The rules are in document/duplicate_count.
#pragma once

#include <QDialog>

#include "document/duplicate_count.h"

class QLineEdit;

namespace tl {

class CDuplicateDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CDuplicateDlg(QWidget* parent = nullptr);
  // After OK: the number of copies.
  int Count() const { return count_; }

 private:
  void Ok();

  DuplicateCountValues values_;
  QLineEdit* countEdit_;
  int count_ = 1;
};

}  // namespace tl
