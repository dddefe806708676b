// The Length dialog's widgets.
#include "app/dialogs/length_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "layout/typed_length.h"
#include "layout/units.h"

namespace tl {
namespace {

constexpr int kTitle = 41040;
constexpr int kLength = 41041;
constexpr int kMax = 41042;
constexpr int kMin = 41043;
constexpr int kHelpPage = 10050;

}  // namespace

CLengthDlg::CLengthDlg(BannerLengthValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)),
      length_(NewEdit(values_.Length, "lengthEdit")), unit_(NewUnitCombo(values_.Unit, "unitCombo")),
      max_(new QLabel), min_(new QLabel) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("lengthDialog");
  max_->setObjectName("maxLabel");
  min_->setObjectName("minLabel");
  auto* row = new QHBoxLayout;
  row->addWidget(length_, 1);
  row->addWidget(unit_);
  auto* form = new QFormLayout;
  form->addRow(DialogText(kLength), row);
  form->addRow(DialogText(kMax), max_);
  form->addRow(DialogText(kMin), min_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->addButton(NewHelpButton(kHelpPage), QDialogButtonBox::HelpRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  connect(unit_, &QComboBox::activated, this, [this] {
    values_.Length = StdText(length_->text());
    ChooseBannerLengthUnit(values_, UnitOfCombo(unit_));
    ShowValues();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CLengthDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  setMinimumWidth(320);
  ShowValues();
}

void CLengthDlg::ShowValues() {
  const QString unit = QText(std::string(UnitName(values_.Unit)));
  length_->setText(QText(values_.Length));
  max_->setText(QText(LengthText(values_.Max, values_.Unit)) + ' ' + unit);
  min_->setText(QText(LengthText(values_.Min, values_.Unit)) + ' ' + unit);
}

void CLengthDlg::Ok() {
  values_.Length = StdText(length_->text());
  if (apply_(values_)) {
    accept();
    return;
  }
  ShowValues();
  SelectEdit(length_);
}

}  // namespace tl
