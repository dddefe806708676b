// The Cutoff Lines dialog's widgets.
#include "app/dialogs/cutoff_lines_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"

namespace tl {
namespace {

constexpr int kTitle = 41220;
constexpr int kOff = 41221, kFotoba = 41222, kOthers = 41223, kAround = 41224, kAtCorner = 41225;
constexpr int kLength = 41226, kColor = 41227;
constexpr int kHelpPage = 10049;

QRadioButton* Radio(int text, QButtonGroup* group, int id, const char* name) {
  auto* radio = new QRadioButton(DialogText(text));
  radio->setObjectName(name);
  group->addButton(radio, id);
  return radio;
}

}  // namespace

CCutoffLinesDlg::CCutoffLinesDlg(AppPrompts& prompts, CutLineValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)), mode_(new QButtonGroup(this)),
      type_(new QButtonGroup(this)), length_(NewEdit(values_.CornerLength, "lengthEdit")),
      unit_(NewUnitCombo(values_.Unit, "unitCombo")), color_(new CColorButton(prompts, values_.Color)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("cutoffLinesDialog");
  color_->setObjectName("colorButton");
  auto* grid = new QGridLayout;
  grid->addWidget(Radio(kOff, mode_, kCutLineOff, "offRadio"), 0, 0, 1, 4);
  grid->addWidget(Radio(kFotoba, mode_, kCutLineFotoba, "fotobaRadio"), 1, 0, 1, 4);
  grid->addWidget(Radio(kOthers, mode_, kCutLineOthers, "othersRadio"), 2, 0, 1, 4);
  grid->addWidget(Radio(kAround, type_, kCutAroundImage, "aroundImageRadio"), 3, 1, 1, 3);
  grid->addWidget(Radio(kAtCorner, type_, kCutAtCorner, "atCornerRadio"), 4, 1, 1, 3);
  grid->addWidget(new QLabel(DialogText(kLength)), 5, 2);
  grid->addWidget(length_, 5, 3);
  grid->addWidget(unit_, 5, 4);
  grid->addWidget(new QLabel(DialogText(kColor)), 6, 1);
  grid->addWidget(color_, 6, 2);
  grid->setColumnMinimumWidth(0, 16);
  grid->setColumnMinimumWidth(1, 16);
  grid->setColumnStretch(3, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->addButton(NewHelpButton(kHelpPage), QDialogButtonBox::HelpRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  const auto changed = [this] {
    ReadControls();
    ShowValues();
  };
  connect(mode_, &QButtonGroup::idClicked, this, changed);
  connect(type_, &QButtonGroup::idClicked, this, changed);
  connect(unit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseCutLineUnit(values_, UnitOfCombo(unit_));
    ShowValues();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CCutoffLinesDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
}

void CCutoffLinesDlg::ShowValues() {
  CheckId(mode_, values_.Mode);
  CheckId(type_, values_.OthersType);
  length_->setText(QText(values_.CornerLength));
  color_->SetColor(values_.Color);
  for (QAbstractButton* b : type_->buttons()) b->setEnabled(CutLineTypeEnabled(values_));
  color_->setEnabled(CutLineTypeEnabled(values_));
  length_->setEnabled(CornerLengthEnabled(values_));
  unit_->setEnabled(CornerLengthEnabled(values_));
}

void CCutoffLinesDlg::ReadControls() {
  if (mode_->checkedId() >= 0) values_.Mode = int16_t(mode_->checkedId());
  if (type_->checkedId() >= 0) values_.OthersType = int16_t(type_->checkedId());
  values_.CornerLength = StdText(length_->text());
  values_.Color = color_->Color();
}

void CCutoffLinesDlg::Ok() {
  ReadControls();
  if (apply_(values_)) {
    accept();
    return;
  }
  ShowValues();
  SelectEdit(length_);
}

}  // namespace tl
