// The Image Alignment dialog's widgets.
#include "app/dialogs/image_alignment_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"

namespace tl {
namespace {

constexpr int kTitle = 41020;
constexpr int kHorizontalTitle = 41021;
constexpr int kVerticalTitle = 41022;
constexpr int kLineTitle = 41023;
constexpr int kSpacing = 41024;
constexpr int kLeft = 10110, kRight = 10111, kCenter = 10112, kJustify = 10113;
constexpr int kTop = 10115, kBottom = 10116, kMiddle = 10117;

struct Choice {
  int Text;
  int Code;
  const char* Name;
};

// A group box of radio buttons (ids: the codes), and optionally an edit.
QGroupBox* ChoiceBox(int title, std::initializer_list<Choice> choices, QButtonGroup* group, QLineEdit* spacing) {
  auto* box = new QGroupBox(DialogText(title));
  auto* row = new QHBoxLayout;
  for (const Choice& c : choices) {
    auto* radio = new QRadioButton(DialogText(c.Text));
    radio->setObjectName(c.Name);
    group->addButton(radio, c.Code);
    row->addWidget(radio);
  }
  row->addStretch(1);
  auto* layout = new QVBoxLayout(box);
  layout->addLayout(row);
  if (spacing) {
    auto* form = new QFormLayout;
    form->addRow(DialogText(kSpacing), spacing);
    layout->addLayout(form);
  }
  return box;
}

}  // namespace

CImageAlignmentDlg::CImageAlignmentDlg(ImageAlignmentValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)), horizontal_(new QButtonGroup(this)),
      vertical_(new QButtonGroup(this)), line_(new QButtonGroup(this)),
      horizontalSpacing_(NewEdit(values_.HorizontalSpacing, "horizontalSpacingEdit")),
      verticalSpacing_(NewEdit(values_.VerticalSpacing, "verticalSpacingEdit")),
      unit_(NewUnitCombo(values_.Unit, "unitCombo")) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("imageAlignmentDialog");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ChoiceBox(kHorizontalTitle,
                              {{kLeft, kAlignLeft, "leftRadio"},
                               {kCenter, kAlignCenter, "centerRadio"},
                               {kRight, kAlignRight, "rightRadio"},
                               {kJustify, kAlignJustify, "justifyRadio"}},
                              horizontal_, horizontalSpacing_));
  layout->addWidget(ChoiceBox(kVerticalTitle,
                              {{kTop, kAlignTop, "topRadio"},
                               {kMiddle, kAlignMiddle, "middleRadio"},
                               {kBottom, kAlignBottom, "bottomRadio"}},
                              vertical_, verticalSpacing_));
  layout->addWidget(ChoiceBox(kLineTitle,
                              {{kTop, kAlignTop, "lineTopRadio"},
                               {kMiddle, kAlignMiddle, "lineMiddleRadio"},
                               {kBottom, kAlignBottom, "lineBottomRadio"}},
                              line_, nullptr));
  auto* unitRow = new QHBoxLayout;
  unitRow->addStretch(1);
  unitRow->addWidget(unit_);
  layout->addLayout(unitRow);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);

  connect(unit_, &QComboBox::activated, this, [this] {
    ReadControls();
    ChooseAlignmentUnit(values_, UnitOfCombo(unit_));
    ShowValues();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CImageAlignmentDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  ShowValues();
}

void CImageAlignmentDlg::ShowValues() {
  CheckId(horizontal_, values_.Horizontal);
  CheckId(vertical_, values_.Vertical);
  CheckId(line_, values_.Line);
  horizontalSpacing_->setText(QText(values_.HorizontalSpacing));
  verticalSpacing_->setText(QText(values_.VerticalSpacing));
}

void CImageAlignmentDlg::ReadControls() {
  if (horizontal_->checkedId() > 0) values_.Horizontal = horizontal_->checkedId();
  if (vertical_->checkedId() > 0) values_.Vertical = int16_t(vertical_->checkedId());
  if (line_->checkedId() > 0) values_.Line = line_->checkedId();
  values_.HorizontalSpacing = StdText(horizontalSpacing_->text());
  values_.VerticalSpacing = StdText(verticalSpacing_->text());
}

void CImageAlignmentDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  ShowValues();
  SelectEdit(bad == kVerticalSpacing ? verticalSpacing_ : horizontalSpacing_);
}

}  // namespace tl
