// CCutoffLinesDlg ("Cutoff Lines"): no cut lines, Fotoba marks, or marks
// around each image or at its corners in a colour. The rules are in
// render/cut_line_settings.
#pragma once

#include <QDialog>
#include <functional>

#include "render/cut_line_settings.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace tl {

class AppPrompts;
class CColorButton;

class CCutoffLinesDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(CutLineValues&)>;
  CCutoffLinesDlg(AppPrompts& prompts, CutLineValues values, Apply apply, QWidget* parent = nullptr);

 private:
  void ShowValues();
  void ReadControls();
  void Ok();

  CutLineValues values_;
  Apply apply_;
  QButtonGroup* mode_;
  QButtonGroup* type_;
  QLineEdit* length_;
  QComboBox* unit_;
  CColorButton* color_;
};

}  // namespace tl
