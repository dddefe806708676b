// The Image Stamp dialog's widgets.
#include "app/dialogs/image_stamp_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "app/shell/app_prompts.h"
#include "imaging/import_extensions.h"

namespace tl {
namespace {

constexpr int kTitle = 41180;
constexpr int kOff = 41181, kInUse = 41182, kFile = 41183, kChoose = 41184, kSettings = 41185;
constexpr int kAutomatic = 41186, kManual = 41187, kPosition = 41188, kSize = 41189, kConstrain = 41190;
constexpr int kX = 41081, kY = 41082, kWidth = 41055, kHeight = 41056;
constexpr QSize kPreviewSize(160, 120);

QRadioButton* Radio(int text, QButtonGroup* group, int id, const char* name) {
  auto* radio = new QRadioButton(DialogText(text));
  radio->setObjectName(name);
  group->addButton(radio, id);
  return radio;
}

}  // namespace

CImageStampDlg::CImageStampDlg(AppPrompts& prompts, ImageStampValues values, Preview preview, Apply apply,
                               QWidget* parent)
    : QDialog(parent), prompts_(prompts), values_(std::move(values)), picture_(std::move(preview)),
      apply_(std::move(apply)), inUse_(new QButtonGroup(this)), file_(NewEdit(values_.FileName, "fileEdit", 240)),
      choose_(new QPushButton(DialogText(kChoose))), settings_(new QButtonGroup(this)),
      x_(NewEdit(values_.X, "xEdit")), y_(NewEdit(values_.Y, "yEdit")),
      positionUnit_(NewUnitCombo(values_.PositionUnit, "positionUnitCombo")),
      width_(NewEdit(values_.Width, "widthEdit")), height_(NewEdit(values_.Height, "heightEdit")),
      sizeUnit_(NewUnitCombo(values_.SizeUnit, "sizeUnitCombo")), constrain_(new QCheckBox(DialogText(kConstrain))),
      preview_(new QLabel) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("imageStampDialog");
  file_->setReadOnly(true);
  choose_->setObjectName("chooseButton");
  choose_->setAutoDefault(false);
  constrain_->setObjectName("constrainCheck");
  preview_->setObjectName("previewLabel");
  preview_->setFixedSize(kPreviewSize);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);

  auto* onOff = new QHBoxLayout;
  onOff->addWidget(Radio(kOff, inUse_, 0, "offRadio"));
  onOff->addWidget(Radio(kInUse, inUse_, 1, "inUseRadio"));
  onOff->addStretch(1);

  auto* grid = new QGridLayout;
  int row = 0;
  grid->addWidget(new QLabel(DialogText(kFile)), row, 0);
  grid->addWidget(file_, row, 1, 1, 4);
  grid->addWidget(choose_, row++, 5);
  grid->addWidget(new QLabel(DialogText(kSettings)), row, 0);
  grid->addWidget(Radio(kAutomatic, settings_, kStampSettingAutomatic, "automaticRadio"), row, 1, 1, 2);
  grid->addWidget(Radio(kManual, settings_, kStampSettingManual, "manualRadio"), row++, 3, 1, 2);
  grid->addWidget(new QLabel(DialogText(kPosition)), row, 0);
  grid->addWidget(new QLabel(DialogText(kX)), row, 1);
  grid->addWidget(x_, row, 2);
  grid->addWidget(new QLabel(DialogText(kY)), row, 3);
  grid->addWidget(y_, row, 4);
  grid->addWidget(positionUnit_, row++, 5);
  grid->addWidget(new QLabel(DialogText(kSize)), row, 0);
  grid->addWidget(new QLabel(DialogText(kWidth)), row, 1);
  grid->addWidget(width_, row, 2);
  grid->addWidget(new QLabel(DialogText(kHeight)), row, 3);
  grid->addWidget(height_, row, 4);
  grid->addWidget(sizeUnit_, row++, 5);
  grid->addWidget(constrain_, row++, 1, 1, 5);

  auto* body = new QHBoxLayout;
  body->addLayout(grid, 1);
  body->addWidget(preview_, 0, Qt::AlignTop);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(onOff);
  layout->addLayout(body);
  layout->addWidget(buttons);

  connect(inUse_, &QButtonGroup::idClicked, this, [this] { ReadControls(), EnableControls(); });
  connect(settings_, &QButtonGroup::idClicked, this, [this] { ReadControls(), EnableControls(); });
  connect(choose_, &QPushButton::clicked, this, &CImageStampDlg::Choose);
  connect(positionUnit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseStampPositionUnit(values_, UnitOfCombo(positionUnit_));
    ShowValues();
  });
  connect(sizeUnit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseStampSizeUnit(values_, UnitOfCombo(sizeUnit_));
    ShowValues();
  });
  connect(width_, &QLineEdit::textEdited, this, [this] {
    ReadControls();
    KeepStampProportions(values_, kStampWidthField);
    height_->setText(QText(values_.Height));
  });
  connect(height_, &QLineEdit::textEdited, this, [this] {
    ReadControls();
    KeepStampProportions(values_, kStampHeightField);
    width_->setText(QText(values_.Width));
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CImageStampDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
  ShowPreview();
}

void CImageStampDlg::ShowValues() {
  CheckId(inUse_, values_.InUse);
  file_->setText(QText(values_.FileName));
  CheckId(settings_, values_.Settings);
  x_->setText(QText(values_.X));
  y_->setText(QText(values_.Y));
  width_->setText(QText(values_.Width));
  height_->setText(QText(values_.Height));
  constrain_->setChecked(values_.Constrain != 0);
  EnableControls();
}

void CImageStampDlg::EnableControls() {
  const bool inUse = values_.InUse != 0;
  const bool manual = inUse && values_.Settings == kStampSettingManual;
  for (QWidget* w : std::initializer_list<QWidget*>{file_, choose_, preview_})
    w->setEnabled(inUse);
  for (QAbstractButton* b : settings_->buttons()) b->setEnabled(inUse);
  for (QWidget* w : std::initializer_list<QWidget*>{x_, y_, positionUnit_, width_, height_, sizeUnit_, constrain_})
    w->setEnabled(manual);
}

void CImageStampDlg::ReadControls() {
  if (inUse_->checkedId() >= 0) values_.InUse = inUse_->checkedId();
  if (settings_->checkedId() >= 0) values_.Settings = settings_->checkedId();
  values_.X = StdText(x_->text());
  values_.Y = StdText(y_->text());
  values_.Width = StdText(width_->text());
  values_.Height = StdText(height_->text());
  values_.Constrain = constrain_->isChecked() ? 1 : 0;
}

void CImageStampDlg::ShowPreview() {
  const QImage picture = picture_ ? picture_(values_.FileName, kPreviewSize) : QImage();
  if (picture.isNull()) preview_->clear();
  else preview_->setPixmap(QPixmap::fromImage(picture));
}

void CImageStampDlg::Choose() {
  const std::string chosen = prompts_.StampPicture(this, values_.FileName, QuickTimeAvailable());
  if (chosen.empty()) return;
  ReadControls();
  values_.FileName = chosen;
  ShowValues();
  ShowPreview();
}

void CImageStampDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  QLineEdit* edits[] = {x_, y_, width_, height_};
  if (bad >= 0 && bad < 4) SelectEdit(edits[bad]);
}

}  // namespace tl
