// Where an image object's picture goes inside its frame: the inner
// rectangle (the object rectangle inset by the frame widths), the part of
// the picture that is shown (the whole picture or the kept part of a crop),
// and the fitting rule that brings one into the other:
//   none      the inner rectangle shrinks to the picture's proportions,
//             centred;
//   AutoCrop  the picture's shown part shrinks to the inner rectangle's
//             proportions, centred;
//   AutoFit   the picture's shown part is stretched into the inner
//             rectangle (its frame already has the picture's proportions).
// Picture coordinates are pixels of the picture as it is shown (turned and
// mirrored), over the whole uncropped picture.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSizeF>

namespace tl {

struct ImageObject;
struct OffscreenBitmap;

struct PictureFit {
  QRect inner;     // device pixels
  QRect target;    // device pixels the picture fills
  QRectF source;   // picture pixels drawn into `target`
};

// The picture's size as shown, from its description; `fallback` (a preview
// or decoded bitmap) serves when the description has no size.
QSizeF ShownPictureSize(const ImageObject& image, const OffscreenBitmap* fallback);

// The crop rectangle in picture coordinates; the whole picture when the
// crop area is empty or lies outside it.
QRectF ShownCropRect(const ImageObject& image, QSizeF picture);

// The fit of a picture of `picture` size into the inner rectangle `inner`
// (device pixels) by the image's fitting rule. An empty target means
// nothing is drawn.
PictureFit FitPicture(const ImageObject& image, const QRect& inner, QSizeF picture);

// Where a rectangle of picture coordinates lands on the device under `fit`.
QRectF MapPictureRect(const PictureFit& fit, const QRectF& pictureRect);

}  // namespace tl
