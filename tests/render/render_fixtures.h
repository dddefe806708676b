// What the render tests and the render benchmark build their documents
// with: layout services backed by the real image import and label
// composer, pictures placed where a test wants them, and page renders
// into images through the screen and the printer paths.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"
#include "render/page_draw_context.h"
#include "render/screen_page.h"

namespace tl::test {

// Header reading, input colour settings, previews and labels as the
// application does them; no undo.
class ImportServices final : public LayoutServices {
 public:
  bool ReadImageHeader(ImageObject& image, const std::string& path) override;
  bool BuildPreview(ImageObject& image) override;
  void ComposeLabel(ImageObject& image) override;
  void RebuildLabels(LayoutDocument& document) override;
};

DocumentPtr NewDocument();

// A picture file read and previewed in a box at `box` (layout units),
// appended to the document; null when the file does not read.
ImageObject* PlacePicture(LayoutDocument& document, const std::string& path, const LRect& box);

// The page `page` as the view shows it at zoom `numerator` : `denominator`
// on a 96 dpi screen, in a window that just holds the page.
ScreenView PageView(LayoutDocument& document, int32_t page = 0, int32_t numerator = 1, int32_t denominator = 1);
QImage RenderScreen(LayoutDocument& document, const ScreenView& view, const DrawServices& services = {});

// Printer page `index` at `dpi` on a sheet of the page's size (or `sheet`
// device pixels), with the printable corner `offset` from the sheet's.
// What nothing is drawn on stays the fill colour (mid gray).
QImage RenderPrinter(LayoutDocument& document, int dpi, int32_t index = 0, QSize sheet = {}, QPoint offset = {},
                     const DrawServices& services = {});
inline constexpr QRgb kUndrawn = 0xFF808080;

}  // namespace tl::test
