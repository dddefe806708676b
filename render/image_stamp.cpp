#include "render/image_stamp.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <new>

#include "color/image_color_settings.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "layout/orientation.h"
#include "render/bitmap_image.h"

namespace tl {
namespace {

// Screen previews of a stamp are made no larger than this on their longer
// side: a stamp is a small mark, and its preview lives with the document.
constexpr int32_t kStampPreviewSide = 1024;

LSize PreviewBox(const ImageObject& stamp) {
  const int32_t w = stamp.ImageDesc.Width(), h = stamp.ImageDesc.Height();
  const int32_t longer = std::max(w, h);
  if (longer <= kStampPreviewSide) return {w, h};
  return {std::max(1, int32_t(int64_t(w) * kStampPreviewSide / longer)),
          std::max(1, int32_t(int64_t(h) * kStampPreviewSide / longer))};
}

void ReadStamp(ImageObject& stamp, LayoutDocument& d) {
  if (!ReadImageHeader(stamp, d.ImageStampFileName)) return;
  ApplyInputColorSettings(stamp, d);
  stamp.Size = PreviewBox(stamp);
  BitmapPtr mask;
  BitmapPtr preview = MakePreview(stamp, &mask);
  stamp.Preview = std::move(preview);
  stamp.PreviewMask = std::move(mask);
}

// The stamp's picture for this draw: its preview on screen; on a printer a
// decode at the printed size, kept for the next image of the same size.
QImage StampImage(ImageObject& stamp, QSize printed, PageDrawContext& c) {
  if (!c.OnPrinter()) return DrawableImage(*stamp.Preview, stamp.PreviewMask.get());
  const QSize own(stamp.ImageDesc.Width(), stamp.ImageDesc.Height());
  const QSize wanted = printed.width() * printed.height() < own.width() * own.height() ? printed : own;
  if (c.stampRequest != wanted || c.stampPicture.isNull()) {
    const LSize size = {std::max(1, wanted.width()), std::max(1, wanted.height())};
    BitmapPtr mask;
    BitmapPtr pixels = LoadImagePixels(stamp, kMatchOutput, &size, &mask, c.services.Matcher);
    // The image must own its pixels: the bitmaps go when this returns.
    c.stampPicture = pixels ? DrawableImage(*pixels, mask.get()).copy() : QImage();
    c.stampRequest = wanted;
  }
  return c.stampPicture;
}

// The stamp's rectangle in the picture's own (unturned) frame, device
// pixels from its top-left corner.
QRectF ManualStampRect(const LayoutDocument& d, const PageDrawContext& c, QSizeF stampPixels) {
  QRectF r(c.PixelsX(d.ImageStampPosition.x), c.PixelsY(d.ImageStampPosition.y), c.PixelsX(d.ImageStampSize.cx),
           c.PixelsY(d.ImageStampSize.cy));
  if (d.ImageStampConstrainPropotion && !stampPixels.isEmpty() && !r.isEmpty()) {
    // Shrunk along one axis to the picture's proportions; the corner stays.
    const double aspect = stampPixels.width() / stampPixels.height();
    if (r.width() > r.height() * aspect)
      r.setWidth(r.height() * aspect);
    else
      r.setHeight(r.width() / aspect);
  }
  return r;
}

}  // namespace

ImageObject* ImageStampPicture(LayoutDocument& d) {
  if (d.ImageStampFileName.empty()) return nullptr;
  if (!d.ImageStampImage || d.ImageStampImage->ImagePath != d.ImageStampFileName) {
    std::shared_ptr<ImageObject> stamp(new (std::nothrow) ImageObject());
    if (!stamp) return nullptr;
    stamp->Owner = &d;
    ReadStamp(*stamp, d);
    // Kept under its name even when unread, so the file is not read again
    // at every draw.
    stamp->ImagePath = d.ImageStampFileName;
    d.ImageStampImage = std::move(stamp);
  }
  // A copied document shares the picture; colour matching reads the owner.
  d.ImageStampImage->Owner = &d;
  return d.ImageStampImage->Preview ? d.ImageStampImage.get() : nullptr;
}

void DrawImageStamp(QPainter& p, const ImageObject& image, const QRect& pictureRect, PageDrawContext& c) {
  LayoutDocument& d = *c.document;
  ImageObject* stamp = ImageStampPicture(d);
  if (!stamp || pictureRect.isEmpty()) return;
  const QSizeF stampPixels(stamp->ImageDesc.Width(), stamp->ImageDesc.Height());

  // Destination in the picture's own frame, then turned with the picture.
  const Orientation turn = {OrientationOf(image.RotateFlip).quarterTurns, false};
  const bool quarter = turn.quarterTurns % 2 != 0;
  const QSizeF own = quarter ? QSizeF(pictureRect.height(), pictureRect.width()) : QSizeF(pictureRect.size());
  const QRectF dest = d.ImageStampSettings == kStampAutomatic ? QRectF(QPointF(0, 0), QSizeF(pictureRect.size()))
                                                              : ManualStampRect(d, c, stampPixels);
  if (dest.isEmpty()) return;
  const bool automatic = d.ImageStampSettings == kStampAutomatic;
  const QSize printed = QSize(int(std::ceil(dest.width())), int(std::ceil(dest.height())));
  const QImage picture = StampImage(*stamp, printed, c);
  if (picture.isNull()) return;

  // Where the stamp's box lies on the turned picture, and its direction.
  QRectF placed = dest;
  int quarterTurns = 0;
  if (!automatic) {
    const LRect box = {int32_t(std::lround(dest.left())), int32_t(std::lround(dest.top())),
                       int32_t(std::lround(dest.right())), int32_t(std::lround(dest.bottom()))};
    const LRect mapped = MapRect(turn, box, {int32_t(std::lround(own.width())), int32_t(std::lround(own.height()))});
    placed = QRectF(mapped.left, mapped.top, mapped.Width(), mapped.Height());
    quarterTurns = turn.quarterTurns;
  }
  p.save();
  p.setClipRect(pictureRect, Qt::IntersectClip);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.translate(pictureRect.left() + placed.center().x(), pictureRect.top() + placed.center().y());
  p.rotate(90.0 * quarterTurns);
  p.drawImage(QRectF(-dest.width() / 2, -dest.height() / 2, dest.width(), dest.height()), picture);
  p.restore();
}

}  // namespace tl
