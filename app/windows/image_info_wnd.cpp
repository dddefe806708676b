#include "app/windows/image_info_wnd.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "imaging/image_information.h"
#include "persistence/image_services.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kTitleString = 40802;  // "Image Information"
constexpr int kListWidth = 420;
constexpr int kColonColumnWidth = 20;
enum Column { kCaptionColumn = 0, kColonColumn = 1, kValueColumn = 2 };

QString Qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CImageInfoWnd::CImageInfoWnd(QWidget* parent, LPoint& origin)
    : CToolWindow(parent, origin),
      list_(new QTreeWidget(this)) {
  setObjectName(QStringLiteral("ImageInformationWindow"));
  setWindowTitle(Qs(StringCopy(kTitleString)));
  list_->setObjectName(QStringLiteral("ImageInformationList"));
  list_->setColumnCount(3);
  list_->setHeaderHidden(true);
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setUniformRowHeights(true);
  list_->setTextElideMode(Qt::ElideRight);
  for (int row = 0; row < kImageItemCount; ++row) {
    auto* item = new QTreeWidgetItem(list_);
    item->setTextAlignment(kColonColumn, Qt::AlignCenter);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  // All 26 rows without scrolling; the window keeps this size.
  const int rowHeight = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : fontMetrics().height() + 4;
  const int frame = 2 * list_->frameWidth();
  list_->setMinimumSize(kListWidth, rowHeight * kImageItemCount + frame);
  setFixedSize(kListWidth, rowHeight * kImageItemCount + frame);
  SetColumnWidths();
  ShowImageInformation(nullptr);
}

void CImageInfoWnd::SetColumnWidths() {
  // A third of the room for the caption, the ":" column, the rest for the value.
  const int edge = list_->frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int room = list_->width() - 2 * edge - scrollBar;
  list_->setColumnWidth(kCaptionColumn, room / 3);
  list_->setColumnWidth(kColonColumn, kColonColumnWidth);
  list_->setColumnWidth(kValueColumn, room * 2 / 3 - kColonColumnWidth);
}

void CImageInfoWnd::ShowImageInformation(const ImageObject* image) {
  static const ColorProfileNames profileNames;
  const InformationTable rows = ImageInformationRows(image, &profileNames);
  for (int row = 0; row < kImageItemCount; ++row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    const InformationRow& r = rows[size_t(row)];
    item->setText(kCaptionColumn, Qs(r.Caption));
    item->setText(kColonColumn, Qs(r.Colon));
    item->setText(kValueColumn, Qs(r.Value));
    item->setToolTip(kValueColumn, Qs(r.Value));
  }
}

QString CImageInfoWnd::Value(int row) const {
  const QTreeWidgetItem* item = list_->topLevelItem(row);
  return item ? item->text(kValueColumn) : QString();
}

}  // namespace tl
