#include "app/dialogs/direct_print_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CDirectPrintPage::CDirectPrintPage(AppPreferencesForm& form, const AppPreferencesTexts& texts, QWidget* parent)
    : QDialog(parent, Qt::Widget),
      form_(form),
      printers_(new QListWidget),
      tray_(new QListWidget),
      add_(new QPushButton(Qs(texts.AddPrinter))),
      delete_(new QPushButton(Qs(texts.DeletePrinter))) {
  setObjectName(QStringLiteral("directPrintPage"));
  printers_->setObjectName(QStringLiteral("printerList"));
  tray_->setObjectName(QStringLiteral("trayList"));
  add_->setObjectName(QStringLiteral("addPrinterButton"));
  delete_->setObjectName(QStringLiteral("deletePrinterButton"));
  for (const std::string& name : form.Printers) printers_->addItem(Qs(name));

  auto* printersBox = new QGroupBox(Qs(texts.Printers));
  (new QVBoxLayout(printersBox))->addWidget(printers_);
  auto* trayBox = new QGroupBox(Qs(texts.PrinterTray));
  (new QVBoxLayout(trayBox))->addWidget(tray_);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(add_);
  buttons->addWidget(delete_);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(printersBox, 1);
  layout->addLayout(buttons);
  layout->addWidget(trayBox, 1);

  ShowTray();
  add_->setEnabled(false);
  delete_->setEnabled(false);
  connect(printers_, &QListWidget::currentRowChanged, this, [this](int row) {
    form_.Candidate = row >= 0 && size_t(row) < form_.Printers.size() ? form_.Printers[size_t(row)] : std::string();
    UpdateButtons();
  });
  connect(tray_, &QListWidget::currentRowChanged, this, [this](int row) {
    form_.TraySelection = row;
    UpdateButtons();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    if (AddCandidateToTray(form_)) ShowTray();
    UpdateButtons();
  });
  connect(delete_, &QPushButton::clicked, this, [this] {
    if (DeleteChosenFromTray(form_)) ShowTray();
    UpdateButtons();
  });
}

void CDirectPrintPage::ShowTray() {
  const QSignalBlocker quiet(tray_);
  tray_->clear();
  for (const std::string& name : TrayEntries(form_)) tray_->addItem(Qs(name));
  tray_->setCurrentRow(-1);
  form_.TraySelection = -1;
}

void CDirectPrintPage::UpdateButtons() {
  add_->setEnabled(CanAddPrinter(form_));
  delete_->setEnabled(CanDeletePrinter(form_));
}

}  // namespace tl
