// CToneTuningDlg: the "Color Tone Tuning" dialog. "Off", "Automatic
// Tuning" or "Custom Tuning" with the brightness, contrast and vividness
// sliders (live only for custom tuning), and a preview of the current image
// as the choice would show it. OK leaves the choice for the command to
// write (after its undo snapshot). The rules are color/tone_tuning's.
#pragma once

#include <QDialog>

#include "color/color_dialog_texts.h"
#include "color/tone_tuning.h"

class QButtonGroup;
class QDialogButtonBox;
class QLabel;
class QSlider;

namespace tl {

struct ImageObject;
struct LayoutDocument;

class CToneTuningDlg : public QDialog {
  Q_OBJECT

 public:
  // `previewed` is the image the preview shows; null for none.
  CToneTuningDlg(const LayoutDocument& document, const ImageObject* previewed, QWidget* parent = nullptr);

  const ToneTuningChoice& Choice() const { return choice_; }

  QButtonGroup* Modes() const { return modes_; }
  QSlider* Slider(int kind) const { return sliders_[kind]; }
  QLabel* Preview() const { return preview_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void Show();
  void ShowPreview();

  const ImageObject* previewed_;
  ColorDialogTexts texts_;
  ToneTuningChoice choice_;
  QButtonGroup* modes_;
  QSlider* sliders_[kTuningKindCount] = {};
  QLabel* preview_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
