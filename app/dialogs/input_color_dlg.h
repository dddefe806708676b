// CInputColorDlg: the "Input Color Management" dialog, the layout's
// defaults for the images it takes in: capture-matching data, the source
// profile and intent, the embedded profile, print simulation; with the
// output profiles in force shown below. The rules are
// color/input_color_management's.
#pragma once

#include <QDialog>

#include "color/color_dialog_texts.h"
#include "color/input_color_management.h"

class QCheckBox;
class QDialogButtonBox;

namespace tl {

struct LayoutDocument;
class OutputProfilesBox;
class ProfileIntentRow;
class SimulationBox;

class CInputColorDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CInputColorDlg(LayoutDocument& document, QWidget* parent = nullptr);

  QCheckBox* UseVdxCheck() const { return useVdx_; }
  ProfileIntentRow* SourceRow() const { return source_; }
  QCheckBox* UseEmbeddedCheck() const { return useEmbedded_; }
  SimulationBox* Simulation() const { return simulation_; }
  OutputProfilesBox* OutputProfiles() const { return output_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void Ok();

  LayoutDocument& document_;
  ColorDialogTexts texts_;
  ProfileLists lists_;
  QCheckBox* useVdx_;
  ProfileIntentRow* source_;
  QCheckBox* useEmbedded_;
  SimulationBox* simulation_;
  OutputProfilesBox* output_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
