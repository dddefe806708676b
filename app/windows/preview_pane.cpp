#include "app/windows/preview_pane.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "render/bitmap_image.h"

namespace tl {
namespace {

// One scroll unit is this many pixels; a page is ten units.
constexpr int kScrollUnit = 16;
constexpr int kPageUnits = 10;

}  // namespace

CPreviewPane::CPreviewPane(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("PreviewPane"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setSingleStep(kScrollUnit);
    bar->setPageStep(kScrollUnit * kPageUnits);
  }
  viewport()->setBackgroundRole(QPalette::Button);
  viewport()->setAutoFillBackground(true);
}

CPreviewPane::Picture CPreviewPane::Make(BitmapPtr pixels, BitmapPtr mask) {
  Picture p;
  if (!pixels) return p;
  p.image = mask ? DrawableImage(*pixels, mask.get()) : BitmapImage(*pixels);
  p.pixels = std::move(pixels);
  p.mask = std::move(mask);
  return p;
}

void CPreviewPane::SetFitted(BitmapPtr pixels, BitmapPtr mask) {
  fitted_ = Make(std::move(pixels), std::move(mask));
  viewport()->update();
}

void CPreviewPane::SetFull(BitmapPtr pixels, BitmapPtr mask) {
  full_ = Make(std::move(pixels), std::move(mask));
  scaled_.clear();
  UpdateScrollBars();
  viewport()->update();
}

void CPreviewPane::SetPictureSize(LSize size) {
  pictureSize_ = size;
  UpdateScrollBars();
}

void CPreviewPane::Clear() {
  fitted_ = {};
  full_ = {};
  scaled_.clear();
  pictureSize_ = {};
  zoom_ = {};
  UpdateScrollBars();
  viewport()->update();
}

void CPreviewPane::SetZoom(const PreviewZoom& zoom) {
  zoom_ = zoom;
  UpdateScrollBars();
  viewport()->update();
}

LSize CPreviewPane::PaneSize() const {
  // The room without scroll bars: the widget less its frame.
  const int frame = 2 * frameWidth();
  return {std::max(1, width() - frame), std::max(1, height() - frame)};
}

LSize CPreviewPane::Shown() const { return ZoomedPictureSize(zoom_, pictureSize_, PaneSize()); }

QRect CPreviewPane::PictureRect() const {
  const LSize shown = Shown();
  const QSize room = viewport()->size();
  const int x = shown.cx < room.width() ? (room.width() - shown.cx) / 2 : -horizontalScrollBar()->value();
  const int y = shown.cy < room.height() ? (room.height() - shown.cy) / 2 : -verticalScrollBar()->value();
  return QRect(x, y, shown.cx, shown.cy);
}

void CPreviewPane::UpdateScrollBars() {
  const LSize shown = zoom_.Selection == kZoomAll ? LSize{} : Shown();
  const QSize room = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, shown.cx - room.width()));
  verticalScrollBar()->setRange(0, std::max(0, shown.cy - room.height()));
}

const QImage& CPreviewPane::Scaled() {
  auto it = scaled_.find(zoom_.Selection);
  if (it != scaled_.end()) return it->second;
  const LSize shown = Shown();
  QImage image = full_.image.scaled(shown.cx, shown.cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled_[zoom_.Selection] = std::move(image);
}

void CPreviewPane::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (!HasPicture()) return;
  const QRect target = PictureRect();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (zoom_.Selection == kZoomAll) {
    // The picture decoded for the pane, or the full one scaled down.
    const QImage& source = fitted_.image.isNull() ? full_.image : fitted_.image;
    painter.drawImage(target, source);
  } else if (full_.image.isNull()) {
    painter.drawImage(target, fitted_.image);  // until the full picture arrives
  } else if (zoom_.Selection == kZoomActual) {
    painter.drawImage(target.topLeft(), full_.image);
  } else {
    painter.drawImage(target.topLeft(), Scaled());
  }
}

void CPreviewPane::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CPreviewPane::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta > 0) emit ZoomInRequested();
  else if (delta < 0) emit ZoomOutRequested();
  event->accept();
}

void CPreviewPane::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace tl
