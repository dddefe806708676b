// CPageMarginsDlg ("Page Margins"): the printer's margins or
// margins typed by hand, in "mm" or "inch". The rules are in
// layout/page_margins.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "layout/page_margins.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace tl {

class CPageMarginsDlg : public QDialog {
  Q_OBJECT

 public:
  // OK runs `apply`; false keeps the dialog open on the edit it names.
  using Apply = std::function<bool(PageMarginsValues&, int& badSide)>;
  CPageMarginsDlg(const LayoutDocument& document, PageMarginsValues values, Apply apply, QWidget* parent = nullptr);

 private:
  void ShowValues();
  void ReadEdits();
  void Ok();

  const LayoutDocument& document_;
  PageMarginsValues values_;
  Apply apply_;
  QButtonGroup* mode_;
  QComboBox* unit_;
  std::array<QLineEdit*, kMarginSideCount> edits_{};
};

}  // namespace tl
