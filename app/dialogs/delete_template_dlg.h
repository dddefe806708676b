// CDeleteTemplateDlg: the confirmation of Organize Template's deletions,
// showing a name and what will happen: "This template will be
// deleted." or "This template type will be deleted.",
// which differ only in their texts.
#pragma once

#include <QDialog>
#include <string>

class QDialogButtonBox;
class QLabel;

namespace tl {

class CDeleteTemplateDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { Template, TemplateType };
  CDeleteTemplateDlg(Kind kind, const std::string& name, QWidget* parent = nullptr);

  QLabel* NameLabel() const { return name_; }
  QLabel* TextLabel() const { return text_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  QLabel* name_;
  QLabel* text_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
