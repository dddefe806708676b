// CMainFormView: the layout side panel in the left column of a layout
// window. Three sections, each opened and closed by its header ("Print
// Settings", "Color Management", "Template Settings"), show and change the
// layout's printer, paper and printer profile and summarise its template
// settings. The rules are print/side_panel's; the widgets show and forward.
#pragma once

#include <QScrollArea>
#include <functional>

#include "print/side_panel.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace tl {

class CGPDoc;

class CMainFormView : public QScrollArea {
  Q_OBJECT

 public:
  enum Section { kPrintSettings, kColorManagement, kTemplateSettings, kSectionCount };
  // A closed section keeps only its header.
  static constexpr int kHeaderHeight = 25;

  CMainFormView(CGPDoc& document, QWidget* parent = nullptr);

  // The column's width when it opens: 332 pixels, a scroll bar and two
  // window edges.
  static int InitialWidth(const QWidget* reference);

  // Every control filled from the document; the panel attaches to the
  // document's printer first when the layout or its print settings are new
  // to it.
  void Sync();
  const SidePanel& Panel() const { return panel_; }

  void SetSectionOpen(Section section, bool open);
  bool SectionOpen(Section section) const;
  QToolButton* SectionHeader(Section section) const { return headers_[section]; }
  QWidget* SectionBody(Section section) const { return bodies_[section]; }

  QComboBox* PrinterCombo() const { return printer_; }
  QToolButton* RefreshButton() const { return refresh_; }
  QComboBox* FeederCombo() const { return feeder_; }
  QComboBox* PaperSizeCombo() const { return paperSize_; }
  QComboBox* MediaTypeCombo() const { return mediaType_; }
  QToolButton* PortraitButton() const { return portrait_; }
  QToolButton* LandscapeButton() const { return landscape_; }
  QGroupBox* PaperLengthGroup() const { return lengthGroup_; }
  QLineEdit* LengthEdit() const { return length_; }
  QSpinBox* BannerCountSpin() const { return count_; }
  QComboBox* LengthUnitCombo() const { return unit_; }
  QPushButton* PrintMoreButton() const { return printMore_; }
  QComboBox* PrinterProfileCombo() const { return profile_; }
  QPushButton* ColorMoreButton() const { return colorMore_; }
  QTableWidget* TemplateTable() const { return rows_; }

 private:
  QWidget* MakeSection(Section section, const std::string& title, QWidget* body);
  QWidget* PrintSettingsBody();
  QWidget* ColorManagementBody();
  QWidget* TemplateSettingsBody();
  // Runs a control's change on the panel (refused while the program is
  // busy), then refreshes the document's views and the controls.
  void Change(const std::function<bool()>& change);
  void RunCommand(int commandId);
  void Fill();
  void FillPrintSettings();
  void FillColorManagement();
  void FillTemplateSettings();

  CGPDoc& document_;
  SidePanel panel_;
  PanelTexts texts_;
  const DriverExtension* attached_ = nullptr;  // the print settings the panel attached to
  QToolButton* headers_[kSectionCount] = {};
  QWidget* bodies_[kSectionCount] = {};
  QComboBox* printer_ = nullptr;
  QToolButton* refresh_ = nullptr;
  QComboBox* feeder_ = nullptr;
  QComboBox* paperSize_ = nullptr;
  QComboBox* mediaType_ = nullptr;
  QToolButton* portrait_ = nullptr;
  QToolButton* landscape_ = nullptr;
  QGroupBox* lengthGroup_ = nullptr;
  QLineEdit* length_ = nullptr;
  QSpinBox* count_ = nullptr;
  QComboBox* unit_ = nullptr;
  QPushButton* printMore_ = nullptr;
  QComboBox* profile_ = nullptr;
  QPushButton* colorMore_ = nullptr;
  QTableWidget* rows_ = nullptr;
};

}  // namespace tl
