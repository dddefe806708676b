// The crop dialog's picture with the part to keep.
#include "app/dialogs/crop_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tl {
namespace {

constexpr int kMargin = 6;
const QColor kOutsideShade(0, 0, 0, 120);

}  // namespace

CCropPreview::CCropPreview(QImage picture, LSize pixels, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)), pixels_(pixels), kept_{0, 0, pixels.cx, pixels.cy} {
  setObjectName("cropPreview");
  setMinimumSize(240, 180);
  setCursor(Qt::CrossCursor);
}

void CCropPreview::SetKept(const LRect& kept) {
  kept_ = kept;
  update();
}

QRectF CCropPreview::PictureArea() const {
  const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
  if (pixels_.cx <= 0 || pixels_.cy <= 0 || room.isEmpty()) return {};
  const double scale = std::min(room.width() / pixels_.cx, room.height() / pixels_.cy);
  const QSizeF size(pixels_.cx * scale, pixels_.cy * scale);
  return QRectF(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QPointF CCropPreview::ToWidget(double x, double y) const {
  const QRectF area = PictureArea();
  if (area.isEmpty()) return {};
  return {area.left() + x * area.width() / pixels_.cx, area.top() + y * area.height() / pixels_.cy};
}

QPointF CCropPreview::ToPicture(const QPointF& p) const {
  const QRectF area = PictureArea();
  if (area.isEmpty()) return {};
  return {(p.x() - area.left()) * pixels_.cx / area.width(), (p.y() - area.top()) * pixels_.cy / area.height()};
}

void CCropPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Mid));
  const QRectF area = PictureArea();
  if (area.isEmpty()) return;
  if (picture_.isNull()) p.fillRect(area, Qt::lightGray);
  else p.drawImage(area, picture_);
  const QRectF kept(ToWidget(kept_.left, kept_.top), ToWidget(kept_.right, kept_.bottom));
  // The part that goes is shaded; the part kept is outlined.
  QPainterPath outside;
  outside.addRect(area);
  QPainterPath inside;
  inside.addRect(kept);
  p.fillPath(outside.subtracted(inside), kOutsideShade);
  p.setPen(QPen(Qt::white, 1, Qt::DashLine));
  p.drawRect(kept.adjusted(0, 0, -1, -1));
}

LRect CCropPreview::Dragged(const QPointF& to) const {
  const QPointF at = ToPicture(to);
  if (drag_ == Drag::Move) {
    const int32_t dx = int32_t(std::lround(at.x() - start_.x())), dy = int32_t(std::lround(at.y() - start_.y()));
    // The part keeps its size and stays on the picture.
    const int32_t x = std::clamp(keptAtStart_.left + dx, 0, std::max(0, pixels_.cx - keptAtStart_.Width()));
    const int32_t y = std::clamp(keptAtStart_.top + dy, 0, std::max(0, pixels_.cy - keptAtStart_.Height()));
    return {x, y, x + keptAtStart_.Width(), y + keptAtStart_.Height()};
  }
  return {int32_t(std::lround(start_.x())), int32_t(std::lround(start_.y())), int32_t(std::lround(at.x())),
          int32_t(std::lround(at.y()))};
}

void CCropPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  start_ = ToPicture(event->position());
  keptAtStart_ = kept_;
  const bool inside = start_.x() > kept_.left && start_.x() < kept_.right && start_.y() > kept_.top &&
                      start_.y() < kept_.bottom;
  // While the whole picture is kept there is nothing to move: a drag draws.
  const bool whole = kept_ == LRect{0, 0, pixels_.cx, pixels_.cy};
  drag_ = inside && !whole ? Drag::Move : Drag::Draw;
}

void CCropPreview::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::None) return;
  emit KeptDrawn(Dragged(event->position()));
}

void CCropPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::None || event->button() != Qt::LeftButton) return;
  const LRect drawn = Dragged(event->position());
  // A click without a drag draws nothing.
  const bool moved = drag_ == Drag::Move || (drawn.left != drawn.right && drawn.top != drawn.bottom);
  drag_ = Drag::None;
  if (moved) emit KeptDrawn(drawn);
}

}  // namespace tl
