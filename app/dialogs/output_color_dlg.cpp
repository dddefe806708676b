#include "app/dialogs/output_color_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/color_controls.h"
#include "color/monitor_profile.h"
#include "document/layout_document.h"

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

COutputColorDlg::COutputColorDlg(LayoutDocument& document, QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(LoadColorDialogTexts()),
      lists_(ListProfiles(ProfileListSet::Output, document.OutputPrinterProfile)),
      choice_(InitialOutputColorChoice(document, lists_)),
      monitor_(new QComboBox),
      monitorName_(new QLabel),
      byApplication_(new QRadioButton(Qs(texts_.ByApplication))),
      byDriver_(new QRadioButton(Qs(texts_.ByPrinterDriver))),
      printer_(new QComboBox),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  setWindowTitle(Qs(texts_.OutputTitle));
  setObjectName(QStringLiteral("outputColorDialog"));
  monitor_->setObjectName(QStringLiteral("monitorProfile"));
  printer_->setObjectName(QStringLiteral("printerProfile"));
  for (QComboBox* combo : {monitor_, printer_}) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(30);
  }
  FillProfileCombo(monitor_, lists_.Monitor);
  FillProfileCombo(printer_, lists_.Printer);
  monitor_->setCurrentIndex(choice_.MonitorPosition);
  monitorName_->setText(Qs(MonitorName()));

  auto* modes = new QHBoxLayout;
  modes->addWidget(byApplication_);
  modes->addWidget(byDriver_);
  modes->addStretch(1);
  auto* form = new QFormLayout;
  form->addRow(Qs(texts_.Monitor), monitorName_);
  form->addRow(Qs(texts_.MonitorProfile), monitor_);
  form->addRow(QString(), modes);
  form->addRow(Qs(texts_.PrinterProfile), printer_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch(1);
  layout->addWidget(buttons_);

  (choice_.ByApplication ? byApplication_ : byDriver_)->setChecked(true);
  ShowPrinterList();
  connect(byApplication_, &QRadioButton::clicked, this, [this] { ChooseMode(true); });
  connect(byDriver_, &QRadioButton::clicked, this, [this] { ChooseMode(false); });
  connect(printer_, &QComboBox::activated, this, [this](int index) { choice_.PrinterPosition = index; });
  connect(monitor_, &QComboBox::activated, this, [this](int index) { choice_.MonitorPosition = index; });
  connect(buttons_, &QDialogButtonBox::accepted, this, &COutputColorDlg::Ok);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void COutputColorDlg::ChooseMode(bool byApplication) {
  ChooseOutputMode(choice_, byApplication);
  ShowPrinterList();
}

void COutputColorDlg::ShowPrinterList() {
  printer_->setCurrentIndex(choice_.PrinterPosition);
  printer_->setEnabled(choice_.ByApplication);
}

void COutputColorDlg::Ok() {
  ConfirmOutputColorChoice(document_, lists_, choice_);
  accept();
}

}  // namespace tl
