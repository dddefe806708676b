// CCropDlg (the crop dialog): the part of the picture to keep, drawn on
// its preview or typed in pixels, "mm" or "inch" at a resolution, and
// whether it cuts the picture or only draws a frame. The rules are in
// layout/crop_settings.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "layout/crop_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tl {

class AppPrompts;
class CColorButton;
class CCropPreview;

class CCropDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(CropValues&, int& badField)>;
  CCropDlg(AppPrompts& prompts, QImage picture, CropValues values, Apply apply, QWidget* parent = nullptr);

  CCropPreview* Preview() const { return preview_; }

 private:
  void ShowValues();
  void ReadControls();
  void Ok();

  CropValues values_;
  Apply apply_;
  CCropPreview* preview_;
  std::array<QLineEdit*, 4> edits_{};
  QLineEdit* resolution_;
  QComboBox* unit_;
  QButtonGroup* mode_;
  QCheckBox* fixedRatio_;
  CColorButton* frameColor_;
};

}  // namespace tl
