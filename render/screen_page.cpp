#include "render/screen_page.h"

#include <algorithm>
#include <cmath>

#include "render/draw_page.h"
#include "render/text_format.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kUntitledString = 10031;  // "Untitled-%d"

// The paper's offset along one axis of the client area: 10 pixels, or
// centred when the client is more than 20 pixels longer than the page.
int PaperOffset(int client, int page) {
  if (client - page > 2 * kPaperInset) return (client - page) / 2;
  return kPaperInset;
}

}  // namespace

std::string FrameTitle(const LayoutDocument& d, int32_t untitledNumber) {
  if (d.DocumentPath.empty()) return FillPlaceholders(StringText(kUntitledString), {std::to_string(untitledNumber)});
  const size_t slash = d.DocumentPath.find_last_of('/');
  return slash == std::string::npos ? d.DocumentPath : d.DocumentPath.substr(slash + 1);
}

PageDrawContext ScreenDrawContext(LayoutDocument& d, const ScreenView& view, const DrawServices& services) {
  PageDrawContext c;
  c.document = &d;
  c.device = DrawDevice::Screen;
  c.screen = &view;
  c.services = services;
  c.zoom = view.ZoomDenominator > 0 && view.ZoomNumerator > 0 ? double(view.ZoomNumerator) / view.ZoomDenominator : 1.0;
  c.scaleX = view.DpiX / kLayoutUnitsPerInch;
  c.scaleY = view.DpiY / kLayoutUnitsPerInch;
  c.firstPage = c.lastPage = std::max(0, view.CurrentPage);

  const int pageWidth = int(std::lround(c.PixelsX(d.PageWidth)));
  const int pageHeight = int(std::lround(c.PixelsY(d.PageHeight)));
  const int rulers = view.ShowRulers ? kRulerBand : 0;
  const int left = PaperOffset(view.ClientSize.width() - rulers, pageWidth) + rulers;
  const int top = PaperOffset(view.ClientSize.height() - rulers, pageHeight) + rulers;
  c.originX = left - view.Scroll.x();
  c.originY = top - view.Scroll.y();
  if (!d.Banner) c.shiftY = int64_t(c.firstPage) * d.PageHeight;

  c.SetPageRects();
  c.printableRect = c.printMarginRect & c.layoutMarginRect;
  c.sliceRect = QRect(QPoint(0, 0), view.ClientSize);
  c.shadowRect = c.paperRect.translated(kShadowOffset, kShadowOffset);
  return c;
}

void DrawScreenPage(QPainter& painter, LayoutDocument& d, const ScreenView& view, const DrawServices& services) {
  PageDrawContext c = ScreenDrawContext(d, view, services);
  DrawPage(painter, c);
}

QImage RenderScreenPage(LayoutDocument& d, const ScreenView& view, const QRect& clip, const DrawServices& services) {
  if (clip.isEmpty()) return {};
  QImage image(clip.size(), QImage::Format_RGB32);
  if (image.isNull()) return {};
  QPainter painter(&image);
  painter.translate(-clip.topLeft());
  painter.setClipRect(clip);
  // Patterns line up with the window, as if the whole client were drawn.
  painter.setBrushOrigin(QPoint(clip.left() & ~7, clip.top() & ~7));
  DrawScreenPage(painter, d, view, services);
  return image;
}

}  // namespace tl
