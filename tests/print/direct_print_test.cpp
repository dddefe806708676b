// Printing a dropped layout file without a window, against the real IPP
// printer: the same job as the layout opened and printed, and the files
// and printers that cannot be printed.
#include "render/direct_print.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <fstream>

#include "persistence/layout_writer.h"
#include "render/gui_application.h"
#include "render/header_footer.h"
#include "render/layout_io.h"
#include "resources/string_table.h"
#include "tests/document/document_fixtures.h"
#include "tests/imaging/fixtures.h"
#include "tests/print/photo_printer_suite.h"
#include "tests/render/render_fixtures.h"

namespace tl::test {
namespace {

using fixtures::RecordingSink;

constexpr int kFailedToOpen = 10417;
constexpr int kInkBlack = 1;
constexpr int kPreviewDpi = 24;

std::string Sample(const std::string& name) {
  const char* source = std::getenv("TL_SOURCE_DIR");
  return std::string(source ? source : ".") + "/resources/samples/" + name;
}

// The pages of a received PDF as pictures.
std::vector<QImage> Pages(const ReceivedJob& job, const TempFolder& folder, const std::string& name) {
  const std::string prefix = folder.File(name);
  std::vector<QImage> pages;
  if (std::system(("pdftoppm -r " + std::to_string(kPreviewDpi) + " -png '" + job.Document + "' '" + prefix + "'")
                      .c_str()) != 0)
    return pages;
  for (int page = 1;; ++page) {
    QImage image(QString::fromStdString(prefix + "-" + std::to_string(page) + ".png"));
    if (image.isNull()) break;
    pages.push_back(image);
  }
  return pages;
}

int LargestDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 255;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}

class DirectPrintTest : public PhotoPrinterSuite {
 protected:
  static void SetUpTestSuite() {
    application_ = EnsureGuiApplication().release();
    PhotoPrinterSuite::SetUpTestSuite();
  }

  void SetUp() override {
    setenv("XDG_CACHE_HOME", folder_.Path().c_str(), 1);
    DocumentPtr d = fixtures::NewDocument();
    d->Free = 1;
    d->Orientation = kLandscape;
    d->MediaTypeID = 3;  // glossy
    d->Color = kInkBlack;
    ASSERT_NE(PlacePicture(*d, Sample("harbour_landscape.jpg"), {200, 200, 2000, 1500}), nullptr);
    ASSERT_NE(PlacePicture(*d, Sample("flower_square.jpg"), {2200, 200, 3400, 1400}), nullptr);
    layout_ = folder_.File("Proof Sheet.qlf");
    ASSERT_TRUE(SaveLayoutFile(layout_, *d));
  }

  std::vector<ReceivedJob> NewJobs() {
    std::vector<ReceivedJob> fresh;
    for (const ReceivedJob& job : printer_->Jobs())
      if (job.Id > lastJob_) fresh.push_back(job);
    if (!fresh.empty()) lastJob_ = fresh.back().Id;
    return fresh;
  }

  static inline QGuiApplication* application_ = nullptr;
  static inline int lastJob_ = 0;
  TempFolder folder_;
  std::string layout_;
  RecordingSink sink_;
  ScopedMessageSink scoped_{&sink_};
};

TEST_F(DirectPrintTest, SameJobAsTheLayoutOpenedAndPrinted) {
  TL_REQUIRE_SUITE_PRINTER();
  // Opened as the program opens a layout, and printed on the same printer.
  DocumentPtr opened = LoadRenderedLayoutFile(layout_);
  ASSERT_NE(opened, nullptr);
  opened->DocumentPath = layout_;
  ComposeHeaderFooter(*opened);
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*opened, settings, printer_->Uri()));
  ASSERT_EQ(PrintDocument(*opened, settings), PrintResult::Printed);
  std::vector<ReceivedJob> printed = NewJobs();

  EXPECT_EQ(DirectPrintFile(layout_, printer_->Uri(), {}), DirectPrintResult::Printed);
  std::vector<ReceivedJob> direct = NewJobs();
  ASSERT_EQ(printed.size(), 1u);
  ASSERT_EQ(direct.size(), 1u);
  EXPECT_TRUE(sink_.shown.empty());
  for (const char* attribute :
       {"job-name", "media-col", "print-color-mode", "orientation-requested", "print-quality", "copies"})
    EXPECT_EQ(direct[0].Attributes[attribute], printed[0].Attributes[attribute]) << attribute;
  EXPECT_EQ(direct[0].Attributes["job-name"], "Proof Sheet");
  EXPECT_NE(direct[0].Attributes["media-col"].find("media-type=photographic-glossy"), std::string::npos);

  const std::vector<QImage> a = Pages(printed[0], folder_, "printed");
  const std::vector<QImage> b = Pages(direct[0], folder_, "direct");
  ASSERT_FALSE(a.empty());
  ASSERT_EQ(a.size(), b.size());
  for (size_t page = 0; page < a.size(); ++page) EXPECT_LE(LargestDifference(a[page], b[page]), 2) << page;
}

TEST_F(DirectPrintTest, FilesThatAreNoLayoutsGetTheOpenFailure) {
  TL_REQUIRE_SUITE_PRINTER();
  const std::string text = folder_.File("notes.txt");
  std::ofstream(text) << "not a layout";
  EXPECT_EQ(DirectPrintFile(text, printer_->Uri(), {}), DirectPrintResult::NotOpened);
  EXPECT_TRUE(sink_.Showed(kFailedToOpen));
  const std::string broken = folder_.File("broken.qlf");
  std::ofstream(broken) << "<layout><broken";
  EXPECT_EQ(DirectPrintFile(broken, printer_->Uri(), {}), DirectPrintResult::NotOpened);
  EXPECT_EQ(DirectPrintFile(folder_.File("gone.qlf"), printer_->Uri(), {}), DirectPrintResult::NotOpened);
  EXPECT_TRUE(NewJobs().empty());
}

TEST_F(DirectPrintTest, AVanishedPrinterIsNamedAndNothingPrints) {
  if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
  IppPrinter gone;
  ASSERT_TRUE(gone.Start(PhotoPrinterAttributes(), "Vanishing Printer"));
  const std::string uri = gone.Uri();
  gone.Stop();
  EXPECT_EQ(DirectPrintFile(layout_, uri, {}), DirectPrintResult::PrinterMissing);
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0].text, StringWith(40014, {uri}));
}

}  // namespace
}  // namespace tl::test
