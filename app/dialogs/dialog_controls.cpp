// The shared dialog controls.
#include "app/dialogs/dialog_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "app/shell/app_prompts.h"
#include "app/shell/help_pages.h"
#include "document/text_choices.h"
#include "document/text_style.h"
#include "layout/typed_length.h"
#include "render/qt_colors.h"
#include "render/text_format.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kUnitNames[] = {10101, 10102};  // "mm", "inch"
constexpr int kAutomaticString = 41119;
constexpr int kPercentString = 41154;  // "%d%%"
constexpr int kHelpString = 41001;     // "?"
constexpr int kApplicationFont = 10606;
constexpr QSize kSwatch(28, 14);

}  // namespace

QString DialogText(int id) { return QString::fromUtf8(StringText(id).data(), qsizetype(StringText(id).size())); }
QString QText(const std::string& text) { return QString::fromStdString(text); }
std::string StdText(const QString& text) { return text.toStdString(); }

QComboBox* NewUnitCombo(int unit, const char* objectName) {
  auto* combo = new QComboBox;
  combo->setObjectName(objectName);
  for (int id : kUnitNames) combo->addItem(DialogText(id));
  combo->setCurrentIndex(EntryOfLengthUnit(unit));
  return combo;
}

int UnitOfCombo(const QComboBox* combo) { return LengthUnitOfEntry(combo->currentIndex()); }

void FillSizeCombo(QComboBox* combo, std::span<const int> points, int16_t current, bool automaticEntry,
                   bool automatic) {
  combo->clear();
  if (automaticEntry) combo->addItem(DialogText(kAutomaticString), 0);
  for (int16_t size : FontSizeChoices(points, current)) combo->addItem(QText(PointText(size)), size);
  const int at = automatic && automaticEntry ? 0 : combo->findData(current);
  combo->setCurrentIndex(at >= 0 ? at : (automaticEntry ? 1 : 0));
}

int16_t SizeOfCombo(const QComboBox* combo) { return int16_t(combo->currentData().toInt()); }

void FillLineHeightCombo(QComboBox* combo, int percent) {
  combo->clear();
  for (int p : LineHeightPercents())
    combo->addItem(QText(FillPlaceholders(StringText(kPercentString), {std::to_string(p)})), p);
  combo->setCurrentIndex(std::max(0, combo->findData(percent)));
}

void FillFontCombo(QComboBox* combo, const std::string& current) {
  combo->clear();
  // Without a name the text is drawn in the application font; a name the
  // system lacks is shown as it is. Either is kept until the user picks one.
  const QString shown = current.empty() ? DialogText(kApplicationFont) : QText(current);
  QStringList families = QFontDatabase::families();
  if (!families.contains(shown)) families.prepend(shown);
  combo->addItems(families);
  combo->setCurrentIndex(std::max(0, combo->findText(shown)));
}

QLineEdit* NewEdit(const std::string& text, const char* objectName, int minimumWidth) {
  auto* edit = new QLineEdit(QText(text));
  edit->setObjectName(objectName);
  edit->setMinimumWidth(minimumWidth);
  return edit;
}

void SelectEdit(QLineEdit* edit) {
  if (!edit) return;
  edit->setFocus();
  edit->selectAll();
}

int CheckedId(const QButtonGroup* group) { return group->checkedId(); }

void CheckId(QButtonGroup* group, int id) {
  if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

QToolButton* NewToggleButton(int text, const QString& objectName) {
  auto* button = new QToolButton;
  button->setText(DialogText(text));
  button->setObjectName(objectName);
  button->setCheckable(true);
  button->setMinimumWidth(28);
  return button;
}

int JustifyButtonId(int16_t justify) { return justify == kJustifyRight ? 2 : justify == kJustifyCenter ? 1 : 0; }
int16_t JustifyOfButton(int id) { return id == 2 ? kJustifyRight : id == 1 ? kJustifyCenter : kJustifyLeft; }

QPushButton* NewHelpButton(int helpString) {
  auto* button = new QPushButton(DialogText(kHelpString));
  button->setObjectName("helpButton");
  button->setAutoDefault(false);
  button->setFixedWidth(button->sizeHint().height() + 8);
  QObject::connect(button, &QPushButton::clicked, [helpString] { OpenHelpPage(helpString); });
  return button;
}

CColorButton::CColorButton(AppPrompts& prompts, ColorRef color, QWidget* parent)
    : QPushButton(parent), prompts_(prompts), color_(color) {
  setAutoDefault(false);
  setIconSize(kSwatch);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  SetColor(color);
  connect(this, &QPushButton::clicked, this, &CColorButton::Choose);
}

void CColorButton::SetColor(ColorRef color) {
  color_ = color;
  QPixmap swatch(kSwatch);
  swatch.fill(ToQColor(color));
  QPainter painter(&swatch);
  painter.setPen(Qt::darkGray);
  painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
  painter.end();
  setIcon(swatch);
}

void CColorButton::Choose() {
  ColorRef chosen = color_;
  if (!prompts_.ChooseColor(window(), chosen)) return;
  SetColor(chosen);
  emit ColorChosen(chosen);
}

}  // namespace tl
