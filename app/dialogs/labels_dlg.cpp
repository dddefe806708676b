// The label dialog's widgets.
#include "app/dialogs/labels_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/text_style_controls.h"
#include "document/text_choices.h"

namespace tl {
namespace {

constexpr int kTitle = 41100;
constexpr int kItems = 41101;
constexpr int kPreset = 41102;
constexpr int kFont = 41117, kSize = 41118, kLocation = 41120, kUpsideDown = 41121;
constexpr int kSampleTitle = 41122, kAlignment = 41123, kColor = 41124;

}  // namespace

CLabelsDlg::CLabelsDlg(AppPrompts& prompts, LabelValues values, Sample sample, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), sample_(std::move(sample)), apply_(std::move(apply)),
      preset_(new QComboBox), items_(new QListWidget), font_(new QComboBox), size_(new QComboBox),
      color_(new CColorButton(prompts, values_.FontColor)), location_(NewLocationCombo()),
      upsideDown_(new QCheckBox(DialogText(kUpsideDown))), sampleText_(new QLabel) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("labelsDialog");
  preset_->setObjectName("presetCombo");
  for (const LabelPreset& p : LabelPresets()) preset_->addItem(DialogText(p.NameString));
  preset_->addItem(DialogText(kCustomPresetString));
  items_->setObjectName("itemList");
  for (int i = 0; i < values_.ItemsShown; ++i) {
    auto* item = new QListWidgetItem(QText(LabelItemName(i)), items_);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
  }
  font_->setObjectName("fontCombo");
  FillFontCombo(font_, values_.FontName);
  size_->setObjectName("sizeCombo");
  FillSizeCombo(size_, TextPointSizes(), values_.FontSize, true, values_.AutoSize != 0);
  color_->setObjectName("colorButton");
  if (values_.CaptionLocation != values_.Location) DisableLocation(location_, values_.CaptionLocation);
  upsideDown_->setObjectName("upsideDownCheck");
  sampleText_->setObjectName("sampleLabel");
  sampleText_->setWordWrap(true);
  sampleText_->setMinimumHeight(48);
  sampleText_->setFrameShape(QFrame::StyledPanel);

  auto* itemBox = new QGroupBox(DialogText(kItems));
  auto* itemLayout = new QVBoxLayout(itemBox);
  auto* presetForm = new QFormLayout;
  presetForm->addRow(DialogText(kPreset), preset_);
  itemLayout->addLayout(presetForm);
  itemLayout->addWidget(items_);

  auto* alignRow = new QHBoxLayout;
  align_ = NewAlignButtons(this, alignRow);
  alignRow->addStretch(1);
  auto* style = new QFormLayout;
  style->addRow(DialogText(kFont), font_);
  style->addRow(DialogText(kSize), size_);
  style->addRow(DialogText(kColor), color_);
  style->addRow(DialogText(kAlignment), alignRow);
  style->addRow(DialogText(kLocation), location_);
  style->addRow(QString(), upsideDown_);
  auto* sampleBox = new QGroupBox(DialogText(kSampleTitle));
  (new QVBoxLayout(sampleBox))->addWidget(sampleText_);
  auto* right = new QVBoxLayout;
  right->addLayout(style);
  right->addWidget(sampleBox, 1);

  auto* body = new QHBoxLayout;
  body->addWidget(itemBox, 1);
  body->addLayout(right, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  connect(preset_, &QComboBox::activated, this, [this](int index) {
    ChooseLabelPreset(values_, index);
    ShowValues();
  });
  connect(items_, &QListWidget::itemChanged, this, [this] {
    if (showing_) return;
    ReadControls();
    ShowValues();
  });
  const auto changed = [this] {
    if (showing_) return;
    ReadControls();
    ShowSample();
  };
  // The boxes write only what the user picks, so a value no box lists stays.
  connect(font_, &QComboBox::activated, this, [this, changed] {
    values_.FontName = StdText(font_->currentText());
    changed();
  });
  connect(size_, &QComboBox::activated, this, [this, changed] {
    const int16_t size = SizeOfCombo(size_);
    values_.AutoSize = size == 0 ? 1 : 0;
    if (size > 0) values_.FontSize = size;
    changed();
  });
  connect(location_, &QComboBox::activated, this, [this, changed] {
    values_.Location = int16_t(location_->currentData().toInt());
    changed();
  });
  connect(align_, &QButtonGroup::idClicked, this, changed);
  connect(upsideDown_, &QCheckBox::toggled, this, changed);
  connect(color_, &CColorButton::ColorChosen, this, changed);
  connect(buttons, &QDialogButtonBox::accepted, this, &CLabelsDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(620, 440);
  ShowValues();
}

void CLabelsDlg::ShowValues() {
  showing_ = true;
  const int preset = LabelPresetOf(values_.Items);
  preset_->setCurrentIndex(preset >= 0 ? preset : preset_->count() - 1);
  for (int i = 0; i < items_->count(); ++i)
    items_->item(i)->setCheckState(values_.Items & (int32_t(1) << i) ? Qt::Checked : Qt::Unchecked);
  CheckId(align_, values_.Align);
  location_->setCurrentIndex(std::max(0, location_->findData(values_.Location)));
  upsideDown_->setChecked(values_.UpsideDown != 0);
  color_->SetColor(values_.FontColor);
  showing_ = false;
  ShowSample();
}

void CLabelsDlg::ReadControls() {
  for (int i = 0; i < items_->count(); ++i) SetLabelItem(values_, i, items_->item(i)->checkState() == Qt::Checked);
  values_.FontColor = color_->Color();
  if (align_->checkedId() >= 0) values_.Align = int16_t(align_->checkedId());
  values_.UpsideDown = upsideDown_->isChecked() ? 1 : 0;
}

void CLabelsDlg::ShowSample() {
  ShowTextSample(sampleText_, sample_ ? sample_(values_) : std::string(), values_.FontName, values_.FontColor,
                 values_.Align);
}

void CLabelsDlg::Ok() {
  ReadControls();
  if (apply_(values_)) accept();
}

}  // namespace tl
