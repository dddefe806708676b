#include "render/bitmap_image.h"


namespace tl {
namespace {

constexpr int kMaskByte = 1;  // the mask's gray value, read from its green byte

}  // namespace

QImage BitmapImage(const OffscreenBitmap& pixels) {
  if (!pixels.Pixels || pixels.Width <= 0 || pixels.Height <= 0) return {};
  return QImage(pixels.Pixels.get(), pixels.Width, pixels.Height, qsizetype(pixels.RowBytes()),
                QImage::Format_RGB32);
}

QImage DrawableImage(const OffscreenBitmap& pixels, const OffscreenBitmap* mask) {
  if (!mask || !mask->Pixels || mask->Width != pixels.Width || mask->Height != pixels.Height)
    return BitmapImage(pixels);
  QImage image(pixels.Width, pixels.Height, QImage::Format_ARGB32);
  if (image.isNull()) return {};
  for (int32_t y = 0; y < pixels.Height; ++y) {
    const uint8_t* in = pixels.Row(y);
    const uint8_t* m = mask->Row(y);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int32_t x = 0; x < pixels.Width; ++x, in += 4, m += 4)
      out[x] = qRgba(in[2], in[1], in[0], 255 - m[kMaskByte]);
  }
  return image;
}

}  // namespace tl
