#include "render/draw_page.h"

#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "layout/object_area.h"
#include "render/cut_lines.h"
#include "render/free_line.h"
#include "render/free_text.h"
#include "render/header_footer.h"
#include "render/image_object_drawing.h"
#include "render/label_drawing.h"
#include "render/page_thumbnail.h"
#include "render/print_decodes.h"
#include "render/printer_page.h"
#include "render/qt_colors.h"
#include "render/screen_page.h"
#include "render/view_rulers.h"

namespace tl {
namespace {

// The view's colours.
constexpr ColorRef kGridColor = 0x808080;
constexpr ColorRef kPrinterMarginColor = 0x0000FF;  // red
constexpr ColorRef kLayoutMarginColor = 0x808080;
constexpr ColorRef kDeskColor = 0xB4B4B4;
constexpr ColorRef kShadowColor = 0x4D4D4D;

// A grid finer than this many pixels would only darken the page.
constexpr double kMinGridStep = 4.0;
// How far the printer's margin mask reaches past the paper on the sides.
constexpr int kPrinterMaskWidening = 5;

// A 1-pixel line along the boundary pixels of `r`.
void OutlineRect(QPainter& p, const QRect& r, ColorRef color) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(color), 0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.restore();
}

void PaintPaper(QPainter& p, const PageDrawContext& c) {
  p.fillRect(c.paperRect & c.layoutMarginRect, ToQColor(c.document->PaperColor));
}

void SetFrameTitle(const PageDrawContext& c) {
  if (c.screen && c.screen->SetFrameTitle) c.screen->SetFrameTitle(FrameTitle(*c.document, c.screen->UntitledNumber));
}

void DrawGrid(QPainter& p, const PageDrawContext& c) {
  const ScreenView& view = *c.screen;
  const QRect& r = c.printableRect;
  const double stepX = view.GridPitch.cx * c.scaleX * c.zoom;
  const double stepY = view.GridPitch.cy * c.scaleY * c.zoom;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(kGridColor), 0));
  const int bottom = r.top() + r.height(), right = r.left() + r.width();
  if (stepY > kMinGridStep)
    for (int k = 0;; ++k) {
      const int y = r.top() + int(std::lround(k * stepY));
      if (y >= bottom) break;
      p.drawLine(r.left(), y, right - 1, y);
    }
  if (stepX > kMinGridStep)
    for (int k = 1;; ++k) {
      const int x = r.left() + int(std::lround(k * stepX));
      if (x >= right) break;
      p.drawLine(x, r.top(), x, bottom - 1);
    }
  p.restore();
}

// Thumbnails show where images go rather than what they hold when there is
// nothing to show: a cell in the button-shadow colour.
void FillCell(QPainter& p, const QRect& r) { p.fillRect(r, ToQColor(kThumbnailCellColor)); }

bool HasImages(const LayoutDocument& d) {
  for (const LayoutObject* o : d.Objects)
    if (IsImage(o)) return true;
  return false;
}

void DrawImage(QPainter& p, ImageObject& image, const QRect& rect, PageDrawContext& c, const ScreenView* view) {
  if (c.device == DrawDevice::Thumbnail && !image.Preview) {
    FillCell(p, rect);
    return;
  }
  DrawImageObject(p, image, rect, c);
  if (!image.CaptionString.empty()) DrawCaption(p, image, rect, c);
  if (!image.LabelText.empty()) DrawLabel(p, image, rect, c);
  if (!view || !view->SelectionMarks) return;
  if (&image == c.document->CurrentImage) DrawFocusRect(p, rect, view->FocusColor);
  if (image.Selected) DrawBoxHandles(p, rect);
}

// The printer's decodes of the pictures this page will draw, queued in
// drawing order so that they can be made ahead of the drawing.
void QueuePrintDecodes(PageDrawContext& c, PrintDecodes& decodes) {
  for (LayoutObject* o : c.document->Objects) {
    ImageObject* image = AsImage(o);
    if (!image) continue;
    const QRect rect = c.Map(ObjectArea(*image));
    std::optional<LSize> size;
    if (rect.intersects(c.sliceRect) && PrintDecodeRequest(*image, rect, c, size)) decodes.Add(*image, size);
  }
}

void DrawObjects(QPainter& p, PageDrawContext& c) {
  LayoutDocument& d = *c.document;
  // Screen decorations belong to the view, never to a thumbnail.
  const ScreenView* view = c.device == DrawDevice::Screen ? c.screen : nullptr;
  const bool marks = view && view->SelectionMarks;
  // On screen only the current page is drawn, whatever reaches into it.
  const bool currentPageOnly = c.OnScreen() && !d.Banner;
  if (c.device == DrawDevice::Thumbnail && !HasImages(d))
    for (const LRect& cell : TemplateCells(d)) FillCell(p, c.Map(cell));

  for (LayoutObject* o : d.Objects) {
    if (currentPageOnly && PageOfY(d, o->Origin.y) != c.firstPage) continue;
    if (view && view->ObjectShown && !view->ObjectShown(*o)) continue;
    if (ImageObject* image = AsImage(o)) {
      const QRect rect = c.Map(ObjectArea(*image));
      if (rect.intersects(c.sliceRect)) DrawImage(p, *image, rect, c, view);
    } else if (FreeTextObject* text = AsFreeText(o)) {
      const QRect rect = c.Map(FreeTextArea(*text));
      if (!rect.intersects(c.sliceRect)) continue;
      DrawFreeText(p, *text, c);
      if (marks && text->Selected) DrawBoxHandles(p, rect);
    } else if (FreeLineObject* line = AsFreeLine(o)) {
      if (!c.Map(FreeLineArea(*line)).intersects(c.sliceRect)) continue;
      DrawFreeLine(p, *line, c);
      if (marks && line->Selected) DrawLineHandles(p, *line, c);
    }
  }
}

void FillBand(QPainter& p, const QRect& r) {
  if (r.width() > 0 && r.height() > 0) p.fillRect(r, Qt::white);
}

// White over the bands between the paper's edge and the printable area.
void MaskMargins(QPainter& p, const PageDrawContext& c) {
  QRect paper = c.paperRect;
  const QRect& inside = c.printableRect;
  if (c.OnPrinter()) paper.adjust(-kPrinterMaskWidening, 0, kPrinterMaskWidening, 0);
  const int right = paper.left() + paper.width(), bottom = paper.top() + paper.height();
  const int inRight = inside.left() + inside.width(), inBottom = inside.top() + inside.height();
  if (c.bannerSlice) {
    // Only the bands along the banner, across the whole sheet.
    const QRect& s = c.sliceRect;
    if (IsAcrossBanner(*c.document)) {
      FillBand(p, QRect(s.left(), paper.top(), s.width(), inside.top() - paper.top()));
      FillBand(p, QRect(s.left(), inBottom, s.width(), bottom - inBottom));
    } else {
      FillBand(p, QRect(paper.left(), s.top(), inside.left() - paper.left(), s.height()));
      FillBand(p, QRect(inRight, s.top(), right - inRight, s.height()));
    }
    return;
  }
  FillBand(p, QRect(paper.left(), paper.top(), paper.width(), inside.top() - paper.top()));
  FillBand(p, QRect(paper.left(), inBottom, paper.width(), bottom - inBottom));
  FillBand(p, QRect(paper.left(), inside.top(), inside.left() - paper.left(), inside.height()));
  FillBand(p, QRect(inRight, inside.top(), right - inRight, inside.height()));
}

void DrawDeskAndShadow(QPainter& p, const PageDrawContext& c) {
  const QRect client(QPoint(0, 0), c.screen->ClientSize);
  const QRegion desk = QRegion(client).subtracted(QRegion(c.paperRect));
  for (const QRect& r : desk) p.fillRect(r, ToQColor(kDeskColor));
  OutlineRect(p, c.paperRect, kBlack);
  const QRegion shadow = QRegion(c.shadowRect).subtracted(QRegion(c.paperRect));
  for (const QRect& r : shadow) p.fillRect(r, ToQColor(kShadowColor));
}

void DrawViewDecorations(QPainter& p, const PageDrawContext& c) {
  const LayoutDocument& d = *c.document;
  if (d.ShowLayoutMargins) OutlineRect(p, c.layoutMarginRect, kLayoutMarginColor);
  if (d.ShowPrintMargins) OutlineRect(p, c.printMarginRect, kPrinterMarginColor);
  if (c.device == DrawDevice::Screen && c.screen) {
    DrawDeskAndShadow(p, c);
    if (c.screen->ShowRulers) DrawRulers(p, c);
  }
}

}  // namespace

void DrawScreenObjects(QPainter& painter, PageDrawContext& c) {
  if (!c.document) return;
  painter.save();
  DrawObjects(painter, c);
  painter.restore();
}

void DrawSelectionMarks(QPainter& p, LayoutObject& o, const PageDrawContext& c) {
  const ColorRef focus = c.screen ? c.screen->FocusColor : kBlack;
  if (ImageObject* image = AsImage(&o)) {
    const QRect rect = c.Map(ObjectArea(*image));
    if (image == c.document->CurrentImage) DrawFocusRect(p, rect, focus);
    if (image->Selected) DrawBoxHandles(p, rect);
  } else if (FreeTextObject* text = AsFreeText(&o); text && text->Selected) {
    DrawBoxHandles(p, c.Map(FreeTextArea(*text)));
  } else if (FreeLineObject* line = AsFreeLine(&o); line && line->Selected) {
    DrawLineHandles(p, *line, c);
  }
}

void DrawPage(QPainter& painter, PageDrawContext& c) {
  if (!c.document) return;
  LayoutDocument& d = *c.document;
  painter.save();
  PaintPaper(painter, c);
  if (c.device == DrawDevice::Screen) {
    SetFrameTitle(c);
    if (c.screen && c.screen->ShowGrid && d.Free) DrawGrid(painter, c);
  }
  if (d.CutLineMode != kCutLineOff) DrawCutLines(painter, c);
  PrintDecodes decodes(c.services.Matcher);
  if (c.OnPrinter()) {
    QueuePrintDecodes(c, decodes);
    c.printDecodes = &decodes;
  }
  DrawObjects(painter, c);
  c.printDecodes = nullptr;
  ComposeHeaderFooter(d, c.services.PrintInfo);
  DrawHeaderFooter(painter, c);
  MaskMargins(painter, c);
  if (c.OnScreen()) DrawViewDecorations(painter, c);
  painter.restore();
}

}  // namespace tl
