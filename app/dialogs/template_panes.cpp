// The template list, its previews and the preview and info tabs shared by
// the Choose Template and Organize Template dialogs.
#include "app/dialogs/template_panes.h"

#include <QEvent>
#include <QIcon>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "imaging/preview_jpeg.h"
#include "render/bitmap_image.h"
#include "templates/template_classes.h"
#include "templates/template_info.h"

namespace tl {
namespace {

constexpr int kIndexRole = Qt::UserRole;     // the template's index in the array
constexpr int kNameRole = Qt::UserRole + 1;  // the file name as listed, to tell an edit
constexpr QRgb kFrameColor = 0xFFA0A0A0;
constexpr int kTreePaneWidth = 200;
constexpr int kTabsPaneWidth = 300;

// The image list slot of a thumbnail mode: small 0, middle 1, large 2.
int Slot(TemplateViewMode mode) { return std::clamp(int(mode) - 1, 0, 2); }

// A thumbnail of `side` pixels: the preview scaled into it (a blank page
// without one), with a thin frame, so that a white page shows on a white
// list.
QPixmap FramedThumbnail(const QImage& preview, int side) {
  QPixmap picture(side, side);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  if (!preview.isNull()) {
    const QImage scaled = preview.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
  }
  painter.setPen(QColor::fromRgb(kFrameColor));
  painter.drawRect(0, 0, side - 1, side - 1);
  return picture;
}

}  // namespace

QImage TemplatePreviewImage(const TemplateSummary& summary) {
  if (summary.Preview.empty()) return {};
  const BitmapPtr bitmap = DecodePreviewJpeg(summary.Preview.data(), summary.Preview.size());
  if (!bitmap) return {};
  return BitmapImage(*bitmap).copy();  // the bitmap goes now
}

QPixmap TemplateThumbnails::Thumbnail(const TemplateSummary& summary, TemplateViewMode mode) {
  const QString key = Qs(summary.Path);
  auto it = pictures_.find(key);
  if (it == pictures_.end()) {
    std::array<QPixmap, 3> sizes;
    const QImage preview = TemplatePreviewImage(summary);
    for (int slot = 0; slot < 3; ++slot) {
      const int side = ThumbnailSide(TemplateViewMode(slot + 1));
      sizes[size_t(slot)] = FramedThumbnail(preview, side);
    }
    it = pictures_.insert(key, sizes);
  }
  return (*it)[size_t(Slot(mode))];
}

void TemplateReportView::mousePressEvent(QMouseEvent* event) {
  if (!indexAt(event->position().toPoint()).isValid()) {
    clearSelection();
    setCurrentIndex(QModelIndex());
  }
  QTreeView::mousePressEvent(event);
}

void TemplateIconView::mousePressEvent(QMouseEvent* event) {
  if (!indexAt(event->position().toPoint()).isValid()) {
    clearSelection();
    setCurrentIndex(QModelIndex());
  }
  QListView::mousePressEvent(event);
}

TemplateListPane::TemplateListPane(const TemplateDialogTexts& texts, bool editable, QWidget* parent)
    : QWidget(parent),
      editable_(editable),
      model_(new QStandardItemModel(0, 2, this)),
      stack_(new QStackedWidget(this)),
      report_(new TemplateReportView(stack_)),
      icons_(new TemplateIconView(stack_)) {
  model_->setHorizontalHeaderLabels({Qs(texts.FileName), Qs(texts.ModifiedDate)});
  const QAbstractItemView::EditTriggers edits =
      editable ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
               : QAbstractItemView::NoEditTriggers;

  report_->setObjectName("templateReport");
  report_->setModel(model_);
  report_->setRootIsDecorated(false);
  report_->setItemsExpandable(false);
  report_->setUniformRowHeights(true);
  report_->setAllColumnsShowFocus(true);
  report_->setSelectionBehavior(QAbstractItemView::SelectRows);
  report_->setSelectionMode(QAbstractItemView::SingleSelection);
  report_->setEditTriggers(edits);
  report_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  report_->header()->setStretchLastSection(false);
  report_->header()->setSectionResizeMode(QHeaderView::Interactive);
  report_->viewport()->installEventFilter(this);

  icons_->setObjectName("templateIcons");
  icons_->setModel(model_);
  icons_->setModelColumn(0);
  icons_->setViewMode(QListView::IconMode);
  icons_->setMovement(QListView::Static);
  icons_->setResizeMode(QListView::Adjust);
  icons_->setWrapping(true);
  icons_->setWordWrap(true);
  icons_->setTextElideMode(Qt::ElideMiddle);
  icons_->setSelectionMode(QAbstractItemView::SingleSelection);
  icons_->setEditTriggers(edits);

  stack_->addWidget(report_);
  stack_->addWidget(icons_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(stack_);

  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(report_), static_cast<QAbstractItemView*>(icons_)}) {
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, view] {
      if (view == CurrentView()) SelectionChanged();
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
      if (index.isValid()) emit rowActivated(index.row());
    });
  }
  connect(model_, &QStandardItemModel::itemChanged, this, &TemplateListPane::ItemChanged);
}

void TemplateListPane::SetViewMode(TemplateViewMode mode) {
  mode_ = mode;
  if (mode == TemplateViewMode::List) {
    stack_->setCurrentWidget(report_);
    return;
  }
  const int side = ThumbnailSide(mode);
  const int line = icons_->fontMetrics().height();
  icons_->setIconSize(QSize(side, side));
  icons_->setGridSize(QSize(std::max(side + 40, 136), side + 2 * line + 16));
  stack_->setCurrentWidget(icons_);
}

void TemplateListPane::Fill(const TemplateArray& templates, const std::vector<size_t>& rows) {
  filling_ = true;
  model_->removeRows(0, model_->rowCount());
  for (size_t index : rows) {
    const TemplateSummary& s = templates[index];
    const QString name = Qs(TemplateListName(s));
    auto* nameItem = new QStandardItem(name);
    nameItem->setData(qulonglong(index), kIndexRole);
    nameItem->setData(name, kNameRole);
    nameItem->setEditable(editable_);
    nameItem->setToolTip(Qs(s.Path));
    if (mode_ != TemplateViewMode::List) nameItem->setIcon(QIcon(thumbnails_.Thumbnail(s, mode_)));
    auto* dateItem = new QStandardItem(Qs(s.ModifiedDate));
    dateItem->setEditable(false);
    model_->appendRow({nameItem, dateItem});
  }
  filling_ = false;
  FitColumns();
}

void TemplateListPane::SelectRow(int row) {
  filling_ = true;
  QAbstractItemView* view = CurrentView();
  if (row < 0 || row >= model_->rowCount()) {
    view->clearSelection();
    view->setCurrentIndex(QModelIndex());
  } else {
    const QModelIndex index = model_->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
  }
  filling_ = false;
}

int TemplateListPane::SelectedRow() const {
  const QModelIndexList selected = CurrentView()->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

int TemplateListPane::RowCount() const { return model_->rowCount(); }

QString TemplateListPane::RowText(int row) const {
  const QStandardItem* item = model_->item(row, 0);
  return item ? item->text() : QString();
}

void TemplateListPane::EditRow(int row) {
  if (!editable_ || row < 0 || row >= model_->rowCount()) return;
  CurrentView()->edit(model_->index(row, 0));
}

QAbstractItemView* TemplateListPane::CurrentView() const {
  return mode_ == TemplateViewMode::List ? static_cast<QAbstractItemView*>(report_)
                                         : static_cast<QAbstractItemView*>(icons_);
}

bool TemplateListPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == report_->viewport() && event->type() == QEvent::Resize) FitColumns();
  return QWidget::eventFilter(watched, event);
}

void TemplateListPane::SelectionChanged() {
  if (!filling_) emit rowSelected(SelectedRow());
}

void TemplateListPane::ItemChanged(QStandardItem* item) {
  if (filling_ || item->column() != 0) return;
  if (item->text() != item->data(kNameRole).toString()) emit rowRenamed(item->row(), item->text());
}

void TemplateListPane::FitColumns() {
  const int width = report_->viewport()->width();
  report_->header()->resizeSection(0, width * 2 / 3);
  report_->header()->resizeSection(1, width - width * 2 / 3);
}

TemplatePreviewPicture::TemplatePreviewPicture(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(96, 96);
}

void TemplatePreviewPicture::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void TemplatePreviewPicture::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  const QRect inner = rect().adjusted(4, 4, -4, -4);
  const QSize size = image_.size().scaled(inner.size(), Qt::KeepAspectRatio);
  const QRect target(inner.x() + (inner.width() - size.width()) / 2, inner.y() + (inner.height() - size.height()) / 2,
                     size.width(), size.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image_);
  painter.setPen(QColor::fromRgb(kFrameColor));
  painter.drawRect(target.adjusted(-1, -1, 0, 0));
}

TemplateInfoTabs::TemplateInfoTabs(const TemplateDialogTexts& texts, QWidget* parent)
    : QTabWidget(parent),
      fileName_(new QLabel),
      comment_(new QLabel),
      picture_(new TemplatePreviewPicture),
      info_(new QTableWidget) {
  setObjectName("templateTabs");
  auto* preview = new QWidget;
  auto* layout = new QVBoxLayout(preview);
  fileName_->setObjectName("previewFileName");
  QFont bold = fileName_->font();
  bold.setBold(true);
  fileName_->setFont(bold);
  fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  comment_->setObjectName("previewComment");
  comment_->setWordWrap(true);
  comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  comment_->setMinimumHeight(2 * comment_->fontMetrics().lineSpacing());
  comment_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  picture_->setObjectName("previewPicture");
  layout->addWidget(fileName_);
  layout->addWidget(comment_);
  layout->addWidget(picture_, 1);
  addTab(preview, Qs(texts.Preview));

  info_->setObjectName("templateInfo");
  info_->setColumnCount(2);
  info_->setRowCount(kTemplateInfoRowCount);
  info_->horizontalHeader()->hide();
  info_->verticalHeader()->hide();
  info_->setShowGrid(false);
  info_->setSelectionMode(QAbstractItemView::NoSelection);
  info_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  info_->setFocusPolicy(Qt::NoFocus);
  info_->setAlternatingRowColors(true);
  info_->setWordWrap(true);  // long values wrap onto more lines
  info_->setTextElideMode(Qt::ElideNone);
  info_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const std::vector<TemplateInfoRow> rows = TemplateInfoRows(TemplateSummary{});
  for (int i = 0; i < kTemplateInfoRowCount; ++i) {
    info_->setItem(i, 0, new QTableWidgetItem(Qs(rows[size_t(i)].Label)));
    auto* value = new QTableWidgetItem;
    value->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    info_->setItem(i, 1, value);
    info_->item(i, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  info_->resizeColumnToContents(0);
  info_->setColumnWidth(0, info_->columnWidth(0) + 8);
  info_->horizontalHeader()->setStretchLastSection(true);
  // Wrapped values make their rows higher whenever the width changes.
  info_->viewport()->installEventFilter(this);
  addTab(info_, Qs(texts.Info));
  setMinimumWidth(260);
  ShowTemplate(nullptr);
}

bool TemplateInfoTabs::eventFilter(QObject* watched, QEvent* event) {
  // The last column takes its new width after the viewport's resize: the
  // rows are measured once it has.
  if (watched == info_->viewport() && event->type() == QEvent::Resize)
    QMetaObject::invokeMethod(info_, &QTableWidget::resizeRowsToContents, Qt::QueuedConnection);
  return QTabWidget::eventFilter(watched, event);
}

void TemplateInfoTabs::ShowTemplate(const TemplateSummary* summary) {
  fileName_->setText(summary ? Qs(TemplateListName(*summary)) : QString());
  comment_->setText(summary ? Qs(summary->Comment) : QString());
  picture_->SetImage(summary ? TemplatePreviewImage(*summary) : QImage());
  const std::vector<TemplateInfoRow> rows = TemplateInfoRows(summary ? *summary : TemplateSummary{});
  for (int i = 0; i < info_->rowCount() && size_t(i) < rows.size(); ++i) {
    const QString value = summary ? Qs(rows[size_t(i)].Value) : QString();
    info_->item(i, 1)->setText(value);
    info_->item(i, 1)->setToolTip(value);
  }
  info_->resizeRowsToContents();
}

QSplitter* TemplateBrowserPanes(QWidget* tree, QWidget* list, QWidget* tabs, int listWidth) {
  auto* panes = new QSplitter(Qt::Horizontal);
  panes->setChildrenCollapsible(false);
  panes->addWidget(tree);
  panes->addWidget(list);
  panes->addWidget(tabs);
  panes->setStretchFactor(1, 1);
  panes->setSizes({kTreePaneWidth, listWidth, kTabsPaneWidth});
  return panes;
}

void AddLabelledControl(QBoxLayout* row, const QString& label, QWidget* control) {
  auto* text = new QLabel(label);
  text->setBuddy(control);
  row->addWidget(text);
  row->addWidget(control);
}

}  // namespace tl
