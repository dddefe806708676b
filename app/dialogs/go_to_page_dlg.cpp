// The Specified Page dialog's widgets.
#include "app/dialogs/go_to_page_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"

namespace tl {
namespace {

constexpr int kTitle = 41070;
constexpr int kPage = 41071;

}  // namespace

CSpecifiedPageDlg::CSpecifiedPageDlg(SpecifiedPageValues values, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), pageEdit_(NewEdit(values_.Page, "pageEdit", 60)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("specifiedPageDialog");
  pageEdit_->setMaxLength(5);  // the edit takes 0 ... 32000
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(DialogText(kPage)));
  row->addWidget(pageEdit_);
  auto* count = new QLabel(QText(PageCountText(values_.PageCount)));
  count->setObjectName("pageCountLabel");
  row->addWidget(count);
  row->addStretch(1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &CSpecifiedPageDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  SelectEdit(pageEdit_);
}

void CSpecifiedPageDlg::Ok() {
  values_.Page = StdText(pageEdit_->text());
  if (ApplySpecifiedPage(values_, page_)) {
    accept();
    return;
  }
  pageEdit_->setText(QText(values_.Page));
  SelectEdit(pageEdit_);
}

}  // namespace tl
