// CImageAlignmentDlg ("Image Alignment"): how the automatic
// flow aligns rows and images, and the spacings between them. The rules
// are in layout/image_alignment.
#pragma once

#include <QDialog>
#include <functional>

#include "layout/image_alignment.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace tl {

class CImageAlignmentDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(ImageAlignmentValues&, int& badSpacing)>;
  CImageAlignmentDlg(ImageAlignmentValues values, Apply apply, QWidget* parent = nullptr);

 private:
  void ShowValues();
  void ReadControls();
  void Ok();

  ImageAlignmentValues values_;
  Apply apply_;
  QButtonGroup* horizontal_;
  QButtonGroup* vertical_;
  QButtonGroup* line_;
  QLineEdit* horizontalSpacing_;
  QLineEdit* verticalSpacing_;
  QComboBox* unit_;
};

}  // namespace tl
