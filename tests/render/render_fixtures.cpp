#include "tests/render/render_fixtures.h"

#include <QPainter>
#include <cmath>

#include "color/image_color_settings.h"
#include "imaging/image_header.h"
#include "imaging/label_text.h"
#include "imaging/preview.h"
#include "render/printer_page.h"

namespace tl::test {

bool ImportServices::ReadImageHeader(ImageObject& image, const std::string& path) {
  if (!tl::ReadImageHeader(image, path)) return false;
  if (image.Owner) ApplyInputColorSettings(image, *image.Owner);
  return true;
}

bool ImportServices::BuildPreview(ImageObject& image) {
  BitmapPtr mask;
  BitmapPtr preview = MakePreview(image, &mask);
  if (!preview) return false;
  image.Preview = std::move(preview);
  image.PreviewMask = std::move(mask);
  return true;
}

void ImportServices::ComposeLabel(ImageObject& image) { ComposeLabelText(image); }
void ImportServices::RebuildLabels(LayoutDocument& document) { RenumberImages(document); }

DocumentPtr NewDocument() { return DocumentPtr(DocumentNew(nullptr, nullptr)); }

ImageObject* PlacePicture(LayoutDocument& d, const std::string& path, const LRect& box) {
  ImageObject* image = ImageObjectNew(d.DefaultImageSettings, &d.Objects);
  if (!image) return nullptr;
  image->Owner = &d;
  image->Origin = {box.left, box.top};
  image->Size = {box.Width(), box.Height()};
  ImportServices services;
  if (!services.ReadImageHeader(*image, path) || !services.BuildPreview(*image)) {
    ObjectFree(image, &d.Objects);
    return nullptr;
  }
  ComposeLabelText(*image);
  return image;
}

ScreenView PageView(LayoutDocument& d, int32_t page, int32_t numerator, int32_t denominator) {
  ScreenView view;
  view.ZoomNumerator = numerator;
  view.ZoomDenominator = denominator;
  view.CurrentPage = page;
  const double zoom = double(numerator) / denominator;
  view.ClientSize = QSize(int(std::lround(d.PageWidth * zoom * view.DpiX / kLayoutUnitsPerInch)) + 2 * kPaperInset,
                          int(std::lround(d.PageHeight * zoom * view.DpiY / kLayoutUnitsPerInch)) + 2 * kPaperInset);
  return view;
}

QImage RenderScreen(LayoutDocument& d, const ScreenView& view, const DrawServices& services) {
  return RenderScreenPage(d, view, QRect(QPoint(0, 0), view.ClientSize), services);
}

QImage RenderPrinter(LayoutDocument& d, int dpi, int32_t index, QSize sheet, QPoint offset,
                     const DrawServices& services) {
  if (sheet.isEmpty())
    sheet = QSize(int(std::lround(d.PageWidth * double(dpi) / kLayoutUnitsPerInch)),
                  int(std::lround(d.PageHeight * double(dpi) / kLayoutUnitsPerInch)));
  QImage image(sheet - QSize(offset.x(), offset.y()), QImage::Format_RGB32);
  image.fill(kUndrawn);
  const int dotsPerMetre = int(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  PrinterPage page;
  page.Index = index;
  page.ResolutionX = page.ResolutionY = dpi;
  page.PhysicalSize = sheet;
  page.PhysicalOffset = offset;
  QPainter painter(&image);
  DrawPrinterPage(painter, d, page, services);
  return image;
}

}  // namespace tl::test
