// CImageColorDlg: the "Image Color Management" dialog of the current
// image: its source ("Vividex", "Exif Print", "Embedded Profile" or "RGB
// Profile" with a profile and intent), print simulation, "Reset by Input
// settings." and the output profiles in force. OK leaves the choice for the
// command to write (after its undo snapshot). The rules are
// color/image_color_management's.
#pragma once

#include <QDialog>

#include "color/color_dialog_texts.h"
#include "color/image_color_management.h"

class QButtonGroup;
class QDialogButtonBox;
class QPushButton;

namespace tl {

struct ImageObject;
struct LayoutDocument;
class OutputProfilesBox;
class ProfileIntentRow;
class SimulationBox;

class CImageColorDlg : public QDialog {
  Q_OBJECT

 public:
  CImageColorDlg(LayoutDocument& document, const ImageObject& image, QWidget* parent = nullptr);

  // After OK: what the image is to take, and the lists it refers to.
  ImageColorChoice Choice() const;
  const ProfileLists& Lists() const { return lists_; }

  QButtonGroup* Sources() const { return sources_; }
  ProfileIntentRow* RgbRow() const { return rgb_; }
  SimulationBox* Simulation() const { return simulation_; }
  QPushButton* ResetButton() const { return reset_; }
  OutputProfilesBox* OutputProfiles() const { return output_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void Show(const ImageColorChoice& choice);
  void EnableSources();

  LayoutDocument& document_;
  const ImageObject& image_;
  ColorDialogTexts texts_;
  ProfileLists lists_;
  QButtonGroup* sources_;
  ProfileIntentRow* rgb_;
  SimulationBox* simulation_;
  QPushButton* reset_;
  OutputProfilesBox* output_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
