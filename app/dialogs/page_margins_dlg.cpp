// The Page Margins dialog's widgets.
#include "app/dialogs/page_margins_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"

namespace tl {
namespace {

constexpr int kTitle = 41010;
constexpr int kFromPrinter = 41011;
constexpr int kManual = 41012;
constexpr int kSideNames[] = {41013, 41014, 41015, 41016};  // "Left :" ... "Bottom :"
constexpr int kHelpPage = 10046;
constexpr const char* kEditNames[] = {"leftEdit", "topEdit", "rightEdit", "bottomEdit"};

}  // namespace

CPageMarginsDlg::CPageMarginsDlg(const LayoutDocument& document, PageMarginsValues values, Apply apply,
                                 QWidget* parent)
    : QDialog(parent), document_(document), values_(std::move(values)), apply_(std::move(apply)),
      mode_(new QButtonGroup(this)), unit_(NewUnitCombo(values_.Unit, "unitCombo")) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("pageMarginsDialog");
  auto* fromPrinter = new QRadioButton(DialogText(kFromPrinter));
  fromPrinter->setObjectName("fromPrinterRadio");
  auto* manual = new QRadioButton(DialogText(kManual));
  manual->setObjectName("manualRadio");
  mode_->addButton(fromPrinter, kMarginsFromPrinter);
  mode_->addButton(manual, kMarginsManual);

  auto* grid = new QFormLayout;
  for (int i = 0; i < kMarginSideCount; ++i) {
    edits_[i] = NewEdit(values_.Texts[i], kEditNames[i]);
    grid->addRow(DialogText(kSideNames[i]), edits_[i]);
  }
  grid->addRow(QString(), unit_);
  auto* margins = new QGroupBox;
  margins->setLayout(grid);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->addButton(NewHelpButton(kHelpPage), QDialogButtonBox::HelpRole);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fromPrinter);
  layout->addWidget(manual);
  layout->addWidget(margins);
  layout->addWidget(buttons);

  connect(mode_, &QButtonGroup::idClicked, this, [this](int mode) {
    ReadEdits();
    ChoosePageMarginsMode(values_, document_, mode);
    ShowValues();
  });
  connect(unit_, &QComboBox::activated, this, [this] {
    ReadEdits();
    ChoosePageMarginsUnit(values_, UnitOfCombo(unit_));
    ShowValues();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CPageMarginsDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
}

void CPageMarginsDlg::ShowValues() {
  CheckId(mode_, values_.Mode);
  for (int i = 0; i < kMarginSideCount; ++i) {
    edits_[i]->setText(QText(values_.Texts[i]));
    edits_[i]->setEnabled(values_.Mode == kMarginsManual);
  }
}

void CPageMarginsDlg::ReadEdits() {
  for (int i = 0; i < kMarginSideCount; ++i) values_.Texts[i] = StdText(edits_[i]->text());
}

void CPageMarginsDlg::Ok() {
  ReadEdits();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  ShowValues();
  if (bad >= 0 && bad < kMarginSideCount) SelectEdit(edits_[bad]);
}

}  // namespace tl
