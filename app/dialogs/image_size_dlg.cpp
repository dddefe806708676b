// The Image Size dialog's widgets.
#include "app/dialogs/image_size_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "layout/image_geometry.h"

namespace tl {
namespace {

constexpr int kTitle = 41050;
constexpr int kSizeTab = 41051, kFrameTab = 41052;
constexpr int kDimensions = 41053, kRatio = 41054;
constexpr int kWidth = 41055, kHeight = 41056;
constexpr int kConstrain = 41057, kImageOptions = 41058;
constexpr int kOptionNames[] = {41059, 41060, 41061};  // "Off", "AutoFit", "AutoCrop"
constexpr int kFrameChoices[] = {41059, 41062, 41063};  // "Off", "Automatic", "Custom"
constexpr int kFrameWidths = 41064;
constexpr int kTransparent = 41065, kColor = 41066;
constexpr int kSideNames[] = {41013, 41014, 41015, 41016};
constexpr const char* kFrameEditNames[] = {"frameLeftEdit", "frameTopEdit", "frameRightEdit", "frameBottomEdit"};
constexpr const char kPercentSign[] = "%";

QRadioButton* Radio(int text, const char* name, QButtonGroup* group, int id) {
  auto* radio = new QRadioButton(DialogText(text));
  radio->setObjectName(name);
  group->addButton(radio, id);
  return radio;
}

}  // namespace

CImageSizeDlg::CImageSizeDlg(AppPrompts& prompts, ImageSizeValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)), tabs_(new QTabWidget),
      method_(new QButtonGroup(this)), width_(NewEdit(values_.Width, "widthEdit")),
      height_(NewEdit(values_.Height, "heightEdit")), unit_(NewUnitCombo(values_.Unit, "unitCombo")),
      widthPercent_(NewEdit(values_.WidthPercent, "widthPercentEdit")),
      heightPercent_(NewEdit(values_.HeightPercent, "heightPercentEdit")), constrain_(new QCheckBox),
      option_(new QComboBox), frame_(new QButtonGroup(this)),
      frameUnit_(NewUnitCombo(values_.FrameUnit, "frameUnitCombo")), frameColorValid_(new QButtonGroup(this)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("imageSizeDialog");
  tabs_->setObjectName("tabs");
  tabs_->addTab(SizeTab(), DialogText(kSizeTab));
  tabs_->addTab(FrameTab(prompts), DialogText(kFrameTab));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &CImageSizeDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(method_, &QButtonGroup::idClicked, this, [this] {
    ReadControls();
    EnableControls();
  });
  connect(frame_, &QButtonGroup::idClicked, this, [this] {
    ReadControls();
    EnableControls();
  });
  connect(frameColorValid_, &QButtonGroup::idClicked, this, [this] { EnableControls(); });
  connect(unit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseImageSizeUnit(values_, UnitOfCombo(unit_));
    ShowValues();
  });
  connect(frameUnit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseFrameUnit(values_, UnitOfCombo(frameUnit_));
    ShowValues();
  });
  const std::pair<QLineEdit*, int> paired[] = {{width_, kSizeWidthField},
                                               {height_, kSizeHeightField},
                                               {widthPercent_, kSizeWidthPercentField},
                                               {heightPercent_, kSizeHeightPercentField}};
  for (const auto& [edit, field] : paired)
    connect(edit, &QLineEdit::textEdited, this, [this, field = field] { Typed(field); });
  ShowValues();
}

QWidget* CImageSizeDlg::SizeTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(Radio(kDimensions, "dimensionsRadio", method_, kSizeFixed), 0, 0, 1, 4);
  grid->addWidget(new QLabel(DialogText(kWidth)), 1, 1);
  grid->addWidget(width_, 1, 2);
  grid->addWidget(unit_, 1, 3);
  grid->addWidget(new QLabel(DialogText(kHeight)), 2, 1);
  grid->addWidget(height_, 2, 2);
  grid->addWidget(Radio(kRatio, "ratioRadio", method_, kSizeRelative), 3, 0, 1, 4);
  grid->addWidget(new QLabel(DialogText(kWidth)), 4, 1);
  grid->addWidget(widthPercent_, 4, 2);
  grid->addWidget(new QLabel(kPercentSign), 4, 3);
  grid->addWidget(new QLabel(DialogText(kHeight)), 5, 1);
  grid->addWidget(heightPercent_, 5, 2);
  grid->addWidget(new QLabel(kPercentSign), 5, 3);
  constrain_->setText(DialogText(kConstrain));
  constrain_->setObjectName("constrainCheck");
  grid->addWidget(constrain_, 6, 0, 1, 4);
  option_->setObjectName("imageOptionCombo");
  for (int i = 0; i < 3; ++i) option_->addItem(DialogText(kOptionNames[i]), i);
  auto* options = new QFormLayout;
  options->addRow(DialogText(kImageOptions), option_);
  grid->addLayout(options, 7, 0, 1, 4);
  grid->setColumnMinimumWidth(0, 16);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(8, 1);
  return page;
}

QWidget* CImageSizeDlg::FrameTab(AppPrompts& prompts) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* choices = new QHBoxLayout;
  const char* names[] = {"frameOffRadio", "frameAutomaticRadio", "frameCustomRadio"};
  for (int i = 0; i < 3; ++i) choices->addWidget(Radio(kFrameChoices[i], names[i], frame_, i));
  choices->addStretch(1);
  layout->addLayout(choices);

  auto* widths = new QGroupBox(DialogText(kFrameWidths));
  auto* form = new QFormLayout(widths);
  for (int i = 0; i < 4; ++i) {
    frameWidths_[i] = NewEdit(values_.Frame[i], kFrameEditNames[i]);
    form->addRow(DialogText(kSideNames[i]), frameWidths_[i]);
  }
  form->addRow(QString(), frameUnit_);
  layout->addWidget(widths);

  auto* colour = new QHBoxLayout;
  colour->addWidget(Radio(kTransparent, "transparentRadio", frameColorValid_, 0));
  colour->addWidget(Radio(kColor, "colorRadio", frameColorValid_, 1));
  frameColor_ = new CColorButton(prompts, values_.FrameColor);
  frameColor_->setObjectName("frameColorButton");
  colour->addWidget(frameColor_);
  colour->addStretch(1);
  layout->addLayout(colour);
  layout->addStretch(1);
  return page;
}

void CImageSizeDlg::ShowValues() {
  CheckId(method_, values_.Method);
  width_->setText(QText(values_.Width));
  height_->setText(QText(values_.Height));
  widthPercent_->setText(QText(values_.WidthPercent));
  heightPercent_->setText(QText(values_.HeightPercent));
  constrain_->setChecked(values_.Constrain != 0);
  option_->setCurrentIndex(std::max(0, option_->findData(values_.ImageOption)));
  CheckId(frame_, values_.FrameSetting);
  for (int i = 0; i < 4; ++i) frameWidths_[i]->setText(QText(values_.Frame[i]));
  CheckId(frameColorValid_, values_.FrameColorValid);
  frameColor_->SetColor(values_.FrameColor);
  EnableControls();
}

void CImageSizeDlg::EnableControls() {
  const bool ratio = method_->checkedId() == kSizeRelative;
  for (QWidget* w : {static_cast<QWidget*>(width_), static_cast<QWidget*>(height_), static_cast<QWidget*>(unit_)})
    w->setEnabled(!ratio);
  widthPercent_->setEnabled(ratio);
  heightPercent_->setEnabled(ratio);
  // A relative box always fits the picture.
  option_->setEnabled(!ratio);
  const bool custom = frame_->checkedId() == kFrameCustom;
  for (QLineEdit* edit : frameWidths_) edit->setEnabled(custom);
  frameUnit_->setEnabled(custom);
  const bool framed = frame_->checkedId() != kFrameNone;
  for (QAbstractButton* b : frameColorValid_->buttons()) b->setEnabled(framed);
  frameColor_->setEnabled(framed && frameColorValid_->checkedId() == 1);
}

void CImageSizeDlg::ReadControls() {
  if (method_->checkedId() > 0) values_.Method = int16_t(method_->checkedId());
  values_.Width = StdText(width_->text());
  values_.Height = StdText(height_->text());
  values_.WidthPercent = StdText(widthPercent_->text());
  values_.HeightPercent = StdText(heightPercent_->text());
  values_.Constrain = constrain_->isChecked() ? 1 : 0;
  values_.ImageOption = int16_t(option_->currentData().toInt());
  if (frame_->checkedId() >= 0) values_.FrameSetting = int16_t(frame_->checkedId());
  for (int i = 0; i < 4; ++i) values_.Frame[i] = StdText(frameWidths_[i]->text());
  if (frameColorValid_->checkedId() >= 0) values_.FrameColorValid = frameColorValid_->checkedId();
  values_.FrameColor = frameColor_->Color();
}

void CImageSizeDlg::Typed(int field) {
  ReadControls();
  if (!values_.Constrain) return;
  KeepSizeProportions(values_, field);
  // Only the paired edit changes; the one being typed in keeps its cursor.
  if (field == kSizeWidthField) height_->setText(QText(values_.Height));
  if (field == kSizeHeightField) width_->setText(QText(values_.Width));
  if (field == kSizeWidthPercentField) heightPercent_->setText(QText(values_.HeightPercent));
  if (field == kSizeHeightPercentField) widthPercent_->setText(QText(values_.WidthPercent));
}

QLineEdit* CImageSizeDlg::EditOf(int field) const {
  switch (field) {
    case kSizeWidthField: return width_;
    case kSizeHeightField: return height_;
    case kSizeWidthPercentField: return widthPercent_;
    case kSizeHeightPercentField: return heightPercent_;
    default: return field >= kFrameLeftField && field <= kFrameBottomField ? frameWidths_[field - kFrameLeftField] : nullptr;
  }
}

void CImageSizeDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  ShowValues();
  if (QLineEdit* edit = EditOf(bad)) {
    tabs_->setCurrentIndex(bad >= kFrameLeftField ? 1 : 0);
    SelectEdit(edit);
  }
}

}  // namespace tl
