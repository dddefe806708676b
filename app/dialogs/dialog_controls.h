// The controls the layout and object dialogs share: texts from the string
// table, the "mm"/"inch" unit box, font size and line height boxes, a
// colour button that opens the system colour dialog, the "?" help button,
// and selecting the edit a refusal points at.
#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QString>
#include <span>
#include <string>
#include <vector>

#include "document/geometry.h"

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QTextEdit;
class QToolButton;

namespace tl {

class AppPrompts;

// String `id` of the table.
QString DialogText(int id);
QString QText(const std::string& text);
std::string StdText(const QString& text);

// "mm" and "inch"; the current entry shows `unit`.
QComboBox* NewUnitCombo(int unit, const char* objectName);
int UnitOfCombo(const QComboBox* combo);

// Font sizes in points (data: the size in layout units), with "Automatic"
// first when `automaticEntry` is set (data 0).
void FillSizeCombo(QComboBox* combo, std::span<const int> points, int16_t current, bool automaticEntry,
                   bool automatic);
int16_t SizeOfCombo(const QComboBox* combo);  // 0 for "Automatic"
// Line height percentages (data: the percentage).
void FillLineHeightCombo(QComboBox* combo, int percent);

// The installed font families, with `current` among them.
void FillFontCombo(QComboBox* combo, const std::string& current);

// An edit with its text; a refused edit gets the focus with its text selected.
QLineEdit* NewEdit(const std::string& text, const char* objectName, int minimumWidth = 70);
void SelectEdit(QLineEdit* edit);

// A check box group of exclusive buttons whose ids are the record's codes.
int CheckedId(const QButtonGroup* group);
void CheckId(QButtonGroup* group, int id);

// A text button that stays pressed ("B", "I", "U", "L", "C", "R").
QToolButton* NewToggleButton(int text, const QString& objectName);

// The ids of the "L", "C", "R" buttons: 0, 1, 2 (a button group cannot use
// -1, the Justify value of "right").
int JustifyButtonId(int16_t justify);
int16_t JustifyOfButton(int id);

// "?": opens the help page of string `helpString`.
QPushButton* NewHelpButton(int helpString);

// A button that shows a colour and, when clicked, offers the system
// colour dialog starting from it.
class CColorButton : public QPushButton {
  Q_OBJECT

 public:
  CColorButton(AppPrompts& prompts, ColorRef color, QWidget* parent = nullptr);
  ColorRef Color() const { return color_; }
  void SetColor(ColorRef color);

 signals:
  void ColorChosen(ColorRef color);

 private:
  void Choose();

  AppPrompts& prompts_;
  ColorRef color_;
};

}  // namespace tl
