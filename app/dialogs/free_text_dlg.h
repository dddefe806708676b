// CFreeTextDlg ("Free Text"): the text of a free text object with its
// font, size, line height, colour, alignment, style, columnar writing,
// angle and background. The rules are in render/free_text_settings.
#pragma once

#include <QDialog>
#include <functional>

#include "render/free_text_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tl {

class AppPrompts;
class CColorButton;

class CFreeTextDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(const FreeTextValues&, int& badField)>;
  CFreeTextDlg(AppPrompts& prompts, FreeTextValues values, Apply apply, QWidget* parent = nullptr);

 private:
  void ShowValues();
  void ShowEditorStyle();
  void ReadControls();
  void Ok();

  FreeTextValues values_;
  Apply apply_;
  QPlainTextEdit* text_;
  QComboBox* font_;
  QComboBox* size_;
  QComboBox* lineHeight_;
  CColorButton* color_;
  QButtonGroup* justify_;
  QToolButton* bold_;
  QToolButton* italic_;
  QToolButton* underline_;
  QCheckBox* columnar_;
  QLineEdit* angle_;
  QButtonGroup* background_;
  CColorButton* backgroundColor_;
};

}  // namespace tl
