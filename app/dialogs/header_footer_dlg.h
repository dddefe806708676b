// CHeaderFooterDlg ("Header/Footer"): the header's and the footer's text,
// area height and what each shows, and the style they share. The rules
// are in render/header_footer_settings.
#pragma once

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>

#include "render/header_footer_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tl {

class AppPrompts;
class CColorButton;

class CHeaderFooterDlg : public QDialog {
  Q_OBJECT

 public:
  using Apply = std::function<bool(HeaderFooterValues&, int& badBand)>;
  // `today` is the date "Use Fixed Date" keeps (UTC).
  CHeaderFooterDlg(AppPrompts& prompts, HeaderFooterValues values, QDate today, Apply apply,
                   QWidget* parent = nullptr);

 private:
  struct BandControls {
    QPlainTextEdit* text = nullptr;
    QLineEdit* height = nullptr;
    QComboBox* unit = nullptr;
    QCheckBox* dispText = nullptr;
    QCheckBox* printInfo = nullptr;
    QCheckBox* datePage = nullptr;
    QCheckBox* fixedDate = nullptr;
    QLabel* date = nullptr;
  };
  QGroupBox* BandBox(int band);
  void ShowValues();
  void ReadControls();
  void Ok();

  HeaderFooterValues values_;
  QDate today_;
  Apply apply_;
  std::array<BandControls, kBandCount> bands_;
  QComboBox* font_;
  QComboBox* size_;
  QComboBox* lineHeight_;
  CColorButton* color_;
  QButtonGroup* justify_;
  QToolButton* bold_;
  QToolButton* italic_;
  QToolButton* underline_;
};

}  // namespace tl
