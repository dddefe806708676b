// CCaptionDlg (the caption dialog): a picture's caption with its font,
// size, colour, alignment, side (never the label's) and direction. The
// rules are in imaging/caption_settings.
#pragma once

#include <QDialog>
#include <functional>

#include "imaging/caption_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tl {

class AppPrompts;
class CColorButton;

class CCaptionDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(const CaptionValues&)>;
  CCaptionDlg(AppPrompts& prompts, CaptionValues values, Apply apply, QWidget* parent = nullptr);

 private:
  void ShowValues();
  void ReadControls();
  void Ok();

  CaptionValues values_;
  Apply apply_;
  QLineEdit* text_;
  QComboBox* font_;
  QComboBox* size_;
  CColorButton* color_;
  QButtonGroup* align_;
  QComboBox* location_;
  QCheckBox* upsideDown_;
  QLabel* sample_;
};

}  // namespace tl
