// The New Template Type dialog.
#include "app/dialogs/new_template_type_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/template_panes.h"
#include "templates/template_texts.h"

namespace tl {

CNewTemplateTypeDlg::CNewTemplateTypeDlg(QWidget* parent)
    : QDialog(parent),
      name_(new QLineEdit),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  const TemplateDialogTexts texts = LoadTemplateDialogTexts();
  setWindowTitle(Qs(texts.NewTypeTitle));
  setObjectName("newTemplateTypeDialog");
  name_->setObjectName("typeNameEdit");
  name_->setMaxLength(259);  // what TemplatePrefIni keeps of a type name
  auto* label = new QLabel(Qs(texts.NewTypeLabel));
  label->setBuddy(name_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(name_);
  layout->addStretch(1);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setMinimumWidth(320);
}

std::string CNewTemplateTypeDlg::Name() const { return name_->text().toStdString(); }

}  // namespace tl
