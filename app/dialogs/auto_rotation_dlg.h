// CAutoRotationDlg ("Automatic Rotation"): how images added
// from now on are turned. The choices are in layout/auto_rotation_setting.
#pragma once

#include <QDialog>

class QButtonGroup;

namespace tl {

class CAutoRotationDlg : public QDialog {
  Q_OBJECT

 public:
  CAutoRotationDlg(int16_t mode, QWidget* parent = nullptr);
  // After OK: the AutoRotation code chosen.
  int16_t Mode() const;

 private:
  QButtonGroup* choices_;
};

}  // namespace tl
