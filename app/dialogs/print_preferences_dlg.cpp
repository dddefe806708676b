// The Print Preferences dialog's widgets; the rules are in
// print/print_preferences.
#include "app/dialogs/print_preferences_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/panels/orientation_icons.h"
#include "document/layout_document.h"
#include "layout/units.h"
#include "print/driver_items.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kUserPresetText = 40121;
constexpr int kSavePresetText = 40122;
constexpr int kPaperTabText = 40124;
constexpr int kMediaTabText = 40125;
constexpr int kOrientationIconSide = 28;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

void FillIdList(QComboBox* combo, const std::vector<IdName>& list, int32_t id, bool enabled) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const IdName& entry : list) combo->addItem(Qs(entry.Name), entry.Id);
  combo->setCurrentIndex(combo->findData(id));
  combo->setEnabled(enabled && !list.empty());
}

QRadioButton* Radio(QButtonGroup* group, const std::string& text, int id) {
  auto* button = new QRadioButton(Qs(text));
  group->addButton(button, id);
  return button;
}

// Checks the group's button `id`, or none.
void CheckId(QButtonGroup* group, int id) {
  const bool exclusive = group->exclusive();
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
  group->setExclusive(exclusive);
}

}  // namespace

CPrintPreferencesDlg::CPrintPreferencesDlg(PrintPreferences prefs, LayoutDocument& document,
                                           PrinterSettings& settings, QWidget* parent)
    : QDialog(parent),
      prefs_(std::move(prefs)),
      document_(document),
      settings_(settings),
      printer_(new QComboBox),
      preset_(new QComboBox),
      savePreset_(new QPushButton(Qs(StringCopy(kSavePresetText)))),
      tabs_(new QTabWidget),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
  const PrintPreferencesTexts& t = prefs_.Texts;
  setWindowTitle(Qs(t.Title));
  setObjectName(QStringLiteral("printPreferencesDialog"));
  printer_->setObjectName(QStringLiteral("printerCombo"));
  printer_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  printer_->setMinimumContentsLength(28);
  preset_->setObjectName(QStringLiteral("presetCombo"));
  preset_->setEditable(true);
  preset_->setInsertPolicy(QComboBox::NoInsert);
  savePreset_->setObjectName(QStringLiteral("savePreset"));

  auto* top = new QFormLayout;
  top->addRow(Qs(t.Printer), printer_);
  auto* presetRow = new QHBoxLayout;
  presetRow->addWidget(preset_, 1);
  presetRow->addWidget(savePreset_);
  top->addRow(Qs(StringCopy(kUserPresetText)), presetRow);

  tabs_->addTab(PaperTab(), Qs(StringCopy(kPaperTabText)));
  tabs_->addTab(MediaTab(), Qs(StringCopy(kMediaTabText)));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tabs_, 1);
  layout->addWidget(buttons_);

  connect(printer_, &QComboBox::activated, this, [this](int index) {
    Forward(ChoosePrinter(prefs_, printer_->itemData(index).toString().toStdString()));
  });
  connect(preset_, &QComboBox::activated, this,
          [this](int index) { Forward(ChooseUserPreset(prefs_, preset_->itemText(index).toStdString())); });
  connect(savePreset_, &QPushButton::clicked, this,
          [this] { Forward(SaveUserPresetAs(prefs_, preset_->currentText().trimmed().toStdString())); });
  connect(buttons_, &QDialogButtonBox::accepted, this, &CPrintPreferencesDlg::Ok);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Fill();
}

QWidget* CPrintPreferencesDlg::PaperTab() {
  const PrintPreferencesTexts& t = prefs_.Texts;
  auto* tab = new QWidget;
  auto* form = new QFormLayout(tab);
  source_ = new QComboBox;
  source_->setObjectName(QStringLiteral("paperSource"));
  size_ = new QComboBox;
  size_->setObjectName(QStringLiteral("paperSize"));
  form->addRow(Qs(t.PaperSource), source_);
  form->addRow(Qs(t.PaperSize), size_);

  length_ = new QLineEdit;
  length_->setObjectName(QStringLiteral("paperLength"));
  unit_ = new QComboBox;
  unit_->setObjectName(QStringLiteral("paperLengthUnit"));
  unit_->addItem(Qs(t.Millimetre), int(kUnitMillimetre));
  unit_->addItem(Qs(t.Inch), int(kUnitInch));
  auto* lengthRow = new QHBoxLayout;
  lengthRow->addWidget(length_, 1);
  lengthRow->addWidget(unit_);
  form->addRow(Qs(t.PaperLength), lengthRow);

  const auto orientationButton = [](const QIcon& icon, const char* name) {
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(kOrientationIconSide, kOrientationIconSide));
    button->setCheckable(true);
    button->setAutoExclusive(true);
    return button;
  };
  portrait_ = orientationButton(PortraitIcon(), "portraitButton");
  landscape_ = orientationButton(LandscapeIcon(), "landscapeButton");
  auto* orientationRow = new QHBoxLayout;
  orientationRow->addWidget(portrait_);
  orientationRow->addWidget(landscape_);
  orientationRow->addStretch(1);
  form->addRow(Qs(t.Orientation), orientationRow);

  area_ = new QButtonGroup(this);
  standard_ = Radio(area_, t.Standard, 0);
  maximum_ = Radio(area_, t.Maximum, 1);
  centerd_ = new QCheckBox(Qs(t.Centerd));
  centerd_->setObjectName(QStringLiteral("centerd"));
  auto* areaRow = new QHBoxLayout;
  areaRow->addWidget(standard_);
  areaRow->addWidget(maximum_);
  areaRow->addWidget(centerd_);
  areaRow->addStretch(1);
  form->addRow(Qs(t.PrintableArea), areaRow);

  connect(source_, &QComboBox::activated, this,
          [this](int index) { Forward(ChoosePaperSource(prefs_, source_->itemData(index).toInt())); });
  connect(size_, &QComboBox::activated, this,
          [this](int index) { Forward(ChoosePaperSize(prefs_, size_->itemData(index).toInt())); });
  connect(length_, &QLineEdit::editingFinished, this,
          [this] { Forward(SetRollPaperLength(prefs_, length_->text().toStdString())); });
  connect(unit_, &QComboBox::activated, this, [this](int index) {
    ChoosePaperLengthUnit(prefs_, int16_t(unit_->itemData(index).toInt()));
    Forward(true);
  });
  connect(portrait_, &QToolButton::clicked, this, [this] { Forward(ChooseOrientation(prefs_, kPortrait)); });
  connect(landscape_, &QToolButton::clicked, this, [this] { Forward(ChooseOrientation(prefs_, kLandscape)); });
  connect(area_, &QButtonGroup::idClicked, this, [this](int id) { Forward(ChoosePrintableArea(prefs_, int16_t(id))); });
  connect(centerd_, &QCheckBox::clicked, this, [this](bool on) { Forward(ChooseCentered(prefs_, on)); });
  return tab;
}

QWidget* CPrintPreferencesDlg::MediaTab() {
  const PrintPreferencesTexts& t = prefs_.Texts;
  auto* tab = new QWidget;
  auto* form = new QFormLayout(tab);
  media_ = new QComboBox;
  media_->setObjectName(QStringLiteral("mediaType"));
  form->addRow(Qs(t.MediaType), media_);

  ink_ = new QButtonGroup(this);
  auto* inkRow = new QHBoxLayout;
  inkRow->addWidget(Radio(ink_, t.Color, kInkColor));
  inkRow->addWidget(Radio(ink_, t.Black, kInkBlack));
  inkRow->addWidget(Radio(ink_, t.Duotint, kInkDuotint));
  inkRow->addStretch(1);
  form->addRow(Qs(t.Ink), inkRow);

  mode_ = new QButtonGroup(this);
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(Radio(mode_, t.Photo, kModePhoto));
  modeRow->addWidget(Radio(mode_, t.Quality, kModeQuality));
  modeRow->addWidget(Radio(mode_, t.Speed, kModeSpeed));
  modeRow->addStretch(1);
  form->addRow(Qs(t.Mode), modeRow);

  highSpeed_ = new QCheckBox(Qs(t.HighSpeed));
  highSpeed_->setObjectName(QStringLiteral("highSpeed"));
  optimize_ = new QCheckBox(Qs(t.OptimizeResolution));
  optimize_->setObjectName(QStringLiteral("optimizeResolution"));
  form->addRow(QString(), highSpeed_);
  form->addRow(QString(), optimize_);

  summary_ = new QLabel;
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setFrameShape(QFrame::StyledPanel);
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 8);
  form->addRow(summary_);

  connect(media_, &QComboBox::activated, this,
          [this](int index) { Forward(ChooseMediaType(prefs_, media_->itemData(index).toInt())); });
  connect(ink_, &QButtonGroup::idClicked, this, [this](int id) { Forward(ChooseInk(prefs_, int16_t(id))); });
  connect(mode_, &QButtonGroup::idClicked, this, [this](int id) { Forward(ChoosePrintMode(prefs_, id)); });
  connect(highSpeed_, &QCheckBox::clicked, this, [this](bool on) { Forward(ChooseHighSpeed(prefs_, on)); });
  return tab;
}

void CPrintPreferencesDlg::Forward(bool) { Fill(); }

void CPrintPreferencesDlg::Fill() {
  const PrintFields& f = prefs_.Fields;
  const PrinterSettings& s = prefs_.Settings;
  const PrintControls& e = prefs_.Enabled;
  {
    const QSignalBlocker block(printer_);
    printer_->clear();
    for (const PrinterEntry& printer : s.Printers) {
      printer_->addItem(Qs(printer.Name), Qs(printer.Name));
      printer_->setItemData(printer_->count() - 1, Qs(printer.Model), Qt::ToolTipRole);
    }
    printer_->setCurrentIndex(printer_->findData(Qs(f.PrinterName)));
  }
  {
    const QSignalBlocker block(preset_);
    preset_->clear();
    for (const std::string& name : prefs_.UserPresets) preset_->addItem(Qs(name));
    preset_->setCurrentIndex(preset_->findText(Qs(f.UserPreset)));
    if (preset_->currentIndex() < 0) preset_->setEditText(Qs(f.UserPreset));
  }
  FillIdList(source_, s.PaperSources, f.PaperSourceID, e.PaperSource);
  FillIdList(size_, s.PaperSizes, f.PaperSizeID, e.PaperSize);
  length_->setEnabled(e.PaperLength);
  unit_->setEnabled(e.PaperLength);
  length_->setText(e.PaperLength ? Qs(RollPaperLengthText(prefs_)) : QString());
  {
    const QSignalBlocker block(unit_);
    unit_->setCurrentIndex(unit_->findData(int(prefs_.PaperLengthUnit)));
  }
  portrait_->setChecked(f.Orientation != kLandscape);
  landscape_->setChecked(f.Orientation == kLandscape);
  standard_->setEnabled(e.AreaChoice);
  maximum_->setEnabled(e.AreaChoice);
  CheckId(area_, e.AreaCleared ? -1 : f.PrintableArea);
  centerd_->setEnabled(e.Centerd);
  centerd_->setChecked(!e.AreaCleared && f.Centerd != 0);

  FillIdList(media_, s.MediaTypes, f.MediaTypeID, e.MediaType);
  const bool inks[] = {e.Color, e.Black, e.Duotint};
  const int inkIds[] = {kInkColor, kInkBlack, kInkDuotint};
  for (int i = 0; i < 3; ++i) ink_->button(inkIds[i])->setEnabled(inks[i]);
  CheckId(ink_, f.Color);
  const bool modes[] = {e.Photo, e.Quality, e.Speed};
  for (int mode = kModePhoto; mode <= kModeSpeed; ++mode) mode_->button(mode)->setEnabled(modes[mode - kModePhoto]);
  CheckId(mode_, e.Photo || e.Quality || e.Speed ? prefs_.PrintMode : -1);
  highSpeed_->setEnabled(e.HighSpeed);
  highSpeed_->setChecked(f.HighSpeed != 0);
  optimize_->setEnabled(e.OptimizeResolution);
  summary_->setText(Qs(PrintPreferencesSummary(prefs_)).trimmed());
}

void CPrintPreferencesDlg::Ok() {
  if (!ApplyPrintPreferences(prefs_, document_, settings_)) {
    Fill();
    return;
  }
  accept();
}

}  // namespace tl
