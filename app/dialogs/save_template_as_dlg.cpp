// The Save Template As dialog's widgets; the rules are in
// templates/save_template.
#include "app/dialogs/save_template_as_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/template_panes.h"

namespace tl {

CSaveTemplateAsDlg::CSaveTemplateAsDlg(const SaveTemplateAsFields& fields, QWidget* parent)
    : QDialog(parent),
      fields_(fields),
      name_(new QLineEdit),
      genre_(new QComboBox),
      comment_(new QLineEdit),
      withImages_(new QCheckBox),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  const TemplateDialogTexts texts = LoadTemplateDialogTexts();
  setWindowTitle(Qs(texts.SaveAsTitle));
  setObjectName("saveTemplateAsDialog");

  name_->setObjectName("nameEdit");
  name_->setText(Qs(fields_.Name));
  genre_->setObjectName("genreCombo");
  for (const std::string& type : fields_.Types) genre_->addItem(Qs(type));
  genre_->setCurrentIndex(fields_.Type);
  comment_->setObjectName("commentEdit");
  comment_->setText(Qs(fields_.Comment));
  withImages_->setObjectName("withImagesCheck");
  withImages_->setText(Qs(texts.SaveWithImages));
  withImages_->setChecked(fields_.WithArrangedImages);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(Qs(texts.Name), name_);
  form->addRow(Qs(texts.Genre), genre_);
  form->addRow(Qs(texts.Comment), comment_);
  form->addRow(QString(), withImages_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch(1);
  layout->addWidget(buttons_);

  connect(buttons_, &QDialogButtonBox::accepted, this, &CSaveTemplateAsDlg::Ok);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setMinimumWidth(420);
}

void CSaveTemplateAsDlg::Ok() {
  SaveTemplateAsFields f = fields_;
  f.Name = name_->text().toStdString();
  f.Type = genre_->currentIndex();
  f.Comment = comment_->text().toStdString();
  f.WithArrangedImages = withImages_->isChecked();
  SaveTemplateAsTarget target;
  if (ConfirmSaveTemplateAs(f, target) == SaveTemplateAsAnswer::KeepOpen) {
    name_->setFocus();
    return;
  }
  fields_ = f;
  target_ = target;
  accept();
}

}  // namespace tl
