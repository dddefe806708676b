// Benchmarks of the tool windows following the current image:
//  - the image information window showing another image (its 26 rows set
//    and the window painted);
//  - the image preview window showing another 24 MP JPEG (6000 x 4000),
//    colour managed, from the change until its picture is there at "All"
//    (the quick fitted decode) and until the full-size picture for 100 %
//    is there. Decodes run on the window's worker threads; the benchmark
//    pumps events on this thread as the program's event loop would.
// Run from a release build: build/release/bin/tool_windows_bench. The
// photographs are written once into a cache folder of the build tree.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/windows/image_info_wnd.h"
#include "app/windows/image_preview_wnd.h"
#include "app/windows/preview_pane.h"
#include "document/layout_document.h"
#include "document/layout_object.h"
#include "imaging/builtin_extensions.h"
#include "layout/add_image.h"
#include "persistence/image_services.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 6000, kHeight = 4000;
constexpr int kPhotos = 2;  // the selection alternates between them
constexpr int kJpegQuality = 90;
constexpr int kPreviewSide = 480;  // the window's side when it first opens
constexpr int kWaitLimitMs = 30000;
constexpr int kWakeMs = 50;  // the wait looks at the clock at least this often

// A photograph-like picture: smooth shapes under fine grain, so that the
// file is as large and as slow to decode as a camera's.
QImage PhotoLike(int variant) {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  std::vector<double> across(kWidth);
  for (int x = 0; x < kWidth; ++x) across[size_t(x)] = std::sin(x * 0.0021 * (variant + 1));
  uint32_t seed = 12345u + uint32_t(variant);
  for (int y = 0; y < kHeight; ++y) {
    const double down = std::cos(y * 0.0017 + variant);
    uchar* p = image.scanLine(y);
    for (int x = 0; x < kWidth; ++x, p += 3) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = int(seed >> 28) - 8;
      const double s = across[size_t(x)] * down;
      p[0] = uchar(std::clamp(int(128 + 100 * s) + grain, 0, 255));
      p[1] = uchar(std::clamp((x + y) * 255 / (kWidth + kHeight) + grain, 0, 255));
      p[2] = uchar(std::clamp(int(170 - 60 * s) - grain, 0, 255));
    }
  }
  return image;
}

std::vector<std::string> Photographs() {
  const fs::path folder = fs::path(TL_BENCH_CACHE_DIR) / "preview_6000x4000";
  fs::create_directories(folder);
  std::vector<std::string> files;
  for (int i = 0; i < kPhotos; ++i) {
    const fs::path path = folder / ("IMG_" + std::to_string(i + 1) + ".jpg");
    if (!fs::exists(path)) {
      std::fprintf(stderr, "writing %s\n", path.c_str());
      const fs::path partial = folder / (path.filename().string() + ".part");
      QImageWriter writer(QString::fromStdString(partial.string()), "jpeg");
      writer.setQuality(kJpegQuality);
      if (!writer.write(PhotoLike(i))) {
        std::fprintf(stderr, "cannot write %s\n", partial.c_str());
        std::exit(1);
      }
      fs::rename(partial, path);
    }
    files.push_back(path.string());
  }
  return files;
}

// A layout holding the photographs, added as Get Image adds them.
struct Sheet {
  tl::DocumentPtr Document{tl::DocumentNew(nullptr, nullptr)};
  std::vector<const tl::ImageObject*> Images;

  Sheet() {
    tl::ImageImportServices services;
    for (const std::string& path : Photographs()) {
      tl::ImageToAdd file;
      file.Path = path;
      tl::AddImageFile(*Document, file, services);
    }
    for (tl::LayoutObject* o : Document->Objects)
      if (const tl::ImageObject* image = tl::AsImage(o)) Images.push_back(image);
  }
};

// The CPU time of all the process's threads: on a shared machine it tells
// what a change costs apart from waiting for a core.
double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

template <typename Done>
bool PumpUntil(Done done) {
  // Sleeps between events, as the program's loop does, so that the
  // waiting takes no core from the decode.
  QTimer wake;
  wake.start(kWakeMs);
  QElapsedTimer limit;
  limit.start();
  while (!done()) {
    if (limit.elapsed() > kWaitLimitMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

void BM_InformationFollowsSelection(benchmark::State& state) {
  Sheet sheet;
  if (sheet.Images.size() != size_t(kPhotos)) {
    state.SkipWithError("the photographs were not added");
    return;
  }
  tl::LPoint origin{-1, -1};
  tl::CImageInfoWnd window(nullptr, origin);
  window.show();
  QApplication::processEvents();
  size_t next = 0;
  for (auto _ : state) {
    window.ShowImageInformation(sheet.Images[next++ % sheet.Images.size()]);
    window.repaint();
  }
}

// One preview measurement: from Follow until the fitted picture ("All")
// or the full-size picture (100 %) is there.
void BM_PreviewShows(benchmark::State& state, bool full) {
  Sheet sheet;
  if (sheet.Images.size() != size_t(kPhotos)) {
    state.SkipWithError("the photographs were not added");
    return;
  }
  tl::LPoint origin{-1, -1};
  tl::CImagePreviewWnd window(nullptr, origin, kPreviewSide);
  window.show();
  QApplication::processEvents();
  size_t next = 0;
  double cpuMs = 0;
  for (auto _ : state) {
    const double cpuStart = ProcessCpuMs();
    QElapsedTimer timer;
    timer.start();
    window.Follow(sheet.Images[next++ % sheet.Images.size()]);
    const bool shown = PumpUntil([&] { return full ? window.Pane()->HasFullPicture() : window.Pane()->HasPicture(); });
    state.SetIterationTime(double(timer.nsecsElapsed()) * 1e-9);
    cpuMs += ProcessCpuMs() - cpuStart;
    // The rest of the decode does not count against the next change.
    const bool settled = PumpUntil([&] { return !window.Decoding(); });
    if (!shown || !settled || !window.Pane()->HasFullPicture()) {
      state.SkipWithError("the picture did not arrive");
      return;
    }
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  tl::InstallBuiltInImportExtensions();
  Photographs();  // written before any timing
  benchmark::RegisterBenchmark("InformationFollowsSelection", BM_InformationFollowsSelection)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Preview24MpAtAll", BM_PreviewShows, false)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(10);
  benchmark::RegisterBenchmark("Preview24MpAt100Percent", BM_PreviewShows, true)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(10);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
