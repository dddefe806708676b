// CImageStampDlg ("Image Stamp"): the picture the document prints over
// every image, chosen through the file dialog and previewed, placed
// automatically or at a position and size. The rules are in
// render/image_stamp_settings.
#pragma once

#include <QDialog>
#include <functional>

#include "render/image_stamp_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tl {

class AppPrompts;

class CImageStampDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(const ImageStampValues&, int& badField)>;
  using Preview = std::function<QImage(const std::string& path, QSize size)>;
  CImageStampDlg(AppPrompts& prompts, ImageStampValues values, Preview preview, Apply apply,
                 QWidget* parent = nullptr);

  QLabel* PreviewLabel() const { return preview_; }

 private:
  void ShowValues();
  void ReadControls();
  void EnableControls();
  void ShowPreview();
  void Choose();
  void Ok();

  AppPrompts& prompts_;
  ImageStampValues values_;
  Preview picture_;
  Apply apply_;
  QButtonGroup* inUse_;
  QLineEdit* file_;
  QPushButton* choose_;
  QButtonGroup* settings_;
  QLineEdit* x_;
  QLineEdit* y_;
  QComboBox* positionUnit_;
  QLineEdit* width_;
  QLineEdit* height_;
  QComboBox* sizeUnit_;
  QCheckBox* constrain_;
  QLabel* preview_;
};

}  // namespace tl
