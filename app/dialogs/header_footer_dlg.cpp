// The Header/Footer dialog's widgets.
#include "app/dialogs/header_footer_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialogs/dialog_controls.h"
#include "document/text_choices.h"
#include "render/free_text_settings.h"

namespace tl {
namespace {

constexpr int kTitle = 41200;
constexpr int kBandTitles[] = {41201, 41202};  // "Header", "Footer"
constexpr int kText = 41203, kPrintInfo = 41204, kDatePage = 41205, kFixedDate = 41206, kAreaHeight = 41208;
constexpr int kFont = 41117, kSize = 41118, kColor = 41124, kLineHeight = 41141, kStyle = 41147;
constexpr int kBold = 41148, kItalic = 41149, kUnderline = 41150;
constexpr int kJustifyTexts[] = {41151, 41152, 41153};  // "L", "C", "R"
constexpr const char* kBandNames[] = {"header", "footer"};



QCheckBox* Check(int text, int band, const char* what) {
  auto* check = new QCheckBox(DialogText(text));
  check->setObjectName(QString::fromLatin1(kBandNames[band]) + what);
  return check;
}

}  // namespace

CHeaderFooterDlg::CHeaderFooterDlg(AppPrompts& prompts, HeaderFooterValues values, QDate today, Apply apply,
                                   QWidget* parent)
    : QDialog(parent), values_(std::move(values)), today_(today), apply_(std::move(apply)), font_(new QComboBox),
      size_(new QComboBox), lineHeight_(new QComboBox), color_(new CColorButton(prompts, values_.FontColor)),
      justify_(new QButtonGroup(this)), bold_(NewToggleButton(kBold, "boldButton")),
      italic_(NewToggleButton(kItalic, "italicButton")), underline_(NewToggleButton(kUnderline, "underlineButton")) {
  setWindowTitle(DialogText(kTitle));
  setObjectName("headerFooterDialog");
  font_->setObjectName("fontCombo");
  FillFontCombo(font_, values_.FontName);
  size_->setObjectName("sizeCombo");
  FillSizeCombo(size_, TextPointSizes(), values_.FontSize, false, false);
  lineHeight_->setObjectName("lineHeightCombo");
  FillLineHeightCombo(lineHeight_, values_.LineHeightPercent);
  color_->setObjectName("colorButton");

  auto* styleRow = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    QToolButton* b = NewToggleButton(kJustifyTexts[i], QStringLiteral("justify%1Button").arg(i));
    justify_->addButton(b, i);
    styleRow->addWidget(b);
  }
  styleRow->addSpacing(12);
  for (QToolButton* b : {bold_, italic_, underline_}) styleRow->addWidget(b);
  styleRow->addStretch(1);
  auto* style = new QFormLayout;
  style->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  style->addRow(DialogText(kFont), font_);
  style->addRow(DialogText(kSize), size_);
  style->addRow(DialogText(kLineHeight), lineHeight_);
  style->addRow(DialogText(kColor), color_);
  style->addRow(DialogText(kStyle), styleRow);

  auto* bandsRow = new QHBoxLayout;
  for (int band = 0; band < kBandCount; ++band) bandsRow->addWidget(BandBox(band), 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bandsRow, 1);
  layout->addLayout(style);
  layout->addWidget(buttons);

  connect(font_, &QComboBox::activated, this, [this] { values_.FontName = StdText(font_->currentText()); });
  connect(size_, &QComboBox::activated, this, [this] { ChooseHeaderFooterSize(values_, SizeOfCombo(size_)); });
  connect(lineHeight_, &QComboBox::activated, this,
          [this] { ChooseHeaderFooterLineHeight(values_, lineHeight_->currentData().toInt()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &CHeaderFooterDlg::Ok);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(720, 460);
  ShowValues();
}

QGroupBox* CHeaderFooterDlg::BandBox(int band) {
  BandControls& c = bands_[band];
  const QString name = QString::fromLatin1(kBandNames[band]);
  c.text = new QPlainTextEdit;
  c.text->setObjectName(name + "TextEdit");
  c.height = NewEdit(values_.Bands[band].AreaHeight, (kBandNames[band] + std::string("HeightEdit")).c_str());
  c.unit = NewUnitCombo(values_.Bands[band].Unit, (kBandNames[band] + std::string("UnitCombo")).c_str());
  c.dispText = Check(kText, band, "TextCheck");
  c.printInfo = Check(kPrintInfo, band, "PrintInfoCheck");
  c.datePage = Check(kDatePage, band, "DatePageCheck");
  c.fixedDate = Check(kFixedDate, band, "FixedDateCheck");
  c.date = new QLabel;
  c.date->setObjectName(name + "DateLabel");

  auto* box = new QGroupBox(DialogText(kBandTitles[band]));
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(c.text, 1);
  auto* heightRow = new QHBoxLayout;
  heightRow->addWidget(new QLabel(DialogText(kAreaHeight)));
  heightRow->addWidget(c.height, 1);
  heightRow->addWidget(c.unit);
  layout->addLayout(heightRow);
  for (QCheckBox* check : {c.dispText, c.printInfo, c.datePage}) layout->addWidget(check);
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(c.fixedDate);
  dateRow->addWidget(c.date, 1);
  layout->addLayout(dateRow);

  connect(c.unit, &QComboBox::activated, this, [this, band] {
    ReadControls();
    ChooseBandUnit(values_, band, UnitOfCombo(bands_[band].unit));
    ShowValues();
  });
  connect(c.fixedDate, &QCheckBox::toggled, this, [this, band](bool fixed) {
    ReadControls();
    SetUseFixedDate(values_, band, fixed, today_);
    ShowValues();
  });
  return box;
}

void CHeaderFooterDlg::ShowValues() {
  for (int band = 0; band < kBandCount; ++band) {
    const BandValues& v = values_.Bands[band];
    BandControls& c = bands_[band];
    const QSignalBlocker quiet(c.fixedDate);
    if (c.text->toPlainText() != QText(EditorText(v.Text))) c.text->setPlainText(QText(EditorText(v.Text)));
    c.height->setText(QText(v.AreaHeight));
    c.dispText->setChecked(v.DispText);
    c.printInfo->setChecked(v.DispPrintInfo);
    c.datePage->setChecked(v.DispDatePage);
    c.fixedDate->setChecked(v.UseFixedDate);
    c.date->setText(QText(FixedDateText(v)));
  }
  CheckId(justify_, JustifyButtonId(values_.Justify));
  bold_->setChecked(values_.Face & kFaceBold);
  italic_->setChecked(values_.Face & kFaceItalic);
  underline_->setChecked(values_.Face & kFaceUnderline);
  color_->SetColor(values_.FontColor);
}

void CHeaderFooterDlg::ReadControls() {
  for (int band = 0; band < kBandCount; ++band) {
    BandValues& v = values_.Bands[band];
    const BandControls& c = bands_[band];
    v.Text = RecordText(StdText(c.text->toPlainText()));
    v.AreaHeight = StdText(c.height->text());
    v.DispText = c.dispText->isChecked() ? 1 : 0;
    v.DispPrintInfo = c.printInfo->isChecked() ? 1 : 0;
    v.DispDatePage = c.datePage->isChecked() ? 1 : 0;
  }
  if (justify_->checkedId() >= 0) values_.Justify = JustifyOfButton(justify_->checkedId());
  values_.Face = int16_t((bold_->isChecked() ? kFaceBold : 0) | (italic_->isChecked() ? kFaceItalic : 0) |
                         (underline_->isChecked() ? kFaceUnderline : 0));
  values_.FontColor = color_->Color();
}

void CHeaderFooterDlg::Ok() {
  ReadControls();
  int bad = -1;
  if (apply_(values_, bad)) {
    accept();
    return;
  }
  ShowValues();
  if (bad >= 0 && bad < kBandCount) SelectEdit(bands_[bad].height);
}

}  // namespace tl
