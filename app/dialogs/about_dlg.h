// CAboutDlg, "About Tessaline": the program picture with the
// version, what the program does, the libraries in use with their versions
// and the data folder. A click on the picture closes it.
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

namespace tl {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  QLabel* Picture() const { return picture_; }
  QLabel* Libraries() const { return libraries_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* picture_;
  QLabel* libraries_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
