// CImageSizeDlg ("Image Size") with its tabs "Size" and
// "Frame": the box of the selected images or of new images, and
// their frame. The rules are in layout/image_size_settings.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "layout/image_size_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace tl {

class AppPrompts;
class CColorButton;

class CImageSizeDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(ImageSizeValues&, int& badField)>;
  CImageSizeDlg(AppPrompts& prompts, ImageSizeValues values, Apply apply, QWidget* parent = nullptr);

 private:
  QWidget* SizeTab();
  QWidget* FrameTab(AppPrompts& prompts);
  void ShowValues();
  void ReadControls();
  void EnableControls();
  void Typed(int field);
  void Ok();
  QLineEdit* EditOf(int field) const;

  ImageSizeValues values_;
  Apply apply_;
  QTabWidget* tabs_;
  QButtonGroup* method_;
  QLineEdit* width_;
  QLineEdit* height_;
  QComboBox* unit_;
  QLineEdit* widthPercent_;
  QLineEdit* heightPercent_;
  QCheckBox* constrain_;
  QComboBox* option_;
  QButtonGroup* frame_;
  std::array<QLineEdit*, 4> frameWidths_{};
  QComboBox* frameUnit_;
  QButtonGroup* frameColorValid_;
  CColorButton* frameColor_ = nullptr;
};

}  // namespace tl
