// ViewGeometry: the one place where a layout view's device pixels and the
// layout's units meet, for one page, zoom, window size and scroll
// position. Drawing, hit testing, dragging and the rulers all map through
// it, so that what the view shows and what the mouse touches agree.
//
// Layout points are page-absolute (pages lie one below the other); the
// view shows the current page, shifted up into the window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

#include "document/layout_document.h"
#include "render/page_draw_context.h"
#include "render/screen_page.h"

namespace tl {

class ViewGeometry {
 public:
  ViewGeometry(LayoutDocument& document, const ScreenView& view);
  // The context points into this object: a copy would point into another.
  ViewGeometry(const ViewGeometry&) = delete;
  ViewGeometry& operator=(const ViewGeometry&) = delete;

  LayoutDocument& Document() const { return *context_.document; }
  const ScreenView& View() const { return view_; }
  // The draw context of the same mapping.
  const PageDrawContext& Context() const { return context_; }

  QPoint ToDevice(LPoint p) const { return context_.Map(p); }
  QRect ToDevice(const LRect& r) const { return context_.Map(r); }
  // The layout point under a device pixel, rounded to the nearest unit.
  LPoint ToLayout(QPoint device) const;
  // A movement of the pointer in layout units, each axis cut toward zero.
  LSize DeltaToLayout(QPoint delta) const;
  // A length in layout units as device pixels, rounded to the nearest.
  QPoint DeltaToDevice(LSize delta) const;

  // The paper and its printable part in device pixels.
  QRect Paper() const { return context_.paperRect; }
  QRect Printable() const { return context_.printableRect; }
  // The layout y of the top of the page shown.
  int32_t PageTop() const { return ClampedPageTop(); }
  // The page shown, page-absolute.
  LRect PageArea() const;
  // The part of the current page the window shows, relative to the page.
  LRect VisiblePageArea() const;
  // Whether a device point lies on the ruler bands (when they are shown).
  bool OnRulers(QPoint device) const;

 private:
  int32_t ClampedPageTop() const;

  ScreenView view_;
  PageDrawContext context_;
};

// How far the view scrolls: the page at the zoom with the paper's insets,
// its shadow and the ruler bands, less the client area; never negative.
QSize ScrollRange(const LayoutDocument& document, const ScreenView& view);

// The page in device pixels at the view's zoom.
QSize PagePixels(const LayoutDocument& document, const ScreenView& view);

}  // namespace tl
