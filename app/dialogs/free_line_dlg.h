// CFreeLineDlg ("Free Line"): style, thickness, length, angle, colour and
// arrow heads of a free line, with a sample of the line. The rules are in
// render/free_line_settings.
#pragma once

#include <QDialog>
#include <functional>

#include "render/free_line_settings.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tl {

class AppPrompts;
class CColorButton;

class CFreeLineDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(const FreeLineValues&, int& badField)>;
  CFreeLineDlg(AppPrompts& prompts, FreeLineValues values, Apply apply, QWidget* parent = nullptr);

  QLabel* Sample() const { return sample_; }

 private:
  void ShowValues();
  void ReadControls();
  void ShowSample();
  void Ok();

  FreeLineValues values_;
  Apply apply_;
  QButtonGroup* style_;
  QLineEdit* thickness_;
  QLineEdit* length_;
  QComboBox* unit_;
  QLineEdit* angle_;
  CColorButton* color_;
  QButtonGroup* arrowMark_;
  QButtonGroup* arrowType_;
  QButtonGroup* arrowSize_;
  QLabel* sample_;
};

}  // namespace tl
