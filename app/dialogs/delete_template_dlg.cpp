// The Delete Template and Delete Template Type confirmations.
#include "app/dialogs/delete_template_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "app/dialogs/template_panes.h"
#include "templates/template_texts.h"

namespace tl {

CDeleteTemplateDlg::CDeleteTemplateDlg(Kind kind, const std::string& name, QWidget* parent)
    : QDialog(parent),
      name_(new QLabel(Qs(name))),
      text_(new QLabel),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  const TemplateDialogTexts texts = LoadTemplateDialogTexts();
  const bool isType = kind == Kind::TemplateType;
  setWindowTitle(Qs(isType ? texts.DeleteTypeTitle : texts.DeleteTemplate));
  setObjectName(isType ? "deleteTemplateTypeDialog" : "deleteTemplateDialog");
  text_->setText(Qs(isType ? texts.DeleteTypeText : texts.DeleteTemplateText));
  name_->setObjectName("deleteName");
  text_->setObjectName("deleteText");
  QFont bold = name_->font();
  bold.setBold(true);
  name_->setFont(bold);
  name_->setWordWrap(true);
  name_->setTextFormat(Qt::PlainText);

  auto* icon = new QLabel;
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);
  auto* textColumn = new QVBoxLayout;
  textColumn->addWidget(name_);
  textColumn->addWidget(text_);
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(8);
  row->addLayout(textColumn, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addStretch(1);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setMinimumWidth(340);
}

}  // namespace tl
