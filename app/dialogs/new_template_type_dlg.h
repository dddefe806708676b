// CNewTemplateTypeDlg: asks Organize Template's Add Type for
// the name of a new template type ("New Template Type :").
#pragma once

#include <QDialog>
#include <string>

class QDialogButtonBox;
class QLineEdit;

namespace tl {

class CNewTemplateTypeDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CNewTemplateTypeDlg(QWidget* parent = nullptr);
  std::string Name() const;

  QLineEdit* NameEdit() const { return name_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  QLineEdit* name_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
