// Benchmarks of the layout side panel on a real IPP printer
// (ippeveprinter on loopback): attaching a layout to its printer, and a
// change of paper size or orientation on a 100-picture automatic layout
// up to the page redrawn at 100 %, as the panel's user waits for it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <memory>
#include <string>

#include "document/layout_document.h"
#include "layout/add_image.h"
#include "print/side_panel.h"
#include "render/gui_application.h"
#include "tests/print/ipp_printer.h"
#include "tests/render/render_fixtures.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 100;
constexpr int kCameraWidth = 1600, kCameraHeight = 1067;
constexpr int32_t kA3 = 8;

// 100 camera-sized pictures, each file its own.
struct Pictures {
  fs::path Folder;
  std::vector<std::string> Files;

  Pictures() {
    char pattern[] = "/tmp/panel-bench-XXXXXX";
    Folder = mkdtemp(pattern);
    QImage camera(kCameraWidth, kCameraHeight, QImage::Format_RGB32);
    for (int y = 0; y < kCameraHeight; ++y)
      for (int x = 0; x < kCameraWidth; ++x) camera.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const fs::path first = Folder / "picture0.jpg";
    camera.save(QString::fromStdString(first.string()), "JPEG", 85);
    for (int i = 0; i < kPictures; ++i) {
      const fs::path path = Folder / ("picture" + std::to_string(i) + ".jpg");
      if (i > 0) fs::copy_file(first, path);
      Files.push_back(path.string());
    }
  }
  ~Pictures() {
    std::error_code ec;
    fs::remove_all(Folder, ec);
  }
};

// Boxes of 260 with a spacing of 20: 10 x 10 on a portrait A4 page.
tl::DocumentPtr HundredPictureLayout(const Pictures& pictures, const std::string& printer) {
  tl::DocumentPtr d = tl::test::NewDocument();
  d->DefaultImageSettings->Size = {260, 260};
  d->AlignHorizontalSpacing = d->AlignVerticalSpacing = 20;
  d->PrinterName = printer;
  tl::test::ImportServices services;
  tl::ImageAddSession session;
  for (const std::string& path : pictures.Files) tl::AddImageFile(*d, {path, {}, {}}, services, &session);
  return d;
}

struct PanelBench {
  std::unique_ptr<QGuiApplication> App = tl::EnsureGuiApplication();
  tl::test::IppPrinter Printer;
  Pictures Files;
  tl::DocumentPtr Layout;
  tl::PrinterSettings Settings;
  tl::SidePanel Panel;

  bool Start(benchmark::State& state) {
    if (!tl::test::IppPrinter::Available()) return state.SkipWithError(tl::test::kNoIppPrinter), false;
    if (!Printer.Start(tl::test::PhotoPrinterAttributes(), "Panel Bench Photo"))
      return state.SkipWithError("the IPP printer did not start"), false;
    Layout = HundredPictureLayout(Files, Printer.Uri());
    Settings.Printers = {{Printer.Uri(), "Tessaline Test Photo 1"}};
    if (!tl::PanelAttach(Panel, *Layout, Settings)) return state.SkipWithError("the panel did not attach"), false;
    return true;
  }

  void Redraw() { benchmark::DoNotOptimize(tl::test::RenderScreen(*Layout, tl::test::PageView(*Layout))); }
};

void BM_PanelAttachToPrinter(benchmark::State& state) {
  PanelBench bench;
  if (!bench.Start(state)) return;
  for (auto _ : state) {
    tl::PrinterSettings settings;
    settings.Printers = bench.Settings.Printers;
    tl::SidePanel panel;
    if (!tl::PanelAttach(panel, *bench.Layout, settings)) state.SkipWithError("the panel did not attach");
  }
}
BENCHMARK(BM_PanelAttachToPrinter)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Each iteration is one change and its redraw; the changes alternate so
// that every one really moves the page.
void BM_PanelPaperSizeChangeAndRedraw(benchmark::State& state) {
  PanelBench bench;
  if (!bench.Start(state)) return;
  const int32_t a4 = bench.Layout->PaperSizeID;
  bool large = false;
  for (auto _ : state) {
    large = !large;
    if (!tl::PanelChoosePaperSize(bench.Panel, large ? kA3 : a4)) state.SkipWithError("the size was refused");
    bench.Redraw();
  }
  state.counters["pages"] = bench.Layout->PageNumber;
}
BENCHMARK(BM_PanelPaperSizeChangeAndRedraw)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_PanelOrientationChangeAndRedraw(benchmark::State& state) {
  PanelBench bench;
  if (!bench.Start(state)) return;
  bool landscape = false;
  for (auto _ : state) {
    landscape = !landscape;
    if (!tl::PanelChooseOrientation(bench.Panel, landscape ? tl::kLandscape : tl::kPortrait))
      state.SkipWithError("the orientation was refused");
    bench.Redraw();
  }
  state.counters["pages"] = bench.Layout->PageNumber;
}
BENCHMARK(BM_PanelOrientationChangeAndRedraw)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
