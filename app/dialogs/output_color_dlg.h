// COutputColorDlg: the "Output Color Management" dialog. The monitor
// profile, and how printed colours are matched: "by Application" with a
// printer profile, or "by Printer Driver" (the printer list then shows its
// first entry, greyed). The rules are color/output_color_settings'.
#pragma once

#include <QDialog>

#include "color/color_dialog_texts.h"
#include "color/output_color_settings.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QRadioButton;

namespace tl {

struct LayoutDocument;

class COutputColorDlg : public QDialog {
  Q_OBJECT

 public:
  explicit COutputColorDlg(LayoutDocument& document, QWidget* parent = nullptr);

  QComboBox* MonitorCombo() const { return monitor_; }
  QLabel* MonitorNameText() const { return monitorName_; }
  QRadioButton* ByApplication() const { return byApplication_; }
  QRadioButton* ByPrinterDriver() const { return byDriver_; }
  QComboBox* PrinterCombo() const { return printer_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 private:
  void ChooseMode(bool byApplication);
  void ShowPrinterList();
  void Ok();

  LayoutDocument& document_;
  ColorDialogTexts texts_;
  ProfileLists lists_;
  OutputColorChoice choice_;
  QComboBox* monitor_;
  QLabel* monitorName_;
  QRadioButton* byApplication_;
  QRadioButton* byDriver_;
  QComboBox* printer_;
  QDialogButtonBox* buttons_;
};

}  // namespace tl
