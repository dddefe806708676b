// The crop dialog's widgets.
#include "app/dialogs/crop_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/crop_preview.h"
#include "app/dialogs/dialog_controls.h"
#include "layout/image_geometry.h"

namespace tl {
namespace {

constexpr int kTitle = 41080;
constexpr int kFieldNames[] = {41081, 41082, 41055, 41056};  // "X :", "Y :", "Width :", "Height :"
constexpr int kResolution = 41083;
constexpr int kCropMode = 41084, kDrawFrame = 41085;
constexpr int kFixedRatio = 41086;
constexpr int kWholePicture = 41087;
constexpr int kFrameColor = 41088;
constexpr int kHint = 41089;
constexpr int kUnitNames[] = {10100, 10101, 10102};  // "pixels", "mm", "inch"
constexpr int kPixelsPerInch = 10103;
constexpr const char* kEditNames[] = {"xEdit", "yEdit", "widthEdit", "heightEdit"};

}  // namespace

CCropDlg::CCropDlg(AppPrompts& prompts, QImage picture, CropValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)),
      preview_(new CCropPreview(std::move(picture), values_.Picture)),
      resolution_(NewEdit(values_.Resolution, "resolutionEdit")), unit_(new QComboBox), mode_(new QButtonGroup(this)),
      fixedRatio_(new QCheckBox(DialogText(kFixedRatio))),
      frameColor_(new CColorButton(prompts, values_.Choice.FrameColor)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("cropDialog");
  unit_->setObjectName("unitCombo");
  for (int id : kUnitNames) unit_->addItem(DialogText(id));
  fixedRatio_->setObjectName("fixedRatioCheck");
  frameColor_->setObjectName("frameColorButton");
  frameColor_->setText(DialogText(kFrameColor));

  auto* form = new QFormLayout;
  for (int i = 0; i < 4; ++i) {
    edits_[i] = NewEdit(values_.Texts[i], kEditNames[i]);
    form->addRow(DialogText(kFieldNames[i]), edits_[i]);
  }
  form->addRow(QString(), unit_);
  auto* resolutionRow = new QHBoxLayout;
  resolutionRow->addWidget(resolution_, 1);
  resolutionRow->addWidget(new QLabel(DialogText(kPixelsPerInch)));
  form->addRow(DialogText(kResolution), resolutionRow);

  auto* cut = new QRadioButton(DialogText(kCropMode));
  cut->setObjectName("cropRadio");
  auto* frame = new QRadioButton(DialogText(kDrawFrame));
  frame->setObjectName("drawFrameRadio");
  mode_->addButton(cut, kCropCut);
  mode_->addButton(frame, kCropDrawFrame);
  auto* whole = new QPushButton(DialogText(kWholePicture));
  whole->setObjectName("wholePictureButton");
  whole->setAutoDefault(false);

  auto* side = new QVBoxLayout;
  side->addLayout(form);
  side->addWidget(fixedRatio_);
  side->addWidget(cut);
  side->addWidget(frame);
  side->addWidget(frameColor_);
  side->addWidget(whole);
  side->addStretch(1);

  auto* hint = new QLabel(DialogText(kHint));
  hint->setWordWrap(true);
  auto* left = new QVBoxLayout;
  left->addWidget(preview_, 1);
  left->addWidget(hint);
  auto* body = new QHBoxLayout;
  body->addLayout(left, 1);
  body->addLayout(side);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  connect(preview_, &CCropPreview::KeptDrawn, this, [this](const LRect& kept) {
    ReadControls();
    SetCropRect(values_, kept);
    ShowValues();
  });
  for (QLineEdit* edit : edits_)
    connect(edit, &QLineEdit::textEdited, this, [this] {
      ReadControls();
      if (ReadCropTexts(values_)) preview_->SetKept(values_.Kept);
    });
  connect(resolution_, &QLineEdit::editingFinished, this, [this] {
    // The pixels stay; their length follows the new resolution.
    values_.Resolution = StdText(resolution_->text());
    SetCropRect(values_, values_.Kept);
    ShowValues();
  });
  connect(unit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseCropUnit(values_, unit_->currentIndex());
    ShowValues();
  });
  connect(whole, &QPushButton::clicked, this, [this] {
    ReadControls();
    const int16_t fixed = values_.Choice.FixedRatio;
    values_.Choice.FixedRatio = 0;
    SetCropRect(values_, {0, 0, values_.Picture.cx, values_.Picture.cy});
    values_.Choice.FixedRatio = fixed;
    ShowValues();
  });
  connect(mode_, &QButtonGroup::idClicked, this, [this] {
    ReadControls();
    ShowValues();
  });
  connect(fixedRatio_, &QCheckBox::toggled, this, [this] { ReadControls(); });
  connect(frameColor_, &CColorButton::ColorChosen, this, [this] { ReadControls(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &CCropDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
}

void CCropDlg::ShowValues() {
  for (int i = 0; i < 4; ++i) edits_[i]->setText(QText(values_.Texts[i]));
  resolution_->setText(QText(values_.Resolution));
  unit_->setCurrentIndex(values_.Unit);
  CheckId(mode_, values_.Choice.Mode);
  fixedRatio_->setChecked(values_.Choice.FixedRatio != 0);
  frameColor_->SetColor(values_.Choice.FrameColor);
  frameColor_->setEnabled(values_.Choice.Mode == kCropDrawFrame);
  preview_->SetKept(values_.Kept);
}

void CCropDlg::ReadControls() {
  for (int i = 0; i < 4; ++i) values_.Texts[i] = StdText(edits_[i]->text());
  values_.Resolution = StdText(resolution_->text());
  if (mode_->checkedId() > 0) values_.Choice.Mode = int16_t(mode_->checkedId());
  values_.Choice.FixedRatio = fixedRatio_->isChecked() ? 1 : 0;
  values_.Choice.FrameColor = frameColor_->Color();
}

void CCropDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  ShowValues();
  if (bad == kCropResolutionField) SelectEdit(resolution_);
  else if (bad >= 0 && bad < 4) SelectEdit(edits_[bad]);
}

}  // namespace tl
