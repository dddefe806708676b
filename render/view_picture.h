// The layout view's picture of its window: the page as it was last drawn,
// drawn again only where it went stale, so that an expose, a ruler mark or
// a repainted object costs no more than its own area. During a drag the
// page is kept without the objects that move, and each step draws them
// over it (a move shifts one picture of them taken when the drag began),
// so a step repaints only where they were and where they are, and never
// draws the rest of the page again.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <unordered_set>

#include "document/layout_document.h"
#include "render/screen_page.h"
#include "render/view_drag.h"

namespace tl {

class ViewPicture {
 public:
  // Marks the whole picture, or an area of the window, as stale.
  void Invalidate();
  void Invalidate(const QRect& area);

  // Brings the picture up to date for the view's state: all of it when the
  // zoom, page, scroll position, window size or view flags changed, else
  // its stale parts. Returns what was drawn again. A picture that cannot
  // be had stays null, and the view then draws straight to the window.
  QRegion Refresh(LayoutDocument& document, const ScreenView& view);
  const QImage& Image() const { return image_; }

  // A drag begins: the page is drawn once without the dragged objects (and,
  // for a move, the dragged objects once by themselves).
  void BeginDrag(LayoutDocument& document, const ScreenView& view, const ViewDrag& drag);
  // Draws the dragged objects where they are now; returns the part of the
  // window that changed.
  QRect ShowDrag(LayoutDocument& document, const ScreenView& view, const ViewDrag& drag);
  // The drag is over: the whole picture is drawn again at the next refresh
  // when the drag drew anything.
  void EndDrag();
  bool InDrag() const { return !background_.isNull(); }

 private:
  // What decides the look of the picture besides the document.
  struct Look {
    int32_t ZoomNumerator = 0, ZoomDenominator = 0, Page = -1;
    QSize Client;
    QPoint Scroll;
    double DpiX = 0, DpiY = 0;
    bool Rulers = false, Grid = false;
    LSize Pitch;
    ColorRef Focus = 0;
    friend bool operator==(const Look&, const Look&) = default;
  };
  static Look LookOf(const ScreenView& view);
  bool IsMover(const LayoutObject& object) const { return movers_.count(&object) != 0; }
  // Where the dragged objects on the page shown reach, with their marks.
  QRect MoverExtent(const PageDrawContext& context) const;

  QImage image_;
  QRegion stale_;
  Look look_;

  QImage background_;  // the page without the dragged objects
  QImage layer_;       // a move: the dragged objects alone, transparent around
  QPoint layerAt_;
  QRect shown_;  // where the dragged objects were drawn last
  bool composed_ = false;  // a step drew over the picture
  std::unordered_set<const LayoutObject*> movers_;
};

}  // namespace tl
