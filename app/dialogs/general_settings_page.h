// CGeneralSettingsPage: the "General Settings" page of the Preferences
// dialog -- the unit of lengths, the grid pitch, the arrow-key step, what
// the program starts with, and quick print with its confirmation. Every
// change goes straight into the dialog's form.
#pragma once

#include <QDialog>

#include "print/app_preferences.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

namespace tl {

class CNumberEdit;
struct LayoutDocument;

class CGeneralSettingsPage : public QDialog {
  Q_OBJECT

 public:
  CGeneralSettingsPage(AppPreferencesForm& form, const AppPreferencesTexts& texts, const PreferenceRecord& prefs,
                       const LayoutDocument& document, QWidget* parent = nullptr);

 private:
  QComboBox* UnitCombo(const AppPreferencesTexts& texts, int16_t unit, const char* name);
  void ShowForm();

  AppPreferencesForm& form_;
  const PreferenceRecord& prefs_;
  const LayoutDocument& document_;
  QComboBox* unit_;
  CNumberEdit* grid_;
  QComboBox* gridUnit_;
  CNumberEdit* nudge_;
  QComboBox* nudgeUnit_;
  QButtonGroup* starts_;
  QRadioButton* quickPrintOn_;
  QRadioButton* quickPrintOff_;
  QCheckBox* confirm_;
};

}  // namespace tl
