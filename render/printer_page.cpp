#include "render/printer_page.h"

#include <algorithm>
#include <cmath>

#include "render/draw_page.h"

namespace tl {
namespace {

// The banner's length and the sheet's along it, in device pixels.
int64_t BannerLength(const LayoutDocument& d, const PrinterPage& p) {
  return IsAcrossBanner(d) ? std::llround(d.PageWidth * p.ResolutionX / kLayoutUnitsPerInch)
                           : std::llround(d.PageHeight * p.ResolutionY / kLayoutUnitsPerInch);
}

int64_t SheetLength(const LayoutDocument& d, const PrinterPage& p) {
  return IsAcrossBanner(d) ? p.PhysicalSize.width() : p.PhysicalSize.height();
}

}  // namespace

bool IsAcrossBanner(const LayoutDocument& d) { return d.Banner && d.Orientation == kLandscape; }

int32_t PrinterPageCount(const LayoutDocument& d, const PrinterPage& sheet) {
  if (!d.Banner) return std::max<int32_t>(1, d.PageNumber);
  const int64_t along = SheetLength(d, sheet);
  if (along <= 0) return 1;
  return int32_t(std::max<int64_t>(1, (BannerLength(d, sheet) + along - 1) / along));
}

PageDrawContext PrinterDrawContext(LayoutDocument& d, const PrinterPage& page, const DrawServices& services) {
  PageDrawContext c;
  c.document = &d;
  c.device = DrawDevice::Printer;
  c.services = services;
  c.zoom = 1.0;
  c.scaleX = page.ResolutionX / kLayoutUnitsPerInch;
  c.scaleY = page.ResolutionY / kLayoutUnitsPerInch;
  c.firstPage = c.lastPage = std::max(0, page.Index);
  c.originX = -page.PhysicalOffset.x();
  c.originY = -page.PhysicalOffset.y();
  if (d.Banner) {
    // One long page, printed a sheet at a time.
    c.bannerSlice = true;
    if (IsAcrossBanner(d))
      c.originX -= int(int64_t(c.firstPage) * page.PhysicalSize.width());
    else
      c.originY -= int(int64_t(c.firstPage) * page.PhysicalSize.height());
  } else {
    // Each printer page shows its own layout page, wherever the sheet's
    // size rounds to on this device.
    c.shiftY = int64_t(c.firstPage) * d.PageHeight;
  }
  c.SetPageRects();
  c.printableRect = c.MapOnPage(d.PrintableRect);
  c.sliceRect = QRect(-page.PhysicalOffset, page.PhysicalSize);
  return c;
}

void DrawPrinterPage(QPainter& painter, LayoutDocument& d, const PrinterPage& page, const DrawServices& services) {
  PageDrawContext c = PrinterDrawContext(d, page, services);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  DrawPage(painter, c);
  painter.restore();
}

}  // namespace tl
