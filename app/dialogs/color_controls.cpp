#include "app/dialogs/color_controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tl {
namespace {

QString Qs(const std::string& text) { return QString::fromStdString(text); }

constexpr int kProfileComboLength = 26;

QLabel* ProfileText(const std::string& text) {
  auto* label = new QLabel(Qs(text));
  label->setFrameShape(QFrame::StyledPanel);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setMinimumWidth(240);
  return label;
}

}  // namespace

void FillProfileCombo(QComboBox* combo, const ProfileList& list) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const ProfileListEntry& entry : list) {
    combo->addItem(Qs(entry.Description.empty() ? entry.FileName : entry.Description), Qs(entry.FileName));
    combo->setItemData(combo->count() - 1, Qs(entry.FileName), Qt::ToolTipRole);
  }
}

void FillIntentCombo(QComboBox* combo, const ColorDialogTexts& texts) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const std::string& name : texts.IntentNames) combo->addItem(Qs(name));
}

ProfileIntentRow::ProfileIntentRow(const ProfileList& list, const ColorDialogTexts& texts, QWidget* parent)
    : QWidget(parent), profile_(new QComboBox), intent_(new QComboBox) {
  profile_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  profile_->setMinimumContentsLength(kProfileComboLength);
  FillProfileCombo(profile_, list);
  FillIntentCombo(intent_, texts);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(profile_, 1);
  row->addWidget(intent_);
}

void ProfileIntentRow::Show(const ProfileIntentChoice& choice) {
  profile_->setCurrentIndex(choice.Profile);
  intent_->setCurrentIndex(choice.Intent);
}

ProfileIntentChoice ProfileIntentRow::Choice() const {
  return {std::max(0, profile_->currentIndex()), std::max(0, intent_->currentIndex())};
}

SimulationBox::SimulationBox(const ProfileLists& lists, const ColorDialogTexts& texts, QWidget* parent)
    : QGroupBox(Qs(texts.Simulation), parent),
      methods_(new QButtonGroup(this)),
      rgb_(new ProfileIntentRow(lists.Rgb, texts)),
      cmyk_(new ProfileIntentRow(lists.Cmyk, texts)) {
  setObjectName(QStringLiteral("simulationBox"));
  auto* grid = new QGridLayout(this);
  const struct {
    const std::string& text;
    int method;
  } choices[] = {{texts.Off, kSimulationOff}, {texts.Rgb, kSimulationRgb}, {texts.Cmyk, kSimulationCmyk}};
  for (int row = 0; row < 3; ++row) {
    auto* button = new QRadioButton(Qs(choices[row].text));
    methods_->addButton(button, choices[row].method);
    grid->addWidget(button, row, 0);
  }
  grid->addWidget(rgb_, 1, 1);
  grid->addWidget(cmyk_, 2, 1);
  grid->setColumnStretch(1, 1);
  connect(methods_, &QButtonGroup::idClicked, this, [this] { EnableGroups(); });
}

void SimulationBox::Show(const SimulationChoice& choice) {
  if (QAbstractButton* button = methods_->button(choice.Method)) button->setChecked(true);
  rgb_->Show(choice.Rgb);
  cmyk_->Show(choice.Cmyk);
  EnableGroups();
}

SimulationChoice SimulationBox::Choice() const {
  SimulationChoice choice;
  const int method = methods_->checkedId();
  choice.Method = int16_t(method < 0 ? kSimulationOff : method);
  choice.Rgb = rgb_->Choice();
  choice.Cmyk = cmyk_->Choice();
  return choice;
}

void SimulationBox::EnableGroups() {
  const SimulationGroups groups = SimulationGroupsFor(Choice().Method);
  rgb_->setEnabled(groups.Rgb);
  cmyk_->setEnabled(groups.Cmyk);
}

OutputProfilesBox::OutputProfilesBox(const LayoutDocument& document, const ColorDialogTexts& texts, QWidget* parent)
    : QWidget(parent) {
  const OutputProfileTexts profiles = DescribeOutputProfiles(document);
  monitor_ = ProfileText(profiles.Monitor);
  monitor_->setObjectName(QStringLiteral("monitorProfileText"));
  printer_ = ProfileText(profiles.Printer);
  printer_->setObjectName(QStringLiteral("printerProfileText"));
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(Qs(texts.MonitorProfile), monitor_);
  form->addRow(Qs(texts.PrinterProfile), printer_);
}

}  // namespace tl
