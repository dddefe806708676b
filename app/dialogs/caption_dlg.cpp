// The caption dialog's widgets.
#include "app/dialogs/caption_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/text_style_controls.h"
#include "document/text_choices.h"

namespace tl {
namespace {

constexpr int kTitle = 41130;
constexpr int kCaption = 41131;
constexpr int kFont = 41117, kSize = 41118, kLocation = 41120, kUpsideDown = 41121;
constexpr int kSampleTitle = 41122, kAlignment = 41123, kColor = 41124;

}  // namespace

CCaptionDlg::CCaptionDlg(AppPrompts& prompts, CaptionValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)),
      text_(NewEdit(values_.Text, "captionEdit", 280)), font_(new QComboBox), size_(new QComboBox),
      color_(new CColorButton(prompts, values_.FontColor)), location_(NewLocationCombo()),
      upsideDown_(new QCheckBox(DialogText(kUpsideDown))), sample_(new QLabel) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("captionDialog");
  font_->setObjectName("fontCombo");
  FillFontCombo(font_, values_.FontName);
  size_->setObjectName("sizeCombo");
  FillSizeCombo(size_, TextPointSizes(), values_.FontSize, true, values_.AutoSize != 0);
  color_->setObjectName("colorButton");
  upsideDown_->setObjectName("upsideDownCheck");
  DisableLocation(location_, values_.LabelLocation);
  sample_->setObjectName("sampleLabel");
  sample_->setMinimumHeight(40);
  sample_->setFrameShape(QFrame::StyledPanel);

  auto* alignRow = new QHBoxLayout;
  align_ = NewAlignButtons(this, alignRow);
  alignRow->addStretch(1);
  auto* form = new QFormLayout;
  form->addRow(DialogText(kCaption), text_);
  form->addRow(DialogText(kFont), font_);
  form->addRow(DialogText(kSize), size_);
  form->addRow(DialogText(kColor), color_);
  form->addRow(DialogText(kAlignment), alignRow);
  form->addRow(DialogText(kLocation), location_);
  form->addRow(QString(), upsideDown_);
  auto* sampleBox = new QGroupBox(DialogText(kSampleTitle));
  (new QVBoxLayout(sampleBox))->addWidget(sample_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(sampleBox);
  layout->addWidget(buttons);

  const auto changed = [this] {
    ReadControls();
    ShowTextSample(sample_, values_.Text, values_.FontName, values_.FontColor, values_.Align);
  };
  connect(text_, &QLineEdit::textEdited, this, changed);
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
  connect(location_, &QComboBox::activated, this, [this] {
    values_.Location = int16_t(location_->currentData().toInt());
  });
  connect(align_, &QButtonGroup::idClicked, this, changed);
  connect(color_, &CColorButton::ColorChosen, this, changed);
  connect(buttons, &QDialogButtonBox::accepted, this, &CCaptionDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
}

void CCaptionDlg::ShowValues() {
  text_->setText(QText(values_.Text));
  CheckId(align_, values_.Align);
  location_->setCurrentIndex(std::max(0, location_->findData(values_.Location)));
  upsideDown_->setChecked(values_.UpsideDown != 0);
  color_->SetColor(values_.FontColor);
  ShowTextSample(sample_, values_.Text, values_.FontName, values_.FontColor, values_.Align);
}

void CCaptionDlg::ReadControls() {
  values_.Text = StdText(text_->text());
  values_.FontColor = color_->Color();
  if (align_->checkedId() >= 0) values_.Align = int16_t(align_->checkedId());
  values_.UpsideDown = upsideDown_->isChecked() ? 1 : 0;
}

void CCaptionDlg::Ok() {
  ReadControls();
  if (apply_(values_)) {
    accept();
    return;
  }
  location_->setFocus();
}

}  // namespace tl
