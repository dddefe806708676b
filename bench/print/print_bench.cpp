// Benchmarks of whole print jobs on the bundled sample photographs (the
// application default layout, 300 dpi): into the PDF file
// destination, and to a real IPP printer (ippeveprinter on loopback), so
// that the difference is what preparing and sending the job costs.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "layout/add_image.h"
#include "render/gui_application.h"
#include "render/print_document.h"
#include "tests/print/ipp_printer.h"
#include "tests/render/render_fixtures.h"

namespace {

namespace fs = std::filesystem;

tl::DocumentPtr SampleLayout() {
  tl::DocumentPtr d = tl::test::NewDocument();
  tl::test::ImportServices services;
  tl::ImageAddSession session;
  for (const auto& entry : fs::directory_iterator(TL_SAMPLES_DIR))
    if (entry.path().extension() != ".py") tl::AddImageFile(*d, {entry.path().string(), {}, {}}, services, &session);
  return d;
}

void PrintJobs(benchmark::State& state, const std::string& printer) {
  const std::unique_ptr<QGuiApplication> app = tl::EnsureGuiApplication();
  tl::DocumentPtr d = SampleLayout();
  tl::PrinterSettings settings;
  if (!tl::PrinterSettingsLoad(*d, settings, printer)) {
    state.SkipWithError("the printer did not load");
    return;
  }
  tl::PrintOptions options;
  options.PdfPath = (fs::temp_directory_path() / "print-bench.pdf").string();
  for (auto _ : state)
    if (tl::PrintDocument(*d, settings, options) != tl::PrintResult::Printed) state.SkipWithError("the job failed");
  state.counters["pages"] = d->PageNumber;
  fs::remove(options.PdfPath);
}

void BM_PrintSamplesToPdfFile(benchmark::State& state) { PrintJobs(state, tl::PdfFilePrinterName()); }

void BM_PrintSamplesToIppPrinter(benchmark::State& state) {
  if (!tl::test::IppPrinter::Available()) return state.SkipWithError("ippeveprinter is not installed");
  tl::test::IppPrinter printer;
  if (!printer.Start(tl::test::PhotoPrinterAttributes())) return state.SkipWithError("the IPP printer did not start");
  PrintJobs(state, printer.Uri());
}

BENCHMARK(BM_PrintSamplesToPdfFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PrintSamplesToIppPrinter)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
