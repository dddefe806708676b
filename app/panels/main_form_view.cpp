#include "app/panels/main_form_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/document/gp_doc.h"
#include "app/panels/orientation_icons.h"
#include "app/shell/application.h"
#include "app/view/gp_view.h"
#include "document/message_box.h"
#include "document/undo_store.h"
#include "layout/units.h"
#include "resources/command_ids.h"

namespace tl {
namespace {

constexpr int kPanelWidth = 332;
constexpr int kOrientationIconSide = 28;
constexpr int kSectionSpacing = 2;
// The template settings rows about printing get the first icon, the rows
// about the layout the second.
constexpr int kFirstLayoutRow = 9;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

// The list entries (name, id) with the entry of `id` current; none when it
// is not listed.
void FillIdList(QComboBox* combo, const std::vector<IdName>& list, int32_t id) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const IdName& entry : list) combo->addItem(Qs(entry.Name), entry.Id);
  combo->setCurrentIndex(combo->findData(id));
  combo->setEnabled(!list.empty());
}

QLabel* Caption(const std::string& text) {
  auto* label = new QLabel(Qs(text));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QIcon RowIcon(const QWidget* widget, int row) {
  return widget->style()->standardIcon(row < kFirstLayoutRow ? QStyle::SP_FileDialogDetailedView
                                                             : QStyle::SP_FileDialogInfoView);
}

}  // namespace

CMainFormView::CMainFormView(CGPDoc& document, QWidget* parent)
    : QScrollArea(parent), document_(document), texts_(LoadPanelTexts()) {
  setObjectName(QStringLiteral("LayoutSidePanel"));
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Window);

  auto* content = new QWidget(this);
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(kSectionSpacing);
  column->addWidget(MakeSection(kPrintSettings, texts_.PrintSettings, PrintSettingsBody()));
  column->addWidget(MakeSection(kColorManagement, texts_.ColorManagement, ColorManagementBody()));
  column->addWidget(MakeSection(kTemplateSettings, texts_.TemplateSettings, TemplateSettingsBody()));
  column->addStretch(1);
  setWidget(content);

  connect(&document_, &CGPDoc::Changed, this, &CMainFormView::Sync);
}

int CMainFormView::InitialWidth(const QWidget* reference) {
  const QStyle* style = reference->style();
  return kPanelWidth + style->pixelMetric(QStyle::PM_ScrollBarExtent) +
         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

QWidget* CMainFormView::MakeSection(Section section, const std::string& title, QWidget* body) {
  auto* frame = new QWidget;
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* header = new QToolButton;
  header->setObjectName(QStringLiteral("sectionHeader%1").arg(int(section)));
  header->setText(Qs(title));
  header->setCheckable(true);
  header->setChecked(true);
  header->setArrowType(Qt::DownArrow);
  header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  header->setFixedHeight(kHeaderHeight);
  QFont bold = header->font();
  bold.setBold(true);
  header->setFont(bold);
  connect(header, &QToolButton::toggled, this, [this, section](bool open) { SetSectionOpen(section, open); });
  layout->addWidget(header);
  layout->addWidget(body);
  headers_[section] = header;
  bodies_[section] = body;
  return frame;
}

void CMainFormView::SetSectionOpen(Section section, bool open) {
  QToolButton* header = headers_[section];
  if (header->isChecked() != open) {
    header->setChecked(open);  // comes back here through toggled
    return;
  }
  header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
  bodies_[section]->setVisible(open);
}

bool CMainFormView::SectionOpen(Section section) const { return headers_[section]->isChecked(); }

QWidget* CMainFormView::PrintSettingsBody() {
  auto* body = new QWidget;
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(6, 6, 6, 8);
  grid->setColumnStretch(1, 1);

  printer_ = new QComboBox;
  printer_->setObjectName(QStringLiteral("printerCombo"));
  printer_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  printer_->setMinimumContentsLength(12);
  refresh_ = new QToolButton;
  refresh_->setObjectName(QStringLiteral("refreshPrinters"));
  refresh_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  refresh_->setToolTip(Qs(texts_.Refresh));
  auto* printerRow = new QHBoxLayout;
  printerRow->setSpacing(2);
  printerRow->addWidget(printer_, 1);
  printerRow->addWidget(refresh_);
  grid->addWidget(Caption(texts_.Printer), 0, 0);
  grid->addLayout(printerRow, 0, 1);

  const auto addCombo = [&](QComboBox*& combo, const char* name, const std::string& caption, int row) {
    combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    grid->addWidget(Caption(caption), row, 0);
    grid->addWidget(combo, row, 1);
  };
  addCombo(feeder_, "feederCombo", texts_.Feeder, 1);
  addCombo(paperSize_, "paperSizeCombo", texts_.PaperSize, 2);
  addCombo(mediaType_, "mediaTypeCombo", texts_.MediaType, 3);

  const auto orientationButton = [&](const QIcon& icon, const std::string& tip, const char* name) {
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(kOrientationIconSide, kOrientationIconSide));
    button->setToolTip(Qs(tip));
    button->setCheckable(true);
    button->setAutoExclusive(true);
    return button;
  };
  portrait_ = orientationButton(PortraitIcon(), texts_.Portrait, "portraitButton");
  landscape_ = orientationButton(LandscapeIcon(), texts_.Landscape, "landscapeButton");
  auto* orientationRow = new QHBoxLayout;
  orientationRow->addWidget(portrait_);
  orientationRow->addWidget(landscape_);
  orientationRow->addStretch(1);
  grid->addWidget(Caption(texts_.Orientation), 4, 0);
  grid->addLayout(orientationRow, 4, 1);

  lengthGroup_ = new QGroupBox(Qs(texts_.PaperLength));
  lengthGroup_->setObjectName(QStringLiteral("paperLengthGroup"));
  length_ = new QLineEdit;
  length_->setObjectName(QStringLiteral("lengthEdit"));
  count_ = new QSpinBox;
  count_->setObjectName(QStringLiteral("bannerCount"));
  count_->setRange(kBannerCountMin, kBannerCountMax);
  unit_ = new QComboBox;
  unit_->setObjectName(QStringLiteral("lengthUnit"));
  unit_->addItem(Qs(texts_.Millimetre), int(kUnitMillimetre));
  unit_->addItem(Qs(texts_.Inch), int(kUnitInch));
  auto* lengthRow = new QHBoxLayout(lengthGroup_);
  lengthRow->addWidget(length_, 1);
  lengthRow->addWidget(count_);
  lengthRow->addWidget(unit_);
  grid->addWidget(lengthGroup_, 5, 0, 1, 2);

  printMore_ = new QPushButton(Qs(texts_.More));
  printMore_->setObjectName(QStringLiteral("printMore"));
  grid->addWidget(printMore_, 6, 1, Qt::AlignRight);

  connect(printer_, &QComboBox::activated, this, [this](int index) {
    const std::string name = printer_->itemData(index).toString().toStdString();
    Change([this, name] { return PanelChoosePrinter(panel_, name); });
  });
  connect(refresh_, &QToolButton::clicked, this, [this] { Change([this] { return PanelRefreshPrinters(panel_); }); });
  connect(feeder_, &QComboBox::activated, this, [this](int index) {
    const int32_t id = feeder_->itemData(index).toInt();
    Change([this, id] { return PanelChoosePaperSource(panel_, id); });
  });
  connect(paperSize_, &QComboBox::activated, this, [this](int index) {
    const int32_t id = paperSize_->itemData(index).toInt();
    Change([this, id] { return PanelChoosePaperSize(panel_, id); });
  });
  connect(mediaType_, &QComboBox::activated, this, [this](int index) {
    const int32_t id = mediaType_->itemData(index).toInt();
    Change([this, id] { return PanelChooseMediaType(panel_, id); });
  });
  connect(portrait_, &QToolButton::clicked, this,
          [this] { Change([this] { return PanelChooseOrientation(panel_, kPortrait); }); });
  connect(landscape_, &QToolButton::clicked, this,
          [this] { Change([this] { return PanelChooseOrientation(panel_, kLandscape); }); });
  connect(count_, &QSpinBox::valueChanged, this,
          [this](int count) { Change([this, count] { return PanelSetBannerCount(panel_, count) > 0; }); });
  connect(length_, &QLineEdit::editingFinished, this, [this] {
    const std::string text = length_->text().toStdString();
    Change([this, text] { return PanelSetBannerLengthText(panel_, text); });
  });
  connect(unit_, &QComboBox::activated, this, [this](int index) {
    PanelChooseLengthUnit(panel_, int16_t(unit_->itemData(index).toInt()));
    Fill();
  });
  connect(printMore_, &QPushButton::clicked, this, [this] { RunCommand(kCmdPrintPreferences); });
  return body;
}

QWidget* CMainFormView::ColorManagementBody() {
  auto* body = new QWidget;
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(6, 6, 6, 8);
  grid->setColumnStretch(1, 1);
  profile_ = new QComboBox;
  profile_->setObjectName(QStringLiteral("printerProfileCombo"));
  profile_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  profile_->setMinimumContentsLength(12);
  grid->addWidget(Caption(texts_.PrinterProfile), 0, 0);
  grid->addWidget(profile_, 0, 1);
  colorMore_ = new QPushButton(Qs(texts_.More));
  colorMore_->setObjectName(QStringLiteral("colorMore"));
  grid->addWidget(colorMore_, 1, 1, Qt::AlignRight);
  connect(profile_, &QComboBox::activated, this,
          [this](int index) { Change([this, index] { return PanelChoosePrinterProfile(panel_, index); }); });
  connect(colorMore_, &QPushButton::clicked, this, [this] { RunCommand(kCmdOutputColorManagement); });
  return body;
}

QWidget* CMainFormView::TemplateSettingsBody() {
  rows_ = new QTableWidget(kTemplateSettingsRowCount, 2);
  rows_->setObjectName(QStringLiteral("templateSettings"));
  rows_->horizontalHeader()->hide();
  rows_->verticalHeader()->hide();
  rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  rows_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  rows_->setSelectionMode(QAbstractItemView::NoSelection);
  rows_->setFocusPolicy(Qt::NoFocus);
  rows_->setIconSize(QSize(16, 16));
  rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setWordWrap(false);
  for (int row = 0; row < kTemplateSettingsRowCount; ++row) {
    auto* caption = new QTableWidgetItem(RowIcon(this, row), QString());
    rows_->setItem(row, 0, caption);
    rows_->setItem(row, 1, new QTableWidgetItem);
  }
  rows_->resizeRowsToContents();
  int height = 2 * rows_->frameWidth();
  for (int row = 0; row < kTemplateSettingsRowCount; ++row) height += rows_->rowHeight(row);
  rows_->setFixedHeight(height);
  return rows_;
}

void CMainFormView::Sync() {
  LayoutDocument* layout = document_.Layout();
  if (!layout) return;
  PrinterSettings& settings = document_.Printer();
  const bool fresh = layout != panel_.Document || &settings != panel_.Settings || !settings.Extension ||
                     settings.Extension.get() != attached_;
  if (fresh) {
    const LSize page = {layout->PageWidth, layout->PageHeight};
    if (!PanelAttach(panel_, *layout, settings)) return;
    attached_ = settings.Extension.get();
    Fill();
    // A printer that lacked the layout's paper changed the page.
    if (page != LSize{layout->PageWidth, layout->PageHeight}) document_.UpdateAllViews();
    return;
  }
  PanelRefresh(panel_);
  Fill();
}

void CMainFormView::Change(const std::function<bool()>& change) {
  if (CTessalineApp::Instance().DocumentBusy()) {
    ErrorBeep();
    Fill();
    return;
  }
  Sync();
  if (!panel_.Document) return;
  // Undoing an earlier edit on another paper would put objects where this
  // page has no room.
  UndoClear();
  change();
  attached_ = panel_.Settings->Extension.get();
  document_.UpdateAllViews();
  Fill();
}

void CMainFormView::RunCommand(int commandId) {
  const CommandHandler* handler = document_.Handlers().Find(commandId);
  if (!handler || (handler->Enabled && !handler->Enabled())) {
    ErrorBeep();
    return;
  }
  handler->Run();
}

void CMainFormView::Fill() {
  if (!panel_.Document || !panel_.Settings) return;
  FillPrintSettings();
  FillColorManagement();
  FillTemplateSettings();
}

void CMainFormView::FillPrintSettings() {
  const LayoutDocument& d = *panel_.Document;
  const PrinterSettings& s = *panel_.Settings;
  {
    const QSignalBlocker block(printer_);
    printer_->clear();
    for (const PrinterEntry& printer : s.Printers) {
      printer_->addItem(Qs(printer.Name), Qs(printer.Name));
      printer_->setItemData(printer_->count() - 1, Qs(printer.Model), Qt::ToolTipRole);
    }
    printer_->setCurrentIndex(printer_->findData(Qs(d.PrinterName)));
  }
  FillIdList(feeder_, s.PaperSources, d.PaperSourceID);
  FillIdList(paperSize_, s.PaperSizes, d.PaperSizeID);
  FillIdList(mediaType_, s.MediaTypes, d.MediaTypeID);
  mediaType_->setEnabled(panel_.Enabled.MediaType);
  portrait_->setChecked(d.Orientation != kLandscape);
  landscape_->setChecked(d.Orientation == kLandscape);

  lengthGroup_->setEnabled(panel_.Enabled.PaperLength);
  const QSignalBlocker blockCount(count_);
  count_->setValue(panel_.BannerCount);
  length_->setText(Qs(PanelBannerLengthText(panel_)));
  const QSignalBlocker blockUnit(unit_);
  unit_->setCurrentIndex(unit_->findData(int(panel_.LengthUnit)));
}

void CMainFormView::FillColorManagement() {
  const QSignalBlocker block(profile_);
  profile_->clear();
  for (const ProfileListEntry& entry : panel_.PrinterProfiles) {
    profile_->addItem(Qs(entry.Description));
    profile_->setItemData(profile_->count() - 1, Qs(entry.FileName), Qt::ToolTipRole);
  }
  profile_->setCurrentIndex(panel_.PrinterProfilePosition);
  profile_->setEnabled(panel_.Enabled.PrinterProfile);
}

void CMainFormView::FillTemplateSettings() {
  for (int row = 0; row < kTemplateSettingsRowCount && size_t(row) < panel_.TemplateRows.size(); ++row) {
    const PanelRow& values = panel_.TemplateRows[size_t(row)];
    // One line per row: the image size text ends in a line break.
    QString value = Qs(values.Value).trimmed();
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    rows_->item(row, 0)->setText(Qs(values.Caption));
    rows_->item(row, 1)->setText(value);
    rows_->item(row, 1)->setToolTip(value);
  }
}

}  // namespace tl
