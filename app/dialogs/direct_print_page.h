// CDirectPrintPage: the "Direct-Print" page of the Preferences dialog --
// the printers to choose from, and the printer tray whose eight slots are
// the buttons of the direct print window, filled with "Add Printer" and
// emptied with "Delete Printer".
#pragma once

#include <QDialog>

#include "print/app_preferences.h"

class QListWidget;
class QPushButton;

namespace tl {

class CDirectPrintPage : public QDialog {
  Q_OBJECT

 public:
  CDirectPrintPage(AppPreferencesForm& form, const AppPreferencesTexts& texts, QWidget* parent = nullptr);

 private:
  void ShowTray();
  void UpdateButtons();

  AppPreferencesForm& form_;
  QListWidget* printers_;
  QListWidget* tray_;
  QPushButton* add_;
  QPushButton* delete_;
};

}  // namespace tl
