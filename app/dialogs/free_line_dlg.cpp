// The Free Line dialog's widgets.
#include "app/dialogs/free_line_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"

namespace tl {
namespace {

constexpr int kTitle = 41160;
constexpr int kLineStyle = 41161, kThickness = 41162, kLength = 41163, kAngle = 41164;
constexpr int kArrowMark = 41165, kArrowType = 41169, kArrowSize = 41170;
constexpr int kMarkNames[] = {41166, 41167, 41168};  // "Off", "One End", "Both Ends"
constexpr int kSizeNames[] = {41171, 41172, 41173};  // "Large", "Middle", "Small"
constexpr int16_t kSizeCodes[] = {kArrowLarge, kArrowMiddle, kArrowSmall};
constexpr int kSampleTitle = 41174, kSolid = 41175, kDash = 41176, kColor = 41124;
constexpr QSize kIconSize(56, 20);
constexpr QSize kArrowIconSize(56, 28);
constexpr QSize kSampleSize(300, 110);

// The picture of an image button: a short line drawn with `values`.
QIcon LineIcon(FreeLineValues values) {
  values.Length = "30";
  values.Unit = 1;  // mm
  values.Angle = "0";
  values.Thickness = "40";
  return QIcon(QPixmap::fromImage(FreeLineSample(values, kIconSize)));
}

// The picture of an arrow type button: a short, thick line whose head is
// big enough in the icon to tell filled from open and sharp from square.
QIcon ArrowIcon(FreeLineValues values) {
  values.Length = "100";
  values.Unit = 1;  // mm
  values.Angle = "0";
  values.Thickness = "100";
  values.ArrowSize = kArrowSmall;
  return QIcon(QPixmap::fromImage(FreeLineSample(values, kArrowIconSize)));
}

QToolButton* ImageButton(const QIcon& icon, QSize iconSize, const QString& tip, const char* name) {
  auto* button = new QToolButton;
  button->setObjectName(name);
  button->setCheckable(true);
  button->setIcon(icon);
  button->setIconSize(iconSize);
  button->setToolTip(tip);
  return button;
}

QRadioButton* Radio(int text, QButtonGroup* group, int id, const QString& name) {
  auto* radio = new QRadioButton(DialogText(text));
  radio->setObjectName(name);
  group->addButton(radio, id);
  return radio;
}

}  // namespace

CFreeLineDlg::CFreeLineDlg(AppPrompts& prompts, FreeLineValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)), style_(new QButtonGroup(this)),
      thickness_(NewEdit(values_.Thickness, "thicknessEdit")), length_(NewEdit(values_.Length, "lengthEdit")),
      unit_(NewUnitCombo(values_.Unit, "unitCombo")), angle_(NewEdit(values_.Angle, "angleEdit")),
      color_(new CColorButton(prompts, values_.Color)), arrowMark_(new QButtonGroup(this)),
      arrowType_(new QButtonGroup(this)), arrowSize_(new QButtonGroup(this)), sample_(new QLabel) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("freeLineDialog");
  color_->setObjectName("colorButton");
  sample_->setObjectName("sampleLabel");
  sample_->setFixedSize(kSampleSize);
  sample_->setFrameShape(QFrame::StyledPanel);

  FreeLineValues plain;
  auto* styleRow = new QHBoxLayout;
  for (int16_t s : {kLineSolid, kLineDash}) {
    plain.Style = s;
    QToolButton* b = ImageButton(LineIcon(plain), kIconSize, DialogText(s == kLineSolid ? kSolid : kDash),
                                 s == kLineSolid ? "solidButton" : "dashButton");
    style_->addButton(b, s);
    styleRow->addWidget(b);
  }
  styleRow->addStretch(1);
  auto* lengthRow = new QHBoxLayout;
  lengthRow->addWidget(length_, 1);
  lengthRow->addWidget(unit_);

  auto* markRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) markRow->addWidget(Radio(kMarkNames[i], arrowMark_, i, QStringLiteral("arrowMark%1Radio").arg(i)));
  markRow->addStretch(1);
  auto* typeRow = new QHBoxLayout;
  FreeLineValues arrow;
  arrow.ArrowMark = kArrowOneSide;
  for (int type = 0; type < kArrowTypeCount; ++type) {
    ChooseArrowType(arrow, type);
    QToolButton* b = ImageButton(ArrowIcon(arrow), kArrowIconSize, QString(), QStringLiteral("arrowType%1Button").arg(type).toUtf8().constData());
    arrowType_->addButton(b, type);
    typeRow->addWidget(b);
  }
  typeRow->addStretch(1);
  auto* sizeRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i)
    sizeRow->addWidget(Radio(kSizeNames[i], arrowSize_, kSizeCodes[i], QStringLiteral("arrowSize%1Radio").arg(kSizeCodes[i])));
  sizeRow->addStretch(1);

  auto* form = new QFormLayout;
  form->addRow(DialogText(kLineStyle), styleRow);
  form->addRow(DialogText(kThickness), thickness_);
  form->addRow(DialogText(kLength), lengthRow);
  form->addRow(DialogText(kAngle), angle_);
  form->addRow(DialogText(kColor), color_);
  form->addRow(DialogText(kArrowMark), markRow);
  form->addRow(DialogText(kArrowType), typeRow);
  form->addRow(DialogText(kArrowSize), sizeRow);
  auto* sampleBox = new QGroupBox(DialogText(kSampleTitle));
  (new QVBoxLayout(sampleBox))->addWidget(sample_, 0, Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(sampleBox);
  layout->addWidget(buttons);

  const auto changed = [this] {
    ReadControls();
    ShowSample();
  };
  for (QButtonGroup* group : {style_, arrowMark_, arrowType_, arrowSize_})
    connect(group, &QButtonGroup::idClicked, this, changed);
  for (QLineEdit* edit : {thickness_, length_, angle_}) connect(edit, &QLineEdit::textEdited, this, changed);
  connect(color_, &CColorButton::ColorChosen, this, changed);
  connect(unit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseFreeLineUnit(values_, UnitOfCombo(unit_));
    ShowValues();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CFreeLineDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
}

void CFreeLineDlg::ShowValues() {
  CheckId(style_, values_.Style);
  thickness_->setText(QText(values_.Thickness));
  length_->setText(QText(values_.Length));
  angle_->setText(QText(values_.Angle));
  color_->SetColor(values_.Color);
  CheckId(arrowMark_, values_.ArrowMark);
  CheckId(arrowType_, ArrowTypeOf(values_));
  CheckId(arrowSize_, values_.ArrowSize);
  ShowSample();
}

void CFreeLineDlg::ReadControls() {
  if (style_->checkedId() >= 0) values_.Style = int16_t(style_->checkedId());
  values_.Thickness = StdText(thickness_->text());
  values_.Length = StdText(length_->text());
  values_.Angle = StdText(angle_->text());
  values_.Color = color_->Color();
  if (arrowMark_->checkedId() >= 0) values_.ArrowMark = int16_t(arrowMark_->checkedId());
  if (arrowType_->checkedId() >= 0) ChooseArrowType(values_, arrowType_->checkedId());
  if (arrowSize_->checkedId() > 0) values_.ArrowSize = int16_t(arrowSize_->checkedId());
}

void CFreeLineDlg::ShowSample() {
  const QImage sample = FreeLineSample(values_, kSampleSize);
  if (sample.isNull()) sample_->clear();
  else sample_->setPixmap(QPixmap::fromImage(sample));
}

void CFreeLineDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  QLineEdit* edits[] = {thickness_, length_, angle_};
  if (bad >= 0 && bad < 3) SelectEdit(edits[bad]);
}

}  // namespace tl
