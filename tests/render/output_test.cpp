// Printer pages and whole documents: layout pages and banner slices on the
// sheet, the physical offset, PDF files as poppler reads them (pages,
// sizes, text, embedded images, the raster against the screen), PNG pages,
// and the page thumbnail of layout files.
#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "imaging/label_text.h"
#include "layout/image_geometry.h"
#include "layout/page_geometry.h"
#include "render/document_output.h"
#include "render/page_thumbnail.h"
#include "render/printer_page.h"
#include "tests/render/render_test_support.h"

namespace tl::test {
namespace {

int Dev(int32_t layout) { return int(std::lround(layout / 5.0)); }  // at 72 dpi

class OutputTest : public testing::Test {
 protected:
  void SetUp() override {
    document_ = NewDocument();
    document_->Free = 1;
    document_->ShowPrintMargins = document_->ShowLayoutMargins = 0;
    red_ = WriteSolidJpeg(folder_, "red.jpg", 40, 40, kRed);
  }
  void Place(const LRect& box) { ASSERT_TRUE(PlacePicture(*document_, red_, box)); }
  void MakeBanner(int32_t sheets10, bool across) {
    LayoutDocument& d = *document_;
    d.Banner = 1;
    d.Orientation = across ? kLandscape : kPortrait;
    if (across) {
      d.PageWidth = 4209 * sheets10 / 10, d.PageHeight = 2976;
    } else {
      d.PageHeight = 4209 * sheets10 / 10;
    }
    d.PrinterMargins = across ? LRect{0, 45, 0, 45} : LRect{45, 0, 45, 0};
    UpdatePageGeometry(d);
  }
  static QSize A4At72() { return QSize(595, 842); }
  std::string Output(const std::string& name) { return folder_.File(name); }

  TempFolder folder_;
  std::string red_;
  DocumentPtr document_;
};

TEST_F(OutputTest, EachPrinterPageShowsItsOwnLayoutPage) {
  document_->PageNumber = 3;
  Place({720, 2 * 4209 + 720, 1440, 2 * 4209 + 1440});
  EXPECT_EQ(Rgb(RenderPrinter(*document_, 72, 0), Dev(1000), Dev(1000)), kWhiteRgb);
  const QImage third = RenderPrinter(*document_, 72, 2);
  EXPECT_TRUE(Near(Rgb(third, Dev(1000), Dev(1000)), kRed));
  EXPECT_EQ(PrinterPageCount(*document_, PrinterPage{}), 3);
}

TEST_F(OutputTest, PhysicalOffsetMovesEverythingTowardsTheSheetCorner) {
  Place({720, 720, 1440, 1440});
  const QImage page = RenderPrinter(*document_, 72, 0, A4At72(), QPoint(20, 30));
  EXPECT_TRUE(Near(Rgb(page, Dev(720) - 20 + 1, Dev(720) - 30 + 1), kRed));
  EXPECT_EQ(Rgb(page, Dev(720) - 20 - 2, Dev(720) - 30 + 5), kWhiteRgb);
}

TEST_F(OutputTest, BannerSheetsAreSlicesDownOrAcrossTheBanner) {
  struct Case {
    bool across;
    LRect box;       // on the third sheet, 100 units into it
    QPoint onSheet;  // where its middle lands on that sheet
  } cases[] = {
      {false, {1000, 2 * 4209 + 100, 1400, 2 * 4209 + 500}, {Dev(1200), Dev(300)}},
      {true, {2 * 4209 + 100, 1000, 2 * 4209 + 500, 1400}, {Dev(300), Dev(1200)}},
  };
  for (const Case& k : cases) {
    ObjectListFree(document_->Objects);
    MakeBanner(31, k.across);
    Place(k.box);
    const QSize sheet = k.across ? A4At72().transposed() : A4At72();
    PrinterPage p;
    p.ResolutionX = p.ResolutionY = 72;
    p.PhysicalSize = sheet;
    EXPECT_EQ(PrinterPageCount(*document_, p), 4) << "3.1 sheets long";
    const QImage third = RenderPrinter(*document_, 72, 2, sheet);
    EXPECT_TRUE(Near(Rgb(third, k.onSheet.x(), k.onSheet.y()), kRed)) << k.across;
    // Only the bands along the banner are masked: the picture runs up to
    // the sheet's edge across it.
    const QPoint edge = k.across ? QPoint(Dev(110), k.onSheet.y()) : QPoint(k.onSheet.x(), Dev(110));
    EXPECT_TRUE(Near(Rgb(third, edge.x(), edge.y()), kRed)) << k.across;
    EXPECT_EQ(Rgb(RenderPrinter(*document_, 72, 1, sheet), k.onSheet.x(), k.onSheet.y()), kWhiteRgb);

    // Every sheet carries the header at its own top.
    document_->Header.DispText = 1;
    document_->Header.Text = "Banner proof";
    document_->HeaderFooterStyle.FontName = "DejaVu Sans";
    const QRect top(0, 0, sheet.width(), Dev(100));
    EXPECT_FALSE(InkBox(RenderPrinter(*document_, 72, 2, sheet), top, kWhiteRgb).isEmpty()) << k.across;
    document_->Header.DispText = 0;
  }
}

std::string Tool(const std::string& command) {
  std::string out;
  EXPECT_TRUE(RunCommand(command, out)) << command;
  return out;
}

TEST_F(OutputTest, PdfHasAPagePerPageTheLabelTextAndImagesAtPrintResolution) {
  // A 6000 x 4000 picture printed 2 inches wide needs 600 pixels across at
  // 300 dpi.
  const std::string big = WriteQuadrantJpeg(folder_, "harbour.jpg", 6000, 4000);
  ImageObject* image = PlacePicture(*document_, big, {720, 720, 1440, 1440 - 240 + 120});
  ASSERT_TRUE(image);
  image->FrameSetting = kFrameCustom;
  image->FrameRect = {0, 0, 0, 120};
  image->LabelItems = 0x3;
  image->LabelFontName = "DejaVu Sans";
  image->LabelFontSize = 40;
  image->ImageNumber = 1;
  ComposeLabelText(*image);
  document_->PageNumber = 2;
  ASSERT_TRUE(PlacePicture(*document_, red_, {720, 4209 + 720, 1440, 4209 + 1440}));
  // The header's print information line, as the layout stored it.
  document_->PrinterName = "Studio 9";
  document_->MediaType = "Glossy Photo";
  document_->Color = kInkColor;
  document_->Header.DispPrintInfo = 1;
  document_->HeaderFooterStyle.FontName = "DejaVu Sans";

  const std::string pdf = Output("sheet.pdf");
  ASSERT_TRUE(RenderDocumentPdf(*document_, pdf));
  const std::string info = Tool("pdfinfo '" + pdf + "'");
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("Page size:       595 x 842 pts"), std::string::npos) << info;
  const std::string text = Tool("pdftotext -f 1 -l 1 '" + pdf + "' -");
  EXPECT_NE(text.find("Printer : Studio 9 Ink : Color Media Type : Glossy Photo"), std::string::npos) << text;
  EXPECT_NE(text.find("Number: 1"), std::string::npos) << text;
  EXPECT_NE(text.find("Name: harbour.jpg"), std::string::npos) << text;

  // pdfimages -list: page, num, type, width, height, color, comp, bpc, enc, ...
  const std::string images = Tool("pdfimages -list '" + pdf + "'");
  std::istringstream lines(images);
  int rows = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    int pageNumber = 0, number = 0, width = 0, height = 0, components = 0, bits = 0;
    std::string type, color, encoding;
    if (!(fields >> pageNumber >> number >> type >> width >> height >> color >> components >> bits >> encoding))
      continue;
    ++rows;
    // On the first page the smallest reduced decode that covers the 600
    // printed pixels (steps of an eighth of the picture), not the whole
    // picture; the second page's picture is smaller than it prints.
    if (pageNumber == 1) {
      EXPECT_GE(width, 600) << line;
      EXPECT_LE(width, 750) << line;
    }
    EXPECT_EQ(encoding, "jpeg") << line;
  }
  EXPECT_EQ(rows, 2) << images;
}

TEST_F(OutputTest, APictureThatCannotBeDecodedIsToldOnceAndTheRestIsPrinted) {
  const std::string gone = WriteSolidJpeg(folder_, "gone.jpg", 40, 40, kBlue);
  for (int i = 0; i < 5; ++i) Place({720 + i * 400, 720, 720 + i * 400 + 300, 1020});
  ASSERT_TRUE(PlacePicture(*document_, gone, {720, 1500, 1020, 1800}));
  std::filesystem::remove(gone);
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  const QImage page = RenderPrinter(*document_, 72);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "Failed to open file.");
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Near(Rgb(page, Dev(870 + i * 400), Dev(870)), kRed)) << i;
  EXPECT_EQ(Rgb(page, Dev(870), Dev(1650)), kWhiteRgb);
}

TEST_F(OutputTest, PdfRasterAgreesWithTheScreen) {
  const std::string quadrants = WriteQuadrantJpeg(folder_, "q.jpg", 300, 200);
  ASSERT_TRUE(PlacePicture(*document_, quadrants, {360, 360, 2160, 1560}));
  FreeLineObject* line = FreeLineObjectNew(document_.get(), &document_->Objects);
  line->Anchor = {400, 2400};
  line->Thickness = 30;
  line->ArrowMark = kArrowBothSide;
  UpdateFreeLineEnds(*line);
  const std::string pdf = Output("raster.pdf");
  PdfOutputOptions options;
  options.Resolution = 96;
  ASSERT_TRUE(RenderDocumentPdf(*document_, pdf, options));
  Tool("pdftoppm -r 96 -png -singlefile '" + pdf + "' '" + Output("raster") + "'");
  const QImage paper(QString::fromStdString(Output("raster.png")));
  ASSERT_FALSE(paper.isNull());
  const QImage screen = RenderScreen(*document_, PageView(*document_)).copy(QRect(QPoint(10, 10), paper.size()));
  ASSERT_EQ(screen.size(), paper.size());
  // Alike except at edges, where smoothing and rounding differ by a pixel;
  // the screen outlines the paper.
  int64_t difference = 0, different = 0;
  for (int y = 1; y < paper.height() - 1; ++y)
    for (int x = 1; x < paper.width() - 1; ++x) {
      const QRgb a = Rgb(paper, x, y), b = Rgb(screen, x, y);
      const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
      difference += d;
      different += d > 96;
    }
  EXPECT_LT(double(difference) / (paper.width() * paper.height()), 2.0);
  EXPECT_LT(different, paper.width() * 3) << "only edge pixels differ";
}

TEST_F(OutputTest, FailedWritesLeaveNoFileBehind) {
  Place({720, 720, 1440, 1440});
  const std::string missingFolder = Output("no/such/folder/out.pdf");
  EXPECT_FALSE(RenderDocumentPdf(*document_, missingFolder));
  EXPECT_FALSE(std::filesystem::exists(missingFolder));
  // A good file is replaced only by a complete one.
  const std::string pdf = Output("kept.pdf");
  ASSERT_TRUE(RenderDocumentPdf(*document_, pdf));
  EXPECT_FALSE(std::filesystem::exists(pdf + ".part"));
}

TEST_F(OutputTest, PngPagesShowEachPageAsTheViewDoes) {
  document_->PageNumber = 2;
  Place({720, 4209 + 720, 1440, 4209 + 1440});
  PngOutputOptions options;
  options.ZoomNumerator = 1, options.ZoomDenominator = 2;
  const std::string prefix = Output("page");
  ASSERT_TRUE(RenderDocumentPngs(*document_, prefix, options));
  EXPECT_FALSE(std::filesystem::exists(PngPagePath(prefix, 2)));
  const QImage first(QString::fromStdString(PngPagePath(prefix, 0)));
  const QImage second(QString::fromStdString(PngPagePath(prefix, 1)));
  ASSERT_FALSE(first.isNull());
  ASSERT_FALSE(second.isNull());
  EXPECT_EQ(first.size(), QSize(397 + 20, 561 + 20)) << "half size, in a window that just holds it";
  const int probe = 10 + 1080 * 48 / 360;
  EXPECT_EQ(Rgb(first, probe, probe), kWhiteRgb);
  EXPECT_TRUE(Near(Rgb(second, probe, probe), kRed));
}

class ThumbnailTest : public OutputTest {
 protected:
  // The bitmap the layout file writer hands over, filled with a colour
  // the thumbnail never draws.
  BitmapPtr Preview() {
    BitmapPtr b = OffscreenBitmapNew(kLayoutPreviewSide, kLayoutPreviewSide);
    for (size_t i = 0; i < b->ByteSize(); ++i) b->Pixels[i] = 0x33;
    return b;
  }
  static QRgb At(const OffscreenBitmap& b, int x, int y) { return RgbAt(b, x, y); }
};

TEST_F(ThumbnailTest, PaperFillsTheLongerSideAndImagesShow) {
  Place({0, 0, 1488, 2104});  // the top-left quarter of the page
  BitmapPtr preview = Preview();
  ASSERT_TRUE(PageThumbnailRenderer()(*document_, *preview));
  // A4 portrait: 128 high, 90 wide, centred.
  EXPECT_EQ(At(*preview, 10, 64), 0x333333u) << "left of the paper";
  EXPECT_EQ(At(*preview, 118, 64), 0x333333u) << "right of it";
  EXPECT_TRUE(Near(At(*preview, 40, 40), kRed)) << "the picture in the paper's top-left quarter";
  EXPECT_EQ(At(*preview, 90, 100), kWhiteRgb) << "paper";
}

TEST_F(ThumbnailTest, TemplateWithoutImagesShowsTheCellsOfItsLayout) {
  document_->Free = 0;
  document_->DefaultImageSettings->Size = {900, 900};
  const std::vector<LRect> cells = TemplateCells(*document_);
  EXPECT_EQ(cells.size(), 3u * 4u) << "three across, four down";
  BitmapPtr preview = Preview();
  ASSERT_TRUE(RenderPageThumbnail(*document_, *preview));
  const LRect& first = cells.front();
  const double scale = 128.0 / 4209;
  const int x = 19 + int((first.left + first.right) / 2 * scale), y = int((first.top + first.bottom) / 2 * scale);
  EXPECT_EQ(At(*preview, x, y), kThumbnailCellColor);

  document_->Free = 1;
  EXPECT_TRUE(TemplateCells(*document_).empty()) << "free layouts have no cells";
}

}  // namespace
}  // namespace tl::test
