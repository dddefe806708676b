// CLabelsDlg (the label dialog): the items a picture's label shows, its
// font, size, colour, alignment, side and direction, with a sample of the
// text. The rules are in imaging/label_settings.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "imaging/label_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace tl {

class AppPrompts;
class CColorButton;

class CLabelsDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(const LabelValues&)>;
  // `sample` composes the label text the values give.
  using Sample = std::function<std::string(const LabelValues&)>;
  CLabelsDlg(AppPrompts& prompts, LabelValues values, Sample sample, Apply apply, QWidget* parent = nullptr);

  const LabelValues& Values() const { return values_; }

 private:
  void ShowValues();
  void ReadControls();
  void ShowSample();
  void Ok();

  LabelValues values_;
  Sample sample_;
  Apply apply_;
  QComboBox* preset_;
  QListWidget* items_;
  QComboBox* font_;
  QComboBox* size_;
  CColorButton* color_;
  QButtonGroup* align_;
  QComboBox* location_;
  QCheckBox* upsideDown_;
  QLabel* sampleText_;
  bool showing_ = false;
};

}  // namespace tl
