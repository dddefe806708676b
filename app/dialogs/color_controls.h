// Controls the colour dialogs share: a profile list with its intent list,
// the "Print Simulation :" box (Off, RGB, CMYK with a profile and intent
// group each), and the read-only texts of the output profiles in force.
#pragma once

#include <QGroupBox>

#include "color/color_dialog_texts.h"
#include "color/input_color_management.h"

class QButtonGroup;
class QComboBox;
class QLabel;

namespace tl {

struct LayoutDocument;

// Fills `combo` with the list's descriptions (file names as tool tips).
void FillProfileCombo(QComboBox* combo, const ProfileList& list);
// Fills `combo` with the five intents.
void FillIntentCombo(QComboBox* combo, const ColorDialogTexts& texts);

// A profile combo and an intent combo side by side.
class ProfileIntentRow : public QWidget {
  Q_OBJECT

 public:
  ProfileIntentRow(const ProfileList& list, const ColorDialogTexts& texts, QWidget* parent = nullptr);
  void Show(const ProfileIntentChoice& choice);
  ProfileIntentChoice Choice() const;
  QComboBox* ProfileCombo() const { return profile_; }
  QComboBox* IntentCombo() const { return intent_; }

 private:
  QComboBox* profile_;
  QComboBox* intent_;
};

class SimulationBox : public QGroupBox {
  Q_OBJECT

 public:
  SimulationBox(const ProfileLists& lists, const ColorDialogTexts& texts, QWidget* parent = nullptr);
  void Show(const SimulationChoice& choice);
  SimulationChoice Choice() const;
  QButtonGroup* Methods() const { return methods_; }
  ProfileIntentRow* RgbRow() const { return rgb_; }
  ProfileIntentRow* CmykRow() const { return cmyk_; }

 private:
  void EnableGroups();

  QButtonGroup* methods_;
  ProfileIntentRow* rgb_;
  ProfileIntentRow* cmyk_;
};

// "Monitor Profile :" and "Printer Profile :" with the profiles in force.
class OutputProfilesBox : public QWidget {
  Q_OBJECT

 public:
  OutputProfilesBox(const LayoutDocument& document, const ColorDialogTexts& texts, QWidget* parent = nullptr);
  QLabel* MonitorText() const { return monitor_; }
  QLabel* PrinterText() const { return printer_; }

 private:
  QLabel* monitor_;
  QLabel* printer_;
};

}  // namespace tl
