// CAppPreferencesDlg: the "Preferences" dialog, two tabs over one form:
// "General Settings" and "Direct-Print". OK keeps the form for the caller
// to store; Cancel drops it.
#pragma once

#include <QDialog>

#include "print/app_preferences.h"

class QTabWidget;

namespace tl {

struct LayoutDocument;

class CAppPreferencesDlg : public QDialog {
  Q_OBJECT

 public:
  CAppPreferencesDlg(AppPreferencesForm& form, const PreferenceRecord& prefs, const LayoutDocument& document,
                     QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }

 private:
  QTabWidget* tabs_;
};

}  // namespace tl
