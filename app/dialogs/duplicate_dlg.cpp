// The Duplicate dialog's widgets.
#include "app/dialogs/duplicate_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"

namespace tl {
namespace {

constexpr int kTitle = 41090;
constexpr int kCount = 41091;

}  // namespace

CDuplicateDlg::CDuplicateDlg(QWidget* parent) : QDialog(parent), countEdit_(NewEdit(values_.Count, "countEdit", 60)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("duplicateDialog");
  auto* form = new QFormLayout;
  form->addRow(DialogText(kCount), countEdit_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDuplicateDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setMinimumWidth(320);
  SelectEdit(countEdit_);
}

void CDuplicateDlg::Ok() {
  values_.Count = StdText(countEdit_->text());
  if (ReadDuplicateCount(values_, count_)) {
    accept();
    return;
  }
  countEdit_->setText(QText(values_.Count));
  SelectEdit(countEdit_);
}

}  // namespace tl
