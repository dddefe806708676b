#include "render/page_thumbnail.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "document/view_link.h"
#include "layout/arrange.h"
#include "layout/object_area.h"
#include "render/bitmap_image.h"
#include "render/cut_lines.h"
#include "render/draw_page.h"

namespace tl {
namespace {

// The page is drawn this large on its longer side, then scaled down
// smoothly, so that thin lines and small text leave a trace.
constexpr int kDrawnSide = 512;
// More cells than any page can show would only cost time.
constexpr int64_t kMaxCells = 2000;

// Thumbnails are drawn while a file is saved: invalid cut lines are left
// for the view to report.
class QuietCutLineNotice final : public CutLineNotice {
 protected:
  void Show() override {}
};

PageDrawContext ThumbnailContext(LayoutDocument& d, QuietCutLineNotice& notice) {
  PageDrawContext c;
  c.document = &d;
  c.device = DrawDevice::Thumbnail;
  c.services.CutLines = &notice;
  const double scale = double(kDrawnSide) / std::max(d.PageWidth, d.PageHeight);
  c.scaleX = c.scaleY = scale;
  c.firstPage = c.lastPage = d.View ? std::max(0, d.View->CurrentPage()) : 0;
  if (!d.Banner) c.shiftY = int64_t(c.firstPage) * d.PageHeight;
  c.SetPageRects();
  c.printableRect = c.printMarginRect & c.layoutMarginRect;
  c.sliceRect = c.paperRect;
  return c;
}

}  // namespace

std::vector<LRect> TemplateCells(const LayoutDocument& d) {
  std::vector<LRect> cells;
  if (d.Free || !d.DefaultImageSettings) return cells;
  const LSize box = d.DefaultImageSettings->Size;
  const LRect& area = d.PrintableRect;
  if (box.cx <= 0 || box.cy <= 0 || area.IsEmpty()) return cells;
  DocumentPtr scratch(DocumentNew(&d, nullptr));
  if (!scratch) return cells;
  // Enough boxes to overfill the first page.
  const int64_t across = area.Width() / (int64_t(box.cx) + std::max(0, d.AlignHorizontalSpacing)) + 1;
  const int64_t down = area.Height() / (int64_t(box.cy) + std::max(0, d.AlignVerticalSpacing)) + 1;
  const int64_t count = std::min(kMaxCells, across * down + 1);
  for (int64_t i = 0; i < count; ++i) {
    ImageObject* image = ImageObjectNew(scratch->DefaultImageSettings, &scratch->Objects);
    if (!image) return cells;
    image->Size = box;
  }
  scratch->RecordState = kRecordLive;
  ArrangeLayout(*scratch);
  for (const LayoutObject* o : scratch->Objects)
    if (PageOfY(*scratch, o->Origin.y) == 0) cells.push_back(ObjectArea(*o));
  return cells;
}

bool RenderPageThumbnail(LayoutDocument& d, OffscreenBitmap& preview) {
  if (d.PageWidth <= 0 || d.PageHeight <= 0 || !preview.Pixels || preview.Width <= 0 || preview.Height <= 0)
    return false;
  QuietCutLineNotice notice;
  PageDrawContext c = ThumbnailContext(d, notice);
  QImage page(c.paperRect.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  if (page.isNull()) return false;
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(-c.paperRect.topLeft());
    DrawPage(painter, c);
  }
  const QImage small = page.scaled(preview.Width, preview.Height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage target(preview.Pixels.get(), preview.Width, preview.Height, qsizetype(preview.RowBytes()),
                QImage::Format_RGB32);
  QPainter painter(&target);
  painter.drawImage(QPoint((preview.Width - small.width()) / 2, (preview.Height - small.height()) / 2), small);
  return true;
}

LayoutPreviewRenderer PageThumbnailRenderer() {
  return [](const LayoutDocument& document, OffscreenBitmap& preview) {
    // Drawing touches only what it derives afresh at every draw (the
    // composed header and footer texts, the stamp picture it reads once).
    return RenderPageThumbnail(const_cast<LayoutDocument&>(document), preview);
  };
}

}  // namespace tl
