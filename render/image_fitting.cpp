#include "render/image_fitting.h"

#include <cmath>

#include "document/layout_object.h"
#include "imaging/offscreen_bitmap.h"
#include "layout/image_geometry.h"
#include "layout/orientation.h"

namespace tl {
namespace {

QRect RoundedRect(double left, double top, double width, double height) {
  const int l = int(std::lround(left)), t = int(std::lround(top));
  return QRect(QPoint(l, t), QPoint(int(std::lround(left + width)) - 1, int(std::lround(top + height)) - 1));
}

// `r` shrunk along one axis to the proportions width : height, centred.
QRectF ShrinkToAspect(const QRectF& r, double width, double height) {
  if (width <= 0 || height <= 0 || r.isEmpty()) return r;
  if (width * r.height() > height * r.width()) {
    const double h = r.width() * height / width;
    return QRectF(r.left(), r.top() + (r.height() - h) / 2, r.width(), h);
  }
  const double w = r.height() * width / height;
  return QRectF(r.left() + (r.width() - w) / 2, r.top(), w, r.height());
}

}  // namespace

QSizeF ShownPictureSize(const ImageObject& image, const OffscreenBitmap* fallback) {
  const LSize shown = ShownPixelSize(image);
  if (shown.cx > 0 && shown.cy > 0) return QSizeF(shown.cx, shown.cy);
  if (fallback && fallback->Width > 0 && fallback->Height > 0) return QSizeF(fallback->Width, fallback->Height);
  return {};
}

QRectF ShownCropRect(const ImageObject& image, QSizeF picture) {
  const QRectF whole(QPointF(0, 0), picture);
  const int32_t w = image.ImageDesc.Width(), h = image.ImageDesc.Height();
  if (w <= 0 || h <= 0) return whole;
  const LRect& cut = image.CropArea;  // pixels cut away at each edge of the file's picture
  const LRect kept = {cut.left, cut.top, w - cut.right, h - cut.bottom};
  if (kept.IsEmpty()) return whole;
  const LRect shown = MapRect(OrientationOf(image.RotateFlip), kept, {w, h});
  // The description and the bitmap at hand may differ in size (a preview).
  const QSize file = IsQuarterTurned(image.RotateFlip) ? QSize(h, w) : QSize(w, h);
  const double sx = picture.width() / file.width(), sy = picture.height() / file.height();
  const QRectF r = QRectF(shown.left * sx, shown.top * sy, shown.Width() * sx, shown.Height() * sy) & whole;
  return r.isEmpty() ? whole : r;
}

PictureFit FitPicture(const ImageObject& image, const QRect& inner, QSizeF picture) {
  PictureFit fit;
  fit.inner = inner;
  if (inner.isEmpty() || picture.isEmpty()) return fit;
  fit.source = image.CropMode == kCropCut ? ShownCropRect(image, picture) : QRectF(QPointF(0, 0), picture);
  const QRectF box(inner);
  switch (EffectiveImageOptionFor(image)) {
    case kAutoCrop: {
      fit.source = ShrinkToAspect(fit.source, box.width(), box.height());
      fit.target = inner;
      break;
    }
    case kAutoFit: fit.target = inner; break;
    default: {
      const QRectF t = ShrinkToAspect(box, fit.source.width(), fit.source.height());
      fit.target = RoundedRect(t.left(), t.top(), t.width(), t.height()) & inner;
      break;
    }
  }
  return fit;
}

QRectF MapPictureRect(const PictureFit& fit, const QRectF& r) {
  if (fit.source.isEmpty()) return {};
  const double sx = fit.target.width() / fit.source.width();
  const double sy = fit.target.height() / fit.source.height();
  return QRectF(fit.target.left() + (r.left() - fit.source.left()) * sx,
                fit.target.top() + (r.top() - fit.source.top()) * sy, r.width() * sx, r.height() * sy);
}

}  // namespace tl
