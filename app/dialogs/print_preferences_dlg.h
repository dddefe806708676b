// CPrintPreferencesDlg: the "Print Preferences" dialog. The printer with
// its user presets above two tabs: the paper (source, size, roll length,
// orientation, printable area) and the media (type, ink, mode, high speed)
// with a summary. Every control is forwarded to print/print_preferences and
// the dialog shows what the printer then holds; OK gives the values to the
// layout and its print settings, and stays open when they are refused.
#pragma once

#include <QDialog>

#include "print/print_preferences.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace tl {

class CPrintPreferencesDlg : public QDialog {
  Q_OBJECT

 public:
  // `prefs` as OpenPrintPreferences made it for the layout.
  CPrintPreferencesDlg(PrintPreferences prefs, LayoutDocument& document, PrinterSettings& settings,
                       QWidget* parent = nullptr);

  const PrintPreferences& Preferences() const { return prefs_; }

  QComboBox* PrinterCombo() const { return printer_; }
  QComboBox* PresetCombo() const { return preset_; }
  QPushButton* SavePresetButton() const { return savePreset_; }
  QTabWidget* Tabs() const { return tabs_; }
  QComboBox* PaperSourceCombo() const { return source_; }
  QComboBox* PaperSizeCombo() const { return size_; }
  QLineEdit* PaperLengthEdit() const { return length_; }
  QComboBox* PaperLengthUnit() const { return unit_; }
  QToolButton* PortraitButton() const { return portrait_; }
  QToolButton* LandscapeButton() const { return landscape_; }
  QRadioButton* StandardButton() const { return standard_; }
  QRadioButton* MaximumButton() const { return maximum_; }
  QCheckBox* CenterdCheck() const { return centerd_; }
  QComboBox* MediaTypeCombo() const { return media_; }
  QButtonGroup* InkButtons() const { return ink_; }
  QButtonGroup* ModeButtons() const { return mode_; }
  QCheckBox* HighSpeedCheck() const { return highSpeed_; }
  QLabel* Summary() const { return summary_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  QWidget* PaperTab();
  QWidget* MediaTab();
  // A control's change, then every control shown again.
  void Forward(bool changed);
  void Fill();
  void Ok();

  PrintPreferences prefs_;
  LayoutDocument& document_;
  PrinterSettings& settings_;
  QComboBox* printer_;
  QComboBox* preset_;
  QPushButton* savePreset_;
  QTabWidget* tabs_;
  QComboBox* source_ = nullptr;
  QComboBox* size_ = nullptr;
  QLineEdit* length_ = nullptr;
  QComboBox* unit_ = nullptr;
  QToolButton* portrait_ = nullptr;
  QToolButton* landscape_ = nullptr;
  QRadioButton* standard_ = nullptr;
  QRadioButton* maximum_ = nullptr;
  QButtonGroup* area_ = nullptr;
  QCheckBox* centerd_ = nullptr;
  QComboBox* media_ = nullptr;
  QButtonGroup* ink_ = nullptr;
  QButtonGroup* mode_ = nullptr;
  QCheckBox* highSpeed_ = nullptr;
  QCheckBox* optimize_ = nullptr;
  QLabel* summary_ = nullptr;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
