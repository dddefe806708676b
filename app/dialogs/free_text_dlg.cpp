// The Free Text dialog's widgets.
#include "app/dialogs/free_text_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "document/text_choices.h"
#include "render/qt_colors.h"

namespace tl {
namespace {

constexpr int kTitle = 41140;
constexpr int kFont = 41117, kSize = 41118, kColor = 41124;
constexpr int kLineHeight = 41141, kColumnar = 41142, kAngle = 41143, kBackground = 41144;
constexpr int kOff = 41145, kInUse = 41146, kStyle = 41147;
constexpr int kBold = 41148, kItalic = 41149, kUnderline = 41150;
constexpr int kLeft = 41151, kCenter = 41152, kRight = 41153;
// The text box shows the chosen face at a size that stays readable in it.
constexpr int kEditorPointSize = 11;
constexpr Qt::Alignment kEditorAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

}  // namespace

CFreeTextDlg::CFreeTextDlg(AppPrompts& prompts, FreeTextValues values, Apply apply, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), apply_(std::move(apply)), text_(new QPlainTextEdit),
      font_(new QComboBox), size_(new QComboBox), lineHeight_(new QComboBox),
      color_(new CColorButton(prompts, values_.FontColor)), justify_(new QButtonGroup(this)),
      bold_(NewToggleButton(kBold, "boldButton")), italic_(NewToggleButton(kItalic, "italicButton")),
      underline_(NewToggleButton(kUnderline, "underlineButton")), columnar_(new QCheckBox(DialogText(kColumnar))),
      angle_(NewEdit(values_.Angle, "angleEdit", 60)), background_(new QButtonGroup(this)),
      backgroundColor_(new CColorButton(prompts, values_.BackgroundColor)) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("freeTextDialog");
  text_->setObjectName("textEdit");
  text_->setPlainText(QText(EditorText(values_.Text)));
  font_->setObjectName("fontCombo");
  FillFontCombo(font_, values_.FontName);
  size_->setObjectName("sizeCombo");
  FillSizeCombo(size_, FreeTextPointSizes(), values_.FontSize, false, false);
  lineHeight_->setObjectName("lineHeightCombo");
  FillLineHeightCombo(lineHeight_, values_.LineHeightPercent);
  color_->setObjectName("colorButton");
  columnar_->setObjectName("columnarCheck");
  backgroundColor_->setObjectName("backgroundColorButton");

  auto* styleRow = new QHBoxLayout;
  const int justifyTexts[] = {kLeft, kCenter, kRight};
  const char* justifyNames[] = {"justifyLeftButton", "justifyCenterButton", "justifyRightButton"};
  for (int i = 0; i < 3; ++i) {
    QToolButton* button = NewToggleButton(justifyTexts[i], justifyNames[i]);
    justify_->addButton(button, i);
    styleRow->addWidget(button);
  }
  styleRow->addSpacing(12);
  styleRow->addWidget(bold_);
  styleRow->addWidget(italic_);
  styleRow->addWidget(underline_);
  styleRow->addStretch(1);

  auto* backgroundRow = new QHBoxLayout;
  auto* off = new QRadioButton(DialogText(kOff));
  off->setObjectName("backgroundOffRadio");
  auto* inUse = new QRadioButton(DialogText(kInUse));
  inUse->setObjectName("backgroundInUseRadio");
  background_->addButton(off, 0);
  background_->addButton(inUse, 1);
  backgroundRow->addWidget(off);
  backgroundRow->addWidget(inUse);
  backgroundRow->addWidget(backgroundColor_);
  backgroundRow->addStretch(1);

  auto* form = new QFormLayout;
  form->addRow(DialogText(kFont), font_);
  form->addRow(DialogText(kSize), size_);
  form->addRow(DialogText(kLineHeight), lineHeight_);
  form->addRow(DialogText(kColor), color_);
  form->addRow(DialogText(kStyle), styleRow);
  form->addRow(DialogText(kAngle), angle_);
  form->addRow(QString(), columnar_);
  form->addRow(DialogText(kBackground), backgroundRow);

  auto* body = new QHBoxLayout;
  body->addWidget(text_, 1);
  body->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  connect(font_, &QComboBox::activated, this, [this] { values_.FontName = StdText(font_->currentText()); });
  connect(size_, &QComboBox::activated, this, [this] { ChooseFreeTextSize(values_, SizeOfCombo(size_)); });
  connect(lineHeight_, &QComboBox::activated, this,
          [this] { ChooseLineHeightPercent(values_, lineHeight_->currentData().toInt()); });
  const auto restyle = [this] {
    ReadControls();
    ShowEditorStyle();
  };
  connect(font_, &QComboBox::activated, this, restyle);
  connect(justify_, &QButtonGroup::idClicked, this, restyle);
  for (QToolButton* face : {bold_, italic_, underline_}) connect(face, &QToolButton::clicked, this, restyle);
  connect(color_, &CColorButton::ColorChosen, this, restyle);
  connect(background_, &QButtonGroup::idClicked, this, [this] {
    ReadControls();
    ShowValues();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &CFreeTextDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(640, 360);
  ShowValues();
  text_->setFocus();
}

void CFreeTextDlg::ShowValues() {
  CheckId(justify_, JustifyButtonId(values_.Justify));
  bold_->setChecked(values_.Face & kFaceBold);
  italic_->setChecked(values_.Face & kFaceItalic);
  underline_->setChecked(values_.Face & kFaceUnderline);
  columnar_->setChecked(values_.Columnar != 0);
  angle_->setText(QText(values_.Angle));
  CheckId(background_, values_.Background);
  backgroundColor_->SetColor(values_.BackgroundColor);
  backgroundColor_->setEnabled(values_.Background != 0);
  color_->SetColor(values_.FontColor);
  ShowEditorStyle();
}

// The text is edited in its font, face, colour and alignment, so the box
// reads as the text will print.
void CFreeTextDlg::ShowEditorStyle() {
  QFont font(QText(values_.FontName));
  font.setPointSize(kEditorPointSize);
  font.setBold(values_.Face & kFaceBold);
  font.setItalic(values_.Face & kFaceItalic);
  font.setUnderline(values_.Face & kFaceUnderline);
  text_->setFont(font);
  QPalette palette = text_->palette();
  palette.setColor(QPalette::Text, ToQColor(values_.FontColor));
  text_->setPalette(palette);
  QTextOption option = text_->document()->defaultTextOption();
  option.setAlignment(kEditorAlign[JustifyButtonId(values_.Justify)]);
  text_->document()->setDefaultTextOption(option);
}

void CFreeTextDlg::ReadControls() {
  values_.Text = RecordText(StdText(text_->toPlainText()));
  values_.FontColor = color_->Color();
  if (justify_->checkedId() >= 0) values_.Justify = JustifyOfButton(justify_->checkedId());
  values_.Face = int16_t((bold_->isChecked() ? kFaceBold : 0) | (italic_->isChecked() ? kFaceItalic : 0) |
                         (underline_->isChecked() ? kFaceUnderline : 0));
  values_.Columnar = columnar_->isChecked() ? 1 : 0;
  values_.Angle = StdText(angle_->text());
  if (background_->checkedId() >= 0) values_.Background = background_->checkedId();
  values_.BackgroundColor = backgroundColor_->Color();
}

void CFreeTextDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  if (bad == kFreeTextAngleField) SelectEdit(angle_);
  else text_->setFocus();
}

}  // namespace tl
