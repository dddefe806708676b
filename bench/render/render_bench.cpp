// Benchmarks of page rendering:
//  - a contact sheet of 48 pictures of 24 megapixels (A4, 6 across and 8
//    down, labels on) printed to PDF for a 300 dpi printer, beside
//    ImageMagick's montage building the same sheet from the same files
//    (6 x 8 tiles, 300 dpi, PDF): wall time and peak memory of each, each
//    run as a process of its own; Tessaline's run reads the files, makes
//    the layout with its previews and prints it. montage runs as given
//    (full decodes) and again with its reduced-decode hint;
//  - printing the same sheet from a layout already open (no file reading);
//  - redrawing the screen page of 100 images at 100 % from their previews.
// The pictures are generated into a temporary folder when the run starts.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <chrono>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "color/match_bitmap.h"
#include "layout/add_image.h"
#include "render/document_output.h"
#include "render/gui_application.h"
#include "render/screen_page.h"
#include "bench/render/process_run.h"
#include "tests/render/render_fixtures.h"


namespace {

using tl::bench::ProcessRun;
using tl::bench::RunProcess;

namespace fs = std::filesystem;

constexpr int kBigWidth = 6000, kBigHeight = 4000;  // 24 megapixels
constexpr int kDistinctPictures = 6;
constexpr int kSheetPictures = 48;
constexpr int kSheetColumns = 6, kSheetRows = 8;
constexpr int kPrinterDpi = 300;
constexpr int kScreenPictures = 100;

// A photograph-like picture: smooth shapes under fine grain, so that the
// files are as large and as slow to decode as camera files.
QImage PhotoPicture(int width, int height, int variant) {
  QImage image(width, height, QImage::Format_RGB32);
  uint32_t seed = 12345u + uint32_t(variant);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = int(seed >> 28) - 8;
      const double s = std::sin(x * 0.0021 * (variant + 1)) * std::cos(y * 0.0017);
      row[x] = qRgb(std::clamp(int(128 + 100 * s) + grain, 0, 255),
                    std::clamp((x + y) * 255 / (width + height) + grain, 0, 255),
                    std::clamp(int(170 - 60 * s) - grain, 0, 255));
    }
  }
  return image;
}

bool WriteJpeg(const QImage& image, const std::string& path, int quality) {
  QImageWriter writer(QString::fromStdString(path), "jpeg");
  writer.setQuality(quality);
  return writer.write(image);
}

// The sheet's 48 file names in `folder`.
std::vector<std::string> SheetNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (int i = 0; i < kSheetPictures; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%04d.jpg", i + 1);
    names.push_back((folder / name).string());
  }
  return names;
}

struct Files {
  fs::path Folder;
  std::vector<std::string> Sheet;   // 48 names over 6 distinct 24-megapixel files
  std::vector<std::string> Screen;  // 100 camera-sized pictures for the screen page

  Files() {
    char pattern[] = "/tmp/render-bench-XXXXXX";
    Folder = mkdtemp(pattern);
    std::vector<std::string> distinct;
    for (int i = 0; i < kDistinctPictures; ++i) {
      distinct.push_back((Folder / ("source" + std::to_string(i) + ".jpg")).string());
      WriteJpeg(PhotoPicture(kBigWidth, kBigHeight, i), distinct.back(), 90);
    }
    Sheet = SheetNames(Folder);
    for (size_t i = 0; i < Sheet.size(); ++i) fs::create_symlink(distinct[i % kDistinctPictures], Sheet[i]);
    const QImage camera = PhotoPicture(1600, 1067, 7);
    for (int i = 0; i < kScreenPictures; ++i) {
      Screen.push_back((Folder / ("screen" + std::to_string(i) + ".jpg")).string());
      WriteJpeg(camera, Screen.back(), 85);
    }
  }
  ~Files() {
    std::error_code ec;
    fs::remove_all(Folder, ec);
  }
};

Files& TestFiles() {
  static Files files;
  return files;
}

// A layout of `files` in automatic layout with boxes of `box` and a frame
// whose bottom band holds the label (number and name), as Get Image makes it.
tl::DocumentPtr MakeLayout(const std::vector<std::string>& files, tl::LSize box, int32_t spacing) {
  tl::DocumentPtr d = tl::test::NewDocument();
  tl::ImageObject& defaults = *d->DefaultImageSettings;
  defaults.Size = box;
  defaults.FrameSetting = 2;
  defaults.FrameRect = {10, 10, 10, 80};
  defaults.LabelItems = 0x3;
  defaults.LabelAutoSize = 1;
  defaults.LabelFontName = "DejaVu Sans";
  d->AlignHorizontalSpacing = d->AlignVerticalSpacing = spacing;
  tl::test::ImportServices services;
  tl::ImageAddSession session;
  for (const std::string& path : files) tl::AddImageFile(*d, {path, {}, {}}, services, &session);
  return d;
}

// The contact sheet: 6 boxes of 420 across and 8 of 430 down the
// printable area of A4.
tl::DocumentPtr ContactSheet(const std::vector<std::string>& files) { return MakeLayout(files, {420, 430}, 70); }

bool PrintSheet(tl::LayoutDocument& d, const std::string& pdf) {
  tl::ColorPixelMatcher matcher;
  tl::PdfOutputOptions options;
  options.Resolution = kPrinterDpi;
  options.Services.Matcher = &matcher;
  return tl::RenderDocumentPdf(d, pdf, options);
}

// The whole job in a process of its own: read the files, lay them out,
// print the sheet.
int RunSheetJob(const std::string& folder, const std::string& pdf) {
  const std::unique_ptr<QGuiApplication> app = tl::EnsureGuiApplication();
  tl::DocumentPtr d = ContactSheet(SheetNames(folder));
  return d->PageNumber == 1 && PrintSheet(*d, pdf) ? 0 : 1;
}


std::string SelfPath() { return fs::read_symlink("/proc/self/exe").string(); }

// montage's cells at 300 dpi: 420 x 430 layout units are 350 x 358
// pixels, the spacing of 70 is 58 (29 on each side of a cell). The label
// font is given, as montage has none of its own here. Debian's security
// policy forbids the plain "PDF" coder ("PDFA" is the same writer) and
// caps the pixel cache far below 48 full pictures; the run's own policy
// file lifts the cap. With `hinted` libjpeg decodes at a reduced scale,
// as ours does.
std::vector<std::string> MontageCommand(const std::string& pdf, bool hinted) {
  std::vector<std::string> command = {"env", "MAGICK_CONFIGURE_PATH=" + TestFiles().Folder.string(), "montage"};
  if (hinted) command.insert(command.end(), {"-define", "jpeg:size=700x600"});
  command.insert(command.end(), {"-density", "300", "-units", "PixelsPerInch", "-tile", "6x8", "-geometry",
                                 "350x300+29+29", "-font", "DejaVu-Sans", "-pointsize", "5", "-label", "%f"});
  for (const std::string& f : TestFiles().Sheet) command.push_back(f);
  command.push_back("PDFA:" + pdf);
  return command;
}

void WriteMontagePolicy(const fs::path& folder) {
  std::FILE* f = std::fopen((folder / "policy.xml").c_str(), "w");
  if (!f) return;
  std::fputs("<policymap>\n"
             "  <policy domain=\"resource\" name=\"memory\" value=\"16GiB\"/>\n"
             "  <policy domain=\"resource\" name=\"map\" value=\"16GiB\"/>\n"
             "  <policy domain=\"resource\" name=\"disk\" value=\"32GiB\"/>\n"
             "</policymap>\n",
             f);
  std::fclose(f);
}

void BM_ContactSheet48PdfBesideMontage(benchmark::State& state) {
  const fs::path& folder = TestFiles().Folder;
  const std::string ours = (folder / "sheet.pdf").string();
  const std::string plain = (folder / "montage.pdf").string(), hinted = (folder / "montage-hinted.pdf").string();
  WriteMontagePolicy(folder);
  ProcessRun tessaline, montage, montageHinted;
  double tessalineMs = 0, montageMs = 0, hintedMs = 0;
  for (auto _ : state) {
    tessaline = RunProcess({SelfPath(), "--sheet-job", folder.string(), ours});
    montage = RunProcess(MontageCommand(plain, false));
    montageHinted = RunProcess(MontageCommand(hinted, true));
    if (!tessaline.ok) state.SkipWithError("the sheet job failed");
    if (!montage.ok || !montageHinted.ok) state.SkipWithError("montage failed");
    tessalineMs += tessaline.milliseconds;
    montageMs += montage.milliseconds;
    hintedMs += montageHinted.milliseconds;
    state.SetIterationTime(tessaline.milliseconds / 1000);
  }
  const double n = double(state.iterations());
  state.counters["tessaline_ms"] = tessalineMs / n;
  state.counters["montage_ms"] = montageMs / n;
  state.counters["montage_hinted_ms"] = hintedMs / n;
  state.counters["speedup"] = montageMs / std::max(tessalineMs, 1.0);
  state.counters["speedup_hinted"] = hintedMs / std::max(tessalineMs, 1.0);
  state.counters["tessaline_peak_MB"] = tessaline.peakMegabytes;
  state.counters["montage_peak_MB"] = montage.peakMegabytes;
  state.counters["montage_hinted_peak_MB"] = montageHinted.peakMegabytes;
  std::error_code ec;
  state.counters["tessaline_pdf_MB"] = double(fs::file_size(ours, ec)) / 1e6;
  state.counters["montage_pdf_MB"] = double(fs::file_size(plain, ec)) / 1e6;
}
BENCHMARK(BM_ContactSheet48PdfBesideMontage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

// Printing the sheet of a layout that is already open.
void BM_PrintOpenContactSheet(benchmark::State& state) {
  tl::DocumentPtr d = ContactSheet(TestFiles().Sheet);
  if (d->PageNumber != 1) state.SkipWithError("the sheet is not one page");
  const std::string pdf = (TestFiles().Folder / "open-sheet.pdf").string();
  for (auto _ : state)
    if (!PrintSheet(*d, pdf)) state.SkipWithError("not printed");
}
BENCHMARK(BM_PrintOpenContactSheet)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

// One A4 page of 100 pictures (10 x 10), labels on, redrawn whole at 100 %.
void BM_RedrawScreenPage100Images(benchmark::State& state) {
  tl::DocumentPtr d = MakeLayout(TestFiles().Screen, {260, 260}, 20);
  if (d->PageNumber != 1) state.SkipWithError("the pictures are not on one page");
  const tl::ScreenView view = tl::test::PageView(*d);
  for (auto _ : state) benchmark::DoNotOptimize(tl::test::RenderScreen(*d, view));
}
BENCHMARK(BM_RedrawScreenPage100Images)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--sheet-job") == 0) return RunSheetJob(argv[2], argv[3]);
  const std::unique_ptr<QGuiApplication> app = tl::EnsureGuiApplication();
  benchmark::Initialize(&argc, argv);
  TestFiles();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
