// The stock contact sheet as a photographer fills it: a camera picture
// taken upright (stored sideways with Exif orientation 6) is drawn upright
// on the page.
#include <gtest/gtest.h>

#include "layout/add_image.h"
#include "persistence/image_services.h"
#include "persistence/template_library.h"
#include "render/image_object_drawing.h"
#include "render/layout_io.h"
#include "render/screen_page.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

constexpr QRgb kSky = 0x28468C;     // the tower picture's sky, at its top
constexpr QRgb kGround = 0x323C2D;  // its ground, at its bottom

TEST(StockContactSheet, DrawsCameraPicturesTakenUprightUpright) {
  const std::string samples = std::string(std::getenv("TL_SOURCE_DIR")) + "/resources/samples";
  DocumentPtr d = LoadRenderedLayoutFile(InstalledTemplateFolder() + "/Contact Sheet A4.qlt");
  ASSERT_TRUE(d);
  d->ShowPrintMargins = d->ShowLayoutMargins = 0;
  ImageImportServices services;
  ImageToAdd file;
  file.Path = samples + "/portrait_upright.jpg";
  ASSERT_TRUE(AddImageFile(*d, file, services));
  ArrangeLayout(*d);
  const ImageObject* image = AsImage(d->Objects.Head);
  ASSERT_TRUE(image);

  const ScreenView view = PageView(*d);
  const QImage page = RenderScreen(*d, view);
  const PageDrawContext c = ScreenDrawContext(*d, view);
  // Inside the frame: the label band below the picture is not part of it.
  const QRect picture = InkBox(page, FrameInnerRect(*image, c), kWhiteRgb);
  ASSERT_FALSE(picture.isEmpty());
  EXPECT_GT(picture.height(), picture.width()) << "a portrait, not a picture lying on its side";
  const int x = picture.center().x();
  EXPECT_TRUE(Near(Rgb(page, x, picture.top() + 2), kSky, 60)) << std::hex << Rgb(page, x, picture.top() + 2);
  EXPECT_TRUE(Near(Rgb(page, x, picture.bottom() - 2), kGround, 60)) << std::hex << Rgb(page, x, picture.bottom() - 2);
}

}  // namespace
}  // namespace tl::test
