// PageDrawContext: the scales and device rectangles of one draw of a page,
// made when the draw starts and dropped when it ends, and the mapping from
// layout units to device pixels that every drawing function shares.
//
// A layout value v becomes v x zoom x scale device pixels, rounded to the
// nearest pixel. Before scaling, the layout offset of what the device shows
// is taken off (the current page on screen, the layout page or banner slice
// on a printer); after it, the device origin is added (the paper's place in
// the window, or minus the physical offset of the printable area).
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <cstdint>

#include "document/layout_document.h"

namespace tl {

class CutLineNotice;
class PixelMatcher;
class PrintDecodes;
struct PrintInformation;
struct ScreenView;

enum class DrawDevice {
  Screen,     // the layout view: previews, decorations, the current page
  Printer,    // a printer page: decoded pixels, slices, the widened mask
  Thumbnail,  // the page preview a layout file carries
};

// What a draw needs beyond the document and the device.
struct DrawServices {
  PixelMatcher* Matcher = nullptr;                 // output matching of printed pixels; null: none
  const PrintInformation* PrintInfo = nullptr;     // for the print information line; null: none
  CutLineNotice* CutLines = nullptr;               // null: the process-wide notice
};

struct PageDrawContext {
  LayoutDocument* document = nullptr;
  DrawDevice device = DrawDevice::Screen;
  double zoom = 1.0;
  double scaleX = 0;  // device pixels per layout unit at zoom 1
  double scaleY = 0;
  int32_t firstPage = 0;
  int32_t lastPage = 0;
  QRect paperRect;
  QRect printableRect;
  QRect sliceRect;   // printer: the sheet; screen: the client area
  QRect shadowRect;  // screen only
  int originX = 0;
  int originY = 0;
  QRect layoutMarginRect;
  QRect printMarginRect;

  // Layout units taken off before scaling.
  int64_t shiftX = 0;
  int64_t shiftY = 0;
  // A printer page that is one slice of a banner.
  bool bannerSlice = false;
  const ScreenView* screen = nullptr;  // screen only
  DrawServices services;

  // The print-quality decodes of the page's pictures (printer).
  PrintDecodes* printDecodes = nullptr;
  // The stamp picture decoded for this draw (printer), kept while the
  // images of the page ask for the same size.
  QImage stampPicture;
  QSize stampRequest;

  bool OnScreen() const { return device != DrawDevice::Printer; }
  bool OnPrinter() const { return device == DrawDevice::Printer; }

  // Lengths (widths, font sizes) in device pixels.
  double PixelsX(double layout) const { return layout * zoom * scaleX; }
  double PixelsY(double layout) const { return layout * zoom * scaleY; }

  // Positions.
  double MapXF(double x) const { return originX + (x - double(shiftX)) * zoom * scaleX; }
  double MapYF(double y) const { return originY + (y - double(shiftY)) * zoom * scaleY; }
  int MapX(int64_t x) const;
  int MapY(int64_t y) const;
  QPoint Map(LPoint p) const { return {MapX(p.x), MapY(p.y)}; }
  QPointF MapF(double x, double y) const { return {MapXF(x), MapYF(y)}; }
  // Each edge is mapped, so that rectangles that touch in layout units
  // touch on the device.
  QRect Map(const LRect& r) const;
  // A rectangle given relative to the page the device shows.
  QRect MapOnPage(const LRect& r) const;
  // The paper and its two margin rectangles on the page the device shows.
  void SetPageRects();
};

}  // namespace tl
