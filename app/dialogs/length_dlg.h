// CLengthDlg ("Length"): the length of a banner page between
// the shortest the layout needs and the longest allowed. The rules are in
// layout/banner_length.
#pragma once

#include <QDialog>
#include <functional>

#include "layout/banner_length.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tl {

class CLengthDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(BannerLengthValues&)>;
  CLengthDlg(BannerLengthValues values, Apply apply, QWidget* parent = nullptr);

 private:
  void ShowValues();
  void Ok();

  BannerLengthValues values_;
  Apply apply_;
  QLineEdit* length_;
  QComboBox* unit_;
  QLabel* max_;
  QLabel* min_;
};

}  // namespace tl
