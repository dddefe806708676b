// The picture pane of the image preview window: the picture at the chosen
// zoom ("All": fitted to the pane) over the button-face colour, centred
// when smaller than the pane, with scroll bars when larger. The wheel asks
// for the next zoom step instead of scrolling.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <map>

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"
#include "render/preview_zoom.h"

namespace tl {

class CPreviewPane : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CPreviewPane(QWidget* parent = nullptr);

  // The picture decoded to fit the pane, then the one at full size; each
  // replaces what was shown before of its kind. `size` is the full
  // picture's size.
  void SetFitted(BitmapPtr pixels, BitmapPtr mask);
  void SetFull(BitmapPtr pixels, BitmapPtr mask);
  void SetPictureSize(LSize size);
  void Clear();
  bool HasFullPicture() const { return !full_.image.isNull(); }
  bool HasPicture() const { return !fitted_.image.isNull() || !full_.image.isNull(); }

  void SetZoom(const PreviewZoom& zoom);
  // The room the picture has, without scroll bars.
  LSize PaneSize() const;
  // Where the picture lies in the pane's viewport.
  QRect PictureRect() const;

 signals:
  void ZoomInRequested();
  void ZoomOutRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  struct Picture {
    BitmapPtr pixels;
    BitmapPtr mask;
    QImage image;  // drawn; reads `pixels` unless a mask made it a copy
  };
  static Picture Make(BitmapPtr pixels, BitmapPtr mask);
  LSize Shown() const;
  // The full picture scaled to the zoom, made once per zoom.
  const QImage& Scaled();
  void UpdateScrollBars();

  Picture fitted_;
  Picture full_;
  LSize pictureSize_;
  PreviewZoom zoom_;
  std::map<int, QImage> scaled_;  // per zoom item
};

}  // namespace tl
