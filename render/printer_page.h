// The printer path: one printer page of a document, drawn at the printer's
// resolution relative to the physical corner of the paper. A normal layout
// prints one layout page per printer page; a banner (one long page) prints
// in slices of one sheet each, down the banner, or across it for a banner
// laid out in landscape. Images are decoded again at print quality, no
// larger than they are printed, matched for output, and drawn smoothly.
//
// The entry point serves any QPaintDevice: a QPdfWriter page, an image in
// the tests, the print job's device.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <cstdint>

#include "document/layout_document.h"
#include "render/page_draw_context.h"

namespace tl {

struct PrinterPage {
  int32_t Index = 0;         // the printer page, counted from 0
  double ResolutionX = 300;  // device pixels per inch
  double ResolutionY = 300;
  QSize PhysicalSize;        // the sheet, device pixels
  QPoint PhysicalOffset;     // of the device origin from the sheet's corner
};

// A banner laid out across the width prints in slices from left to right.
bool IsAcrossBanner(const LayoutDocument& document);

// How many printer pages the document takes on sheets of `sheet`'s size:
// its page count, or for a banner the banner length over the sheet length,
// rounded up.
int32_t PrinterPageCount(const LayoutDocument& document, const PrinterPage& sheet);

PageDrawContext PrinterDrawContext(LayoutDocument& document, const PrinterPage& page,
                                   const DrawServices& services = {});

// Draws printer page `page.Index` onto `painter`, whose device coordinates
// start at the printable corner of the sheet.
void DrawPrinterPage(QPainter& painter, LayoutDocument& document, const PrinterPage& page,
                     const DrawServices& services = {});

}  // namespace tl
