// CCropPreview: the picture of the crop dialog with the part to keep drawn
// on it. Dragging outside that part (or anywhere while the whole picture is
// kept) draws a new one; dragging inside it moves it. Everything is
// reported in pixels of the picture.
#pragma once

#include <QImage>
#include <QWidget>

#include "document/geometry.h"

namespace tl {

class CCropPreview : public QWidget {
  Q_OBJECT

 public:
  CCropPreview(QImage picture, LSize pixels, QWidget* parent = nullptr);

  void SetKept(const LRect& kept);
  const LRect& Kept() const { return kept_; }
  // Where a pixel of the picture lies in the widget, and back.
  QPointF ToWidget(double x, double y) const;
  QPointF ToPicture(const QPointF& point) const;

  QSize sizeHint() const override { return {360, 280}; }

 signals:
  // The user drew or moved the part to keep (not yet limited to the picture).
  void KeptDrawn(const LRect& kept);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRectF PictureArea() const;
  LRect Dragged(const QPointF& to) const;

  QImage picture_;
  LSize pixels_;
  LRect kept_;
  enum class Drag { None, Draw, Move } drag_ = Drag::None;
  QPointF start_;  // picture pixels
  LRect keptAtStart_;
};

}  // namespace tl
