#include "app/dialogs/general_settings_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/number_edit.h"
#include "layout/units.h"

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

// Entry 0 is mm, entry 1 inch.
int UnitEntry(int16_t unit) { return unit == kUnitInch ? 1 : 0; }
int16_t EntryUnit(int entry) { return entry == 1 ? kUnitInch : kUnitMillimetre; }

}  // namespace

CGeneralSettingsPage::CGeneralSettingsPage(AppPreferencesForm& form, const AppPreferencesTexts& texts,
                                           const PreferenceRecord& prefs, const LayoutDocument& document,
                                           QWidget* parent)
    : QDialog(parent, Qt::Widget),
      form_(form),
      prefs_(prefs),
      document_(document),
      grid_(new CNumberEdit(kPreferenceNumberRange)),
      nudge_(new CNumberEdit(kPreferenceNumberRange)),
      starts_(new QButtonGroup(this)),
      quickPrintOn_(new QRadioButton(Qs(texts.Enabled))),
      quickPrintOff_(new QRadioButton(Qs(texts.Disabled))),
      confirm_(new QCheckBox(Qs(texts.ShowConfirmation))) {
  setObjectName(QStringLiteral("generalSettingsPage"));
  unit_ = UnitCombo(texts, form.Unit, "unitCombo");
  gridUnit_ = UnitCombo(texts, form.GridUnit, "gridUnitCombo");
  nudgeUnit_ = UnitCombo(texts, form.NudgeUnit, "nudgeUnitCombo");
  grid_->setObjectName(QStringLiteral("gridEdit"));
  nudge_->setObjectName(QStringLiteral("nudgeEdit"));

  auto* lengths = new QGridLayout;
  lengths->addWidget(new QLabel(Qs(texts.Unit)), 0, 0);
  lengths->addWidget(unit_, 0, 2);
  lengths->addWidget(new QLabel(Qs(texts.Grid)), 1, 0);
  lengths->addWidget(grid_, 1, 1);
  lengths->addWidget(gridUnit_, 1, 2);
  lengths->setColumnStretch(3, 1);

  auto* fine = new QGroupBox(Qs(texts.FineControl));
  auto* fineLayout = new QHBoxLayout(fine);
  fineLayout->addWidget(new QLabel(Qs(texts.ArrowKeys)));
  fineLayout->addWidget(nudge_);
  fineLayout->addWidget(nudgeUnit_);
  fineLayout->addStretch(1);

  auto* startsBox = new QGroupBox(Qs(texts.AppStartsWith));
  auto* startsLayout = new QVBoxLayout(startsBox);
  const std::string* names[] = {&texts.NewDocument, &texts.RecentDocument, &texts.NoDocument};
  const char* objects[] = {"startNew", "startRecent", "startNone"};
  for (int choice = kStartNewDocument; choice <= kStartNoDocument; ++choice) {
    auto* button = new QRadioButton(Qs(*names[choice]));
    button->setObjectName(QLatin1String(objects[choice]));
    starts_->addButton(button, choice);
    startsLayout->addWidget(button);
  }

  auto* quickBox = new QGroupBox(Qs(texts.QuickPrintFunction));
  auto* quickLayout = new QVBoxLayout(quickBox);
  quickPrintOn_->setObjectName(QStringLiteral("quickPrintEnabled"));
  quickPrintOff_->setObjectName(QStringLiteral("quickPrintDisabled"));
  confirm_->setObjectName(QStringLiteral("confirmCheck"));
  auto* onOff = new QHBoxLayout;
  onOff->addWidget(quickPrintOn_);
  onOff->addWidget(quickPrintOff_);
  onOff->addStretch(1);
  quickLayout->addLayout(onOff);
  quickLayout->addWidget(confirm_);

  auto* choices = new QHBoxLayout;
  choices->addWidget(startsBox);
  choices->addWidget(quickBox);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lengths);
  layout->addWidget(fine);
  layout->addLayout(choices);
  layout->addStretch(1);
  ShowForm();

  connect(unit_, &QComboBox::activated, this, [this](int entry) { form_.Unit = EntryUnit(entry); });
  connect(gridUnit_, &QComboBox::activated, this, [this](int entry) {
    ChooseGridUnit(form_, EntryUnit(entry), prefs_);
    grid_->setText(Qs(form_.GridText));
  });
  connect(nudgeUnit_, &QComboBox::activated, this, [this](int entry) {
    ChooseNudgeUnit(form_, EntryUnit(entry), document_);
    nudge_->setText(Qs(form_.NudgeText));
  });
  connect(grid_, &QLineEdit::textChanged, this, [this](const QString& text) { form_.GridText = text.toStdString(); });
  connect(nudge_, &QLineEdit::textChanged, this,
          [this](const QString& text) { form_.NudgeText = text.toStdString(); });
  connect(starts_, &QButtonGroup::idClicked, this, [this](int choice) { form_.AppStarts = int16_t(choice); });
  connect(quickPrintOn_, &QRadioButton::toggled, this, [this](bool on) {
    form_.QuickPrint = on;
    confirm_->setEnabled(on);
  });
  connect(confirm_, &QCheckBox::toggled, this, [this](bool on) { form_.ConfirmDialog = on; });
}

QComboBox* CGeneralSettingsPage::UnitCombo(const AppPreferencesTexts& texts, int16_t unit, const char* name) {
  auto* combo = new QComboBox;
  combo->setObjectName(QLatin1String(name));
  combo->addItem(Qs(texts.Millimetre));
  combo->addItem(Qs(texts.Inch));
  combo->setCurrentIndex(UnitEntry(unit));
  return combo;
}

void CGeneralSettingsPage::ShowForm() {
  grid_->setText(Qs(form_.GridText));
  nudge_->setText(Qs(form_.NudgeText));
  if (QAbstractButton* start = starts_->button(form_.AppStarts)) start->setChecked(true);
  (form_.QuickPrint ? quickPrintOn_ : quickPrintOff_)->setChecked(true);
  confirm_->setChecked(form_.ConfirmDialog);
  confirm_->setEnabled(form_.QuickPrint);
}

}  // namespace tl
