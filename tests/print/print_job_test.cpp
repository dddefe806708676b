// Whole print jobs: a layout drawn into PDF and sent to a real IPP printer
// (or written by the PDF file destination), with what the printer received
// checked — its job attributes, and the document as poppler reads it —
// and the faults a job meets on its way.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "color/lcms_handles.h"
#include "color/profile_places.h"
#include "document/undo_store.h"
#include "persistence/layout_reader.h"
#include "persistence/layout_writer.h"
#include "print/driver_items.h"
#include "print/print_job.h"
#include "print/print_preferences.h"
#include "render/gui_application.h"
#include "render/print_document.h"
#include "resources/app_folders.h"
#include "resources/string_table.h"
#include "tests/document/document_fixtures.h"
#include "tests/imaging/fixtures.h"
#include "tests/print/photo_printer_suite.h"
#include "tests/render/render_fixtures.h"

namespace tl::test {
namespace {

using fixtures::FakeView;
using fixtures::RecordingSink;

constexpr int kLayoutExceedsPrintable = 10426;
constexpr int kNoBannerMode = 40001;
constexpr int kCaptureMatchingMayFail = 40003;
constexpr int kPrinterUnreachable = 40010;
constexpr int kJobRefused = 40011;
constexpr int kPdfNotWritten = 40013;
constexpr int kJobNotWritten = 40015;
constexpr int kQuickPrintAsk = 10148;

std::string Sample(const std::string& name) {
  const char* source = std::getenv("TL_SOURCE_DIR");
  return std::string(source ? source : ".") + "/resources/samples/" + name;
}

struct PdfFacts {
  int Pages = 0;
  double Width = 0;  // points, of the first page
  double Height = 0;
};

PdfFacts ReadPdf(const std::string& path) {
  PdfFacts facts;
  FILE* pipe = popen(("pdfinfo '" + path + "' 2>/dev/null").c_str(), "r");
  if (!pipe) return facts;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) {
    std::sscanf(line, "Pages: %d", &facts.Pages);
    std::sscanf(line, "Page size: %lf x %lf", &facts.Width, &facts.Height);
  }
  pclose(pipe);
  return facts;
}

double MillimetresToPoints(double mm) { return mm / 25.4 * 72; }

// Spool files of the job path left in the cache folder.
int SpoolFilesLeft() {
  int count = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(CacheFolder(), error))
    if (entry.path().filename().string().rfind("print-", 0) == 0) ++count;
  return count;
}

class PrintJobTest : public PhotoPrinterSuite {
 protected:
  static void SetUpTestSuite() {
    application_ = EnsureGuiApplication().release();
    PhotoPrinterSuite::SetUpTestSuite();
  }

  void SetUp() override {
    // A cache of its own, where only this job's spool files can be.
    setenv("XDG_CACHE_HOME", cache_.Path().c_str(), 1);
    document_ = NewDocument();
    document_->Free = 1;
    document_->View = &view_;
    view_.page = 1;
    ASSERT_NE(PlacePicture(*document_, Sample("harbour_landscape.jpg"), {200, 200, 2000, 1500}), nullptr);
    ASSERT_NE(PlacePicture(*document_, Sample("flower_square.jpg"), {200, 4400, 1400, 5600}), nullptr);
    document_->PageNumber = 2;
  }

  // Whether message `id` was shown about `subject` (its first "%s"),
  // whatever the printer's own words in the rest.
  bool ShowedFor(int id, const std::string& subject) const {
    const std::string marked = StringWith(id, {subject, "\x01"});
    const std::string start = marked.substr(0, marked.find('\x01'));
    for (const auto& shown : sink_.shown)
      if (shown.text.rfind(start, 0) == 0) return true;
    return false;
  }

  std::string Messages() const {
    std::string all;
    for (const auto& shown : sink_.shown) all += shown.text + "\n";
    return all;
  }

  std::vector<ReceivedJob> NewJobs() {
    std::vector<ReceivedJob> jobs = printer_->Jobs();
    std::vector<ReceivedJob> fresh;
    for (const ReceivedJob& job : jobs)
      if (job.Id > lastJob_) fresh.push_back(job);
    if (!jobs.empty()) lastJob_ = jobs.back().Id;
    return fresh;
  }

  static QGuiApplication* application_;
  static int lastJob_;
  TempFolder cache_;
  DocumentPtr document_;
  FakeView view_;
  RecordingSink sink_;
  ScopedMessageSink scoped_{&sink_};
};
QGuiApplication* PrintJobTest::application_ = nullptr;
int PrintJobTest::lastJob_ = 0;

TEST_F(PrintJobTest, PrintsWithTheDocumentsSettings) {
  TL_REQUIRE_SUITE_PRINTER();
  LayoutDocument& d = *document_;
  d.Orientation = kLandscape;
  d.MediaTypeID = 3;  // glossy
  d.Color = kInkBlack;
  d.PaperSourceID = 1;
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(d, settings, printer_->Uri()));
  ASSERT_EQ(d.PageWidth, 4209);

  ASSERT_EQ(PrintDocument(d, settings), PrintResult::Printed) << Messages();
  const std::vector<ReceivedJob> jobs = NewJobs();
  ASSERT_EQ(jobs.size(), 1u);
  const auto& a = jobs[0].Attributes;
  EXPECT_NE(a.at("media-col").find("x-dimension=21000 y-dimension=29700"), std::string::npos) << a.at("media-col");
  EXPECT_NE(a.at("media-col").find("media-source=main"), std::string::npos);
  EXPECT_NE(a.at("media-col").find("media-type=photographic-glossy"), std::string::npos);
  EXPECT_EQ(a.at("print-color-mode"), "monochrome");
  EXPECT_EQ(a.at("orientation-requested"), "landscape");
  EXPECT_EQ(a.at("print-quality"), "normal");
  EXPECT_EQ(a.at("copies"), "1");

  const PdfFacts pdf = ReadPdf(jobs[0].Document);
  EXPECT_EQ(pdf.Pages, d.PageNumber);
  EXPECT_NEAR(pdf.Width, MillimetresToPoints(297), 1);
  EXPECT_NEAR(pdf.Height, MillimetresToPoints(210), 1);
  EXPECT_EQ(view_.page, 1);  // the page shown before the job
  EXPECT_EQ(SpoolFilesLeft(), 0);
}

TEST_F(PrintJobTest, PaperNeverChosenPrintsOnA4Portrait) {
  TL_REQUIRE_SUITE_PRINTER();
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, printer_->Uri()));
  document_->PaperSizeID = 0;
  document_->Orientation = kLandscape;
  ASSERT_EQ(PrintDocument(*document_, settings), PrintResult::Printed) << Messages();
  EXPECT_EQ(document_->PaperSizeID, 9);
  EXPECT_EQ(document_->PaperSourceID, 4);
  const std::vector<ReceivedJob> jobs = NewJobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].Attributes.at("orientation-requested"), "portrait");
  EXPECT_NE(jobs[0].Attributes.at("media-col").find("x-dimension=21000 y-dimension=29700"), std::string::npos);
}

TEST_F(PrintJobTest, BannerPrintsItsSlicesOnTheRoll) {
  TL_REQUIRE_SUITE_PRINTER();
  LayoutDocument& d = *document_;
  d.Banner = 1;
  d.PaperWidth = 3290;
  d.PaperLength = 2970;
  const int32_t sheet = TenthMillimetresToLayout(d.PaperLength);
  d.PageHeight = int32_t(std::lround(sheet * 3.1));  // 3.1 sheets long
  // One colour in the middle of each sheet's part of the banner.
  TempFolder pictures;
  const QRgb colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
  // On its sheet, clear of the other pictures; the last sheet holds only
  // the banner's last tenth.
  const LRect boxes[] = {{1000, 2000, 3000, 3500}, {1000, 2000, 3000, 3500}, {1000, 2000, 3000, 3500},
                         {1000, 50, 3000, 380}};
  for (int k = 0; k < 4; ++k) {
    const LRect& box = boxes[k];
    const std::string path = pictures.File("colour" + std::to_string(k) + ".jpg");
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(colours[k]);
    ASSERT_TRUE(image.save(QString::fromStdString(path), "JPEG", 95));
    const int32_t top = k * sheet;
    ASSERT_NE(PlacePicture(d, path, {box.left, top + box.top, box.right, top + box.bottom}), nullptr);
  }
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(d, settings, printer_->Uri()));
  EXPECT_EQ(d.PageHeight, int32_t(std::lround(sheet * 3.1)));
  const int16_t pages = d.PageNumber, limit = d.MaxPageCount;

  ASSERT_EQ(PrintDocument(d, settings), PrintResult::Printed) << Messages();
  EXPECT_EQ(d.PageNumber, pages);
  EXPECT_EQ(d.MaxPageCount, limit);
  const std::vector<ReceivedJob> jobs = NewJobs();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_NE(jobs[0].Attributes.at("media-col").find("media-source=roll"), std::string::npos);
  EXPECT_NE(jobs[0].Attributes.at("media-col").find("x-dimension=32900 y-dimension=29700"), std::string::npos);
  const PdfFacts pdf = ReadPdf(jobs[0].Document);
  EXPECT_EQ(pdf.Pages, 4);
  EXPECT_NEAR(pdf.Width, MillimetresToPoints(329), 1);
  EXPECT_NEAR(pdf.Height, MillimetresToPoints(297), 1);

  // Each sheet shows its own slice: the colour placed on it.
  constexpr int kDpi = 20;
  const std::string prefix = pictures.File("sheet");
  ASSERT_EQ(std::system(
                ("pdftoppm -r " + std::to_string(kDpi) + " -png '" + jobs[0].Document + "' '" + prefix + "'").c_str()),
            0);
  for (int k = 0; k < 4; ++k) {
    const int x = (boxes[k].left + boxes[k].right) / 2 * kDpi / kLayoutUnitsPerInch;
    const int y = (boxes[k].top + boxes[k].bottom) / 2 * kDpi / kLayoutUnitsPerInch;
    const QImage page(QString::fromStdString(prefix + "-" + std::to_string(k + 1) + ".png"));
    ASSERT_FALSE(page.isNull()) << "sheet " << k + 1;
    const QRgb seen = page.pixel(x, y);
    for (const int shift : {16, 8, 0})
      EXPECT_NEAR(int((seen >> shift) & 0xFF), int((colours[k] >> shift) & 0xFF), 60) << "sheet " << k + 1;
  }
}

TEST_F(PrintJobTest, BannerIsRefusedWithoutRollPaper) {
  if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
  IppPrinter sheets;
  ASSERT_TRUE(sheets.Start(SheetPrinterAttributes(), "Sheet Printer"));
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, sheets.Uri()));
  EXPECT_TRUE(RefuseBannerMode(*settings.Extension));
  EXPECT_TRUE(sink_.Showed(kNoBannerMode));

  document_->Banner = 1;
  sink_.shown.clear();
  EXPECT_EQ(PrintDocument(*document_, settings), PrintResult::NotStarted);
  EXPECT_TRUE(sink_.Showed(kNoBannerMode));
  EXPECT_TRUE(sheets.Jobs().empty());
}

TEST_F(PrintJobTest, LayoutBeyondThePrintersAreaWarnsAndPrints) {
  TL_REQUIRE_SUITE_PRINTER();
  document_->PrinterMargins = {0, 0, 0, 0};  // the printer keeps 3 mm
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, printer_->Uri()));
  ASSERT_EQ(PrintDocument(*document_, settings), PrintResult::Printed) << Messages();
  EXPECT_TRUE(sink_.Showed(kLayoutExceedsPrintable));
  EXPECT_EQ(NewJobs().size(), 1u);
}

TEST_F(PrintJobTest, CaptureMatchingNeedsAColourPrinterOrTheUsersYes) {
  TL_REQUIRE_SUITE_PRINTER();
  AsImage(document_->Objects.Head)->CaptureMatchingLevel = 1;
  document_->InputSrcUseVdx = 1;
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, printer_->Uri()));

  document_->Color = kInkColor;
  ASSERT_EQ(PrintDocument(*document_, settings), PrintResult::Printed) << Messages();
  EXPECT_FALSE(sink_.Showed(kCaptureMatchingMayFail));
  EXPECT_EQ(settings.Extension->State.ColorAdjust, 6);
  EXPECT_EQ(NewJobs().size(), 1u);

  document_->Color = kInkBlack;
  sink_.answer = MessageAnswer::Cancel;
  EXPECT_EQ(PrintDocument(*document_, settings), PrintResult::NotStarted);
  EXPECT_TRUE(sink_.Showed(kCaptureMatchingMayFail));
  EXPECT_TRUE(NewJobs().empty());
}

TEST_F(PrintJobTest, CalibrationModeOnlyWhenTheProgramMatchedThePrinterColours) {
  TL_REQUIRE_SUITE_PRINTER();
  // Camera pictures with capture data on a colour printer that offers
  // capture-matching printing.
  AsImage(document_->Objects.Head)->CaptureMatchingLevel = 6;
  document_->InputSrcUseVdx = 1;
  document_->Color = kInkColor;
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, printer_->Uri()));
  const struct {
    int16_t controls;
    const char* calibration;  // empty: not sent
  } cases[] = {{kByPrinterDriver, ""}, {kByApplication, "true"}, {kByPrinterDriver, ""}};
  for (const auto& c : cases) {
    document_->OutputPrinterControls = c.controls;
    ASSERT_EQ(PrintDocument(*document_, settings), PrintResult::Printed) << Messages();
    EXPECT_EQ(settings.Extension->State.ColorAdjust, 6);
    const std::vector<ReceivedJob> jobs = NewJobs();
    ASSERT_EQ(jobs.size(), 1u);
    const auto found = jobs[0].Attributes.find("cm-calibration");
    EXPECT_EQ(found == jobs[0].Attributes.end() ? "" : found->second, c.calibration) << "output mode " << c.controls;
  }
}

TEST_F(PrintJobTest, PrintModeAndUserPresetTravelWithTheLayout) {
  TL_REQUIRE_SUITE_PRINTER();
  TempFolder config;
  setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  LayoutDocument& d = *document_;
  d.PrinterName = printer_->Uri();
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(d, settings, d.PrinterName));
  settings.Printers.insert(settings.Printers.begin(), {printer_->Uri(), "Tessaline Test Photo 1"});
  PrintPreferences prefs;
  ASSERT_TRUE(OpenPrintPreferences(d, settings, prefs));
  ASSERT_TRUE(ChoosePrintMode(prefs, kModeSpeed));
  ASSERT_TRUE(SaveUserPresetAs(prefs, "Drafts"));
  ASSERT_TRUE(ChoosePrintMode(prefs, kModePhoto));
  ASSERT_TRUE(ApplyPrintPreferences(prefs, d, settings));
  EXPECT_EQ(d.AutoMode, kModePhoto);
  EXPECT_EQ(d.UserPreset, "Drafts");

  // Printed from the layout file: by the program after reopening it, and
  // by a layout that names only its preset.
  const std::string path = cache_.File("modes.qlf");
  const struct {
    int16_t mode;
    const char* quality;
  } cases[] = {{kModePhoto, "high"}, {0, "draft"}};
  for (const auto& c : cases) {
    d.AutoMode = c.mode;
    ASSERT_TRUE(SaveLayoutFile(path, d));
    DocumentPtr reopened = LoadLayoutFile(path);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->AutoMode, c.mode);
    PrinterSettings fresh;
    ASSERT_TRUE(PrinterSettingsLoad(*reopened, fresh, reopened->PrinterName));
    ASSERT_EQ(PrintDocument(*reopened, fresh), PrintResult::Printed) << Messages();
    const std::vector<ReceivedJob> jobs = NewJobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Attributes.at("print-quality"), c.quality) << "mode " << c.mode;
  }
  unsetenv("XDG_CONFIG_HOME");
}

TEST_F(PrintJobTest, RecommendedPrinterProfileIsTheMediaTypes) {
  TL_REQUIRE_SUITE_PRINTER();
  // The printer names Glossy_Photo.icc for its glossy paper; the colour
  // folder has it.
  TempFolder colors;
  ProfilePlaces places = DefaultProfilePlaces();
  places.ColorFolders.insert(places.ColorFolders.begin(), colors.Path());
  const ScopedProfilePlaces scope(places);
  const ProfilePtr glossy(cmsCreate_sRGBProfile());
  ASSERT_TRUE(cmsSaveProfileToFile(glossy.get(), colors.File("Glossy_Photo.icc").c_str()));

  LayoutDocument& d = *document_;
  d.OutputPrinterControls = kByApplication;
  d.OutputPrinterProfileState = 0;  // "Recommended by ORVEX"
  d.MediaTypeID = 3;
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(d, settings, printer_->Uri()));
  EXPECT_EQ(d.OutputPrinterProfile, "Glossy_Photo.icc");
  d.OutputPrinterProfile = "left over from another printer.icc";
  PrintJob job;
  ASSERT_TRUE(PreparePrintJob(d, settings, job));
  BeginPrintJob(d, job);
  EXPECT_EQ(job.Device->ColorSpace.ProfilePath, colors.File("Glossy_Photo.icc"));
  EndPrintJob(d, job);

  // A chosen profile stays chosen; plain paper recommends none.
  d.OutputPrinterProfileState = 2;
  d.OutputPrinterProfile = "chosen.icc";
  TakeRecommendedProfile(d, settings);
  EXPECT_EQ(d.OutputPrinterProfile, "chosen.icc");
  d.OutputPrinterProfileState = 0;
  d.MediaTypeID = kMediaPlain;
  TakeRecommendedProfile(d, settings);
  EXPECT_TRUE(d.OutputPrinterProfile.empty());
}

TEST_F(PrintJobTest, CancelBetweenPagesSendsNothing) {
  TL_REQUIRE_SUITE_PRINTER();
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, printer_->Uri()));
  ASSERT_EQ(document_->PageNumber, 2);
  PrintOptions options;
  options.Continue = [](int32_t page) { return page < 2; };
  EXPECT_EQ(PrintDocument(*document_, settings, options), PrintResult::Cancelled);
  EXPECT_TRUE(NewJobs().empty());
  EXPECT_EQ(view_.page, 1);
  EXPECT_EQ(SpoolFilesLeft(), 0);
}

TEST_F(PrintJobTest, VanishedPrinterLeavesTheDocumentAsItWas) {
  if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
  IppPrinter gone;
  ASSERT_TRUE(gone.Start(PhotoPrinterAttributes(), "Vanishing Printer"));
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, gone.Uri()));

  const int16_t pages = document_->PageNumber;
  const LRect printable = document_->PrintableRect;
  PrintOptions options;
  options.Continue = [&](int32_t page) {  // prepared; gone before the job is sent
    if (page == 1) gone.Stop();
    return true;
  };
  EXPECT_EQ(PrintDocument(*document_, settings, options), PrintResult::Failed);
  EXPECT_EQ(sink_.shown.size(), 1u);
  EXPECT_TRUE(ShowedFor(kPrinterUnreachable, gone.Uri())) << Messages();
  EXPECT_EQ(document_->PageNumber, pages);
  EXPECT_EQ(document_->PrintableRect.bottom, printable.bottom);
  EXPECT_EQ(view_.page, 1);
  EXPECT_EQ(SpoolFilesLeft(), 0);
}

TEST_F(PrintJobTest, RefusedDocumentIsCancelledOnThePrinter) {
  if (!IppPrinter::Available()) GTEST_SKIP() << kNoIppPrinter;
  // A printer that takes raster only: the PDF is refused after the job was made.
  std::string attributes = PhotoPrinterAttributes();
  for (const char* line : {"ATTR mimeMediaType document-format-supported application/pdf,application/octet-stream\n",
                           "ATTR mimeMediaType document-format-default application/pdf\n"})
    attributes.erase(attributes.find(line), std::string(line).size());
  IppPrinter raster;
  ASSERT_TRUE(raster.Start(attributes, "Raster Printer"));
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, raster.Uri()));
  EXPECT_FALSE(settings.Extension->Caps.AcceptsPdf);

  EXPECT_EQ(PrintDocument(*document_, settings), PrintResult::Failed);
  EXPECT_TRUE(ShowedFor(kJobRefused, raster.Uri())) << Messages();
  for (const ReceivedJob& job : raster.Jobs()) EXPECT_NE(job.Attributes.at("job-state"), "completed");
}

TEST_F(PrintJobTest, PdfFileDestinationWritesTheFile) {
  TempFolder folder;
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, PdfFilePrinterName()));
  PrintOptions options;
  options.PdfPath = folder.File("sheet.pdf");
  ASSERT_EQ(PrintDocument(*document_, settings, options), PrintResult::Printed);
  const PdfFacts pdf = ReadPdf(options.PdfPath);
  EXPECT_EQ(pdf.Pages, 2);
  EXPECT_NEAR(pdf.Width, MillimetresToPoints(210), 1);
  EXPECT_EQ(view_.page, 1);
}

// Prints with files not allowed to grow beyond 2 KiB, as on a full disk.
PrintResult PrintOnFullDisk(LayoutDocument& document, PrinterSettings& settings, const PrintOptions& options) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const sighandler_t previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 2 << 10;
  EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const PrintResult result = PrintDocument(document, settings, options);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  return result;
}

TEST_F(PrintJobTest, FullDiskKeepsTheEarlierPdf) {
  TempFolder folder;
  const std::string path = folder.File("sheet.pdf");
  std::ofstream(path) << "the earlier file";
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, PdfFilePrinterName()));
  PrintOptions options;
  options.PdfPath = path;

  EXPECT_EQ(PrintOnFullDisk(*document_, settings, options), PrintResult::Failed);
  EXPECT_TRUE(ShowedFor(kPdfNotWritten, path)) << Messages();
  std::ifstream in(path);
  std::string text;
  std::getline(in, text);
  EXPECT_EQ(text, "the earlier file");
  EXPECT_FALSE(std::filesystem::exists(path + ".part"));
  EXPECT_EQ(view_.page, 1);
}

TEST_F(PrintJobTest, FullDiskSendsNoJob) {
  TL_REQUIRE_SUITE_PRINTER();
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, printer_->Uri()));
  EXPECT_EQ(PrintOnFullDisk(*document_, settings, {}), PrintResult::Failed);
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0].text.rfind(StringWith(kJobNotWritten, {CacheFolder()}).substr(0, 30), 0), 0u)
      << Messages();
  EXPECT_TRUE(NewJobs().empty());
  EXPECT_EQ(SpoolFilesLeft(), 0);
  EXPECT_EQ(view_.page, 1);
}

TEST_F(PrintJobTest, JobSelectsThePrinterColourSpaceAndGivesItBack) {
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, PdfFilePrinterName()));
  document_->OutputPrinterControls = kByPrinterDriver;
  PrintJob job;
  ASSERT_TRUE(PreparePrintJob(*document_, settings, job));
  EXPECT_EQ(DeviceOption(*job.Device, "cm-calibration"), "");
  BeginPrintJob(*document_, job);
  EXPECT_FALSE(job.Device->ColorSpace.ProfilePath.empty());
  EXPECT_EQ(job.Device->ColorSpace.Intent, kGamutImages);
  ShowPrintingPage(*document_, 2);
  EXPECT_EQ(view_.page, 1);
  EndPrintJob(*document_, job);
  EXPECT_TRUE(job.Device->ColorSpace.ProfilePath.empty());
  EXPECT_EQ(view_.page, 1);

  // Pixels the program matched itself are not matched again.
  document_->OutputPrinterControls = kByApplication;
  PrintJob matched;
  ASSERT_TRUE(PreparePrintJob(*document_, settings, matched));
  EXPECT_EQ(DeviceOption(*matched.Device, "cm-calibration"), "true");
}

struct StatusRecord final : StatusLine {
  std::vector<std::string> texts;
  void ShowStatus(std::string_view text) override { texts.emplace_back(text); }
};

TEST_F(PrintJobTest, QuickPrintTakesTheImportedImagesOutAgain) {
  TempFolder folder;
  PrinterSettings settings;
  ASSERT_TRUE(PrinterSettingsLoad(*document_, settings, PdfFilePrinterName()));
  fixtures::CountingEditServices services;
  PrintOptions options;
  options.PdfPath = folder.File("quick.pdf");

  for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
    ASSERT_TRUE(UndoRecord(*document_, kUndoGetImages));
    PlacePicture(*document_, Sample("tower_tall.jpg"), {2200, 200, 2800, 1500});
    sink_.answer = answer;
    StatusRecord status;
    const PrintResult result = QuickPrint(*document_, settings, true, &status, services, options);
    EXPECT_TRUE(sink_.Showed(kQuickPrintAsk));
    int images = 0;
    for (const LayoutObject* object : document_->Objects) images += IsImage(object);
    EXPECT_EQ(images, 2) << "after the answer " << int(answer);
    if (answer == MessageAnswer::Cancel) {
      EXPECT_EQ(result, PrintResult::NotStarted);
      EXPECT_TRUE(status.texts.empty());
      EXPECT_FALSE(std::filesystem::exists(options.PdfPath));
    } else {
      EXPECT_EQ(result, PrintResult::Printed);
      EXPECT_EQ(status.texts, (std::vector<std::string>{"Quick Print Executing", "Quick Print Enabled"}));
      EXPECT_EQ(ReadPdf(options.PdfPath).Pages, 2);
    }
  }
}

}  // namespace
}  // namespace tl::test
