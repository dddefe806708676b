#include "render/view_picture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "document/object_geometry.h"
#include "render/draw_page.h"
#include "render/free_line.h"
#include "render/selection_marks.h"
#include "render/view_hit_test.h"

namespace tl {
namespace {

// A move draws its objects once into a picture of their own, unless that
// picture would be larger than this many windows (a high zoom): then each
// step draws them afresh.
constexpr int64_t kLayerWindows = 2;

QRect ClientRect(const ScreenView& view) { return QRect(QPoint(0, 0), view.ClientSize); }

// Where an object reaches on the device, marks included.
QRect ObjectExtent(const LayoutObject& o, const PageDrawContext& c) {
  QRect r = c.Map(ObjectArea(o));
  if (const ImageObject* image = AsImage(&o); image && !image->OuterRect.IsEmpty()) r |= c.Map(image->OuterRect);
  if (const FreeLineObject* line = AsFreeLine(&o)) r |= c.Map(FreeLineArea(*line));
  return r.adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach);
}

// The objects `view` shows, drawn by themselves over `area`, transparent
// around them. Pictures are drawn as opaque 32-bit RGB whatever their
// fourth byte holds, so the objects are drawn over black and over white
// and the difference gives each pixel's coverage.
QImage ObjectsAlone(LayoutDocument& d, const ScreenView& view, const QRect& area) {
  QImage overBlack(area.size(), QImage::Format_RGB32), overWhite(area.size(), QImage::Format_RGB32);
  if (overBlack.isNull() || overWhite.isNull()) return {};
  for (QImage* image : {&overBlack, &overWhite}) {
    image->fill(image == &overBlack ? Qt::black : Qt::white);
    QPainter painter(image);
    painter.translate(-area.topLeft());
    PageDrawContext c = ScreenDrawContext(d, view);
    c.sliceRect = area;
    DrawScreenObjects(painter, c);
  }
  QImage alone(area.size(), QImage::Format_ARGB32_Premultiplied);
  if (alone.isNull()) return {};
  for (int y = 0; y < area.height(); ++y) {
    const QRgb* black = reinterpret_cast<const QRgb*>(overBlack.constScanLine(y));
    const QRgb* white = reinterpret_cast<const QRgb*>(overWhite.constScanLine(y));
    QRgb* out = reinterpret_cast<QRgb*>(alone.scanLine(y));
    for (int x = 0; x < area.width(); ++x) {
      const int alpha = 255 - std::clamp(qGreen(white[x]) - qGreen(black[x]), 0, 255);
      out[x] = qRgba(std::min(qRed(black[x]), alpha), std::min(qGreen(black[x]), alpha),
                     std::min(qBlue(black[x]), alpha), alpha);
    }
  }
  return alone;
}

bool OnPageShown(const LayoutObject& o, const PageDrawContext& c) {
  return c.document->Banner || PageOfY(*c.document, o.Origin.y) == c.firstPage;
}

}  // namespace

ViewPicture::Look ViewPicture::LookOf(const ScreenView& v) {
  Look look;
  look.ZoomNumerator = v.ZoomNumerator;
  look.ZoomDenominator = v.ZoomDenominator;
  look.Page = v.CurrentPage;
  look.Client = v.ClientSize;
  look.Scroll = v.Scroll;
  look.DpiX = v.DpiX;
  look.DpiY = v.DpiY;
  look.Rulers = v.ShowRulers;
  look.Grid = v.ShowGrid;
  look.Pitch = v.GridPitch;
  look.Focus = v.FocusColor;
  return look;
}

void ViewPicture::Invalidate() { stale_ = QRegion(QRect(QPoint(0, 0), image_.size())); }

void ViewPicture::Invalidate(const QRect& area) { stale_ += area & QRect(QPoint(0, 0), image_.size()); }

QRegion ViewPicture::Refresh(LayoutDocument& d, const ScreenView& view) {
  const Look look = LookOf(view);
  if (!(look == look_) || image_.size() != view.ClientSize) {
    look_ = look;
    image_ = view.ClientSize.isEmpty() ? QImage() : QImage(view.ClientSize, QImage::Format_RGB32);
    Invalidate();
  }
  if (image_.isNull() || stale_.isEmpty()) return {};
  const QRegion drawn = stale_;
  stale_ = QRegion();
  QPainter painter(&image_);
  painter.setClipRegion(drawn);
  PageDrawContext c = ScreenDrawContext(d, view);
  // Objects whose marks reach into the stale part are drawn; others are
  // skipped before anything is made for them.
  c.sliceRect = drawn.boundingRect().adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach);
  DrawPage(painter, c);
  return drawn;
}

QRect ViewPicture::MoverExtent(const PageDrawContext& c) const {
  QRect extent;
  for (const LayoutObject* o : movers_)
    if (OnPageShown(*o, c)) extent |= ObjectExtent(*o, c);
  return extent;
}

void ViewPicture::BeginDrag(LayoutDocument& d, const ScreenView& view, const ViewDrag& drag) {
  EndDrag();
  Refresh(d, view);
  if (image_.isNull()) return;
  for (const DragOrigin& o : drag.Objects) movers_.insert(o.Object);

  ScreenView without = view;
  without.ObjectShown = [this](const LayoutObject& o) { return !IsMover(o); };
  background_ = QImage(image_.size(), QImage::Format_RGB32);
  if (background_.isNull()) {
    EndDrag();
    return;
  }
  {
    QPainter painter(&background_);
    PageDrawContext c = ScreenDrawContext(d, without);
    DrawPage(painter, c);
  }

  const PageDrawContext c = ScreenDrawContext(d, view);
  shown_ = MoverExtent(c) & ClientRect(view);
  if (drag.Kind != DragKind::Move) return;
  const QRect area = MoverExtent(c) & c.printableRect;
  const int64_t most = kLayerWindows * int64_t(image_.width()) * image_.height();
  if (area.isEmpty() || int64_t(area.width()) * area.height() > most) return;
  layerAt_ = area.topLeft();
  ScreenView only = view;
  only.ObjectShown = [this](const LayoutObject& o) { return IsMover(o); };
  only.SelectionMarks = false;
  layer_ = ObjectsAlone(d, only, area);
}

QRect ViewPicture::ShowDrag(LayoutDocument& d, const ScreenView& view, const ViewDrag& drag) {
  if (!InDrag() || image_.size() != view.ClientSize) return {};
  PageDrawContext c = ScreenDrawContext(d, view);
  const QRect now = MoverExtent(c) & ClientRect(view);
  const QRect changed = shown_ | now;
  shown_ = now;
  if (changed.isEmpty()) return {};
  composed_ = true;
  QPainter painter(&image_);
  painter.setClipRect(changed);
  painter.drawImage(changed.topLeft(), background_, changed);
  painter.setClipRect(changed & c.printableRect);
  if (!layer_.isNull()) {
    // The objects moved as one: their picture moves by the offset.
    const QPoint shift(int(std::lround(c.PixelsX(drag.Offset.cx))), int(std::lround(c.PixelsY(drag.Offset.cy))));
    painter.drawImage(layerAt_ + shift, layer_);
    for (LayoutObject* o : d.Objects)
      if (IsMover(*o) && OnPageShown(*o, c)) DrawSelectionMarks(painter, *o, c);
  } else {
    ScreenView only = view;
    only.ObjectShown = [this](const LayoutObject& o) { return IsMover(o); };
    PageDrawContext oc = ScreenDrawContext(d, only);
    oc.sliceRect = changed;
    DrawScreenObjects(painter, oc);
  }
  return changed;
}

void ViewPicture::EndDrag() {
  if (composed_) Invalidate();
  composed_ = false;
  background_ = QImage();
  layer_ = QImage();
  movers_.clear();
  shown_ = QRect();
}

}  // namespace tl
