#include "render/image_object_drawing.h"

#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "document/message_box.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "layout/image_geometry.h"
#include "render/bitmap_image.h"
#include "render/image_fitting.h"
#include "render/image_stamp.h"
#include "render/print_decodes.h"
#include "render/qt_colors.h"

namespace tl {
namespace {

constexpr int kNotEnoughMemoryMessage = 10413;

// The decode a printer needs: the whole picture at the scale at which its
// shown part is printed, never above its own size (null: its own size).
std::optional<LSize> PrintDecodeSize(const PictureFit& fit, QSizeF picture) {
  const double scale = std::max(fit.target.width() / fit.source.width(), fit.target.height() / fit.source.height());
  if (scale >= 1.0) return std::nullopt;
  return LSize{std::max(1, int32_t(std::ceil(picture.width() * scale))),
               std::max(1, int32_t(std::ceil(picture.height() * scale)))};
}

// The pixels to draw and the mask beside them, owned here when decoded for
// this draw, borrowed from the image when they are its preview.
struct Pixels {
  BitmapPtr decoded;
  BitmapPtr decodedMask;
  const OffscreenBitmap* bitmap = nullptr;
  const OffscreenBitmap* mask = nullptr;
};

bool PreviewPixels(ImageObject& image, Pixels& out) {
  if (!image.Preview) {
    // A preview found missing is made again, as when the image came in.
    BitmapPtr mask;
    BitmapPtr preview = MakePreview(image, &mask);
    if (!preview) return false;
    image.Preview = std::move(preview);
    image.PreviewMask = std::move(mask);
  }
  out.bitmap = image.Preview.get();
  out.mask = image.PreviewMask.get();
  return true;
}

bool PrintPixels(ImageObject& image, const PictureFit& fit, QSizeF picture, PageDrawContext& c, Pixels& out) {
  const std::optional<LSize> size = PrintDecodeSize(fit, picture);
  PrintDecode decode;
  if (c.printDecodes) {
    decode = c.printDecodes->Take(image, size);
  } else {
    decode.Pixels = DecodeImagePixels(image, kMatchOutput, size ? &*size : nullptr, &decode.Mask,
                                      c.services.Matcher, decode.Message);
  }
  if (!decode.Pixels) {
    ShowMessage(decode.Message ? decode.Message : kNotEnoughMemoryMessage, MessageIcon::Stop);
    return false;
  }
  out.decoded = std::move(decode.Pixels);
  out.decodedMask = std::move(decode.Mask);
  out.bitmap = out.decoded.get();
  out.mask = out.decodedMask.get();
  return true;
}

void DrawPicture(QPainter& p, const Pixels& px, const PictureFit& fit, QSizeF picture, bool printer) {
  const QImage image = DrawableImage(*px.bitmap, px.mask);
  if (image.isNull()) return;
  // The bitmap need not have the picture's size (previews are made for the
  // frame), nor even its proportions.
  const double sx = px.bitmap->Width / picture.width(), sy = px.bitmap->Height / picture.height();
  const QRectF source(fit.source.left() * sx, fit.source.top() * sy, fit.source.width() * sx,
                      fit.source.height() * sy);
  // Smooth on paper; on screen only where the picture shrinks, so that
  // enlarged previews stay crisp and fast.
  const bool smooth = printer || fit.target.width() < source.width() || fit.target.height() < source.height();
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  p.drawImage(QRectF(fit.target), image, source);
  p.restore();
}

void DrawFrameRing(QPainter& p, const ImageObject& image, const QRect& object, const QRect& inner) {
  if (!image.FrameColorValid || image.FrameSetting == 0) return;
  const QRegion ring = QRegion(object).xored(QRegion(inner));
  for (const QRect& r : ring) p.fillRect(r, ToQColor(image.FrameColor));
}

void DrawCropFrame(QPainter& p, const ImageObject& image, const PictureFit& fit, QSizeF picture) {
  const QRectF crop = MapPictureRect(fit, ShownCropRect(image, picture));
  const QRect r = crop.toRect() & fit.inner;
  if (r.width() <= 0 || r.height() <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(image.CropFrameColor), 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.restore();
}

}  // namespace

QRect FrameInnerRect(const ImageObject& image, const PageDrawContext& c) {
  const int64_t x = image.Origin.x, y = image.Origin.y;
  const QPoint topLeft(c.MapX(x + image.FrameRect.left), c.MapY(y + image.FrameRect.top));
  const QPoint bottomRight(c.MapX(x + image.Size.cx - image.FrameRect.right) - 1,
                           c.MapY(y + image.Size.cy - image.FrameRect.bottom) - 1);
  return QRect(topLeft, bottomRight);
}

bool PrintDecodeRequest(const ImageObject& image, const QRect& object, const PageDrawContext& c,
                        std::optional<LSize>& size) {
  const QSizeF picture = ShownPictureSize(image, nullptr);
  const PictureFit fit = FitPicture(image, FrameInnerRect(image, c) & object, picture);
  if (fit.target.isEmpty()) return false;
  size = PrintDecodeSize(fit, picture);
  return true;
}

void DrawImageObject(QPainter& p, ImageObject& image, const QRect& object, PageDrawContext& c) {
  const QRect inner = FrameInnerRect(image, c) & object;
  const QSizeF picture = ShownPictureSize(image, image.Preview.get());
  const PictureFit fit = FitPicture(image, inner, picture);
  if (!fit.target.isEmpty()) {
    Pixels px;
    const bool have = c.OnPrinter() ? PrintPixels(image, fit, picture, c, px) : PreviewPixels(image, px);
    if (have) DrawPicture(p, px, fit, picture, c.OnPrinter());
  }
  DrawFrameRing(p, image, object, inner);
  if (c.document->ImageStampInUse && !fit.target.isEmpty()) DrawImageStamp(p, image, fit.target, c);
  if (image.CropMode == kCropDrawFrame && !fit.target.isEmpty()) DrawCropFrame(p, image, fit, picture);
}

}  // namespace tl
