// Benchmarks of the program people start:
//  - start-up: from the process's start to its main window shown with the
//    sample contact sheet open and its page drawn (the program's own
//    start-up code, run as a process of its own each time);
//  - redraw: the layout view repainting a page of 100 images at 100 %.
// Run from a release build: build/release/bin/app_bench. The contact sheet
// is made from resources/samples when the run starts.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "imaging/builtin_extensions.h"
#include "persistence/template_library.h"
#include "render/image_add_loop.h"
#include "render/layout_io.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr const char* kChildFlag = "--startup-child";
constexpr int kRedrawPictures = 100;
constexpr int32_t kSmallBox = 220;  // layout units: 100 of them fit one A4 page
constexpr int kWindowWidth = 1280, kWindowHeight = 960;

double MonotonicSeconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

class NoProgress final : public tl::ImageAddProgress {
 public:
  bool Pump() override { return false; }
};

// A private home for the runs: preferences, templates and caches of the
// user are not touched.
struct Home {
  fs::path Folder = fs::temp_directory_path() / ("tessaline-app-bench-" + std::to_string(getpid()));
  Home() {
    fs::create_directories(Folder);
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
      setenv(v, (Folder / v).c_str(), 1);
  }
  ~Home() {
    std::error_code ec;
    fs::remove_all(Folder, ec);
  }
};

std::string SourceFolder() {
  const char* source = std::getenv("TL_SOURCE_DIR");
  return source ? source : TL_SOURCE_DIR;
}

// The sample contact sheet, as `tessaline-cli layout` makes it.
std::string MakeSampleSheet(const fs::path& folder) {
  const std::string sheet = (folder / "samples.qlf").string();
  tl::DocumentPtr d = tl::LoadRenderedLayoutFile(tl::InstalledTemplateFolder() + "/Contact Sheet A4.qlt");
  if (!d) return {};
  d->DocumentPath = sheet;
  NoProgress progress;
  tl::AddImageFiles(*d, {SourceFolder() + "/resources/samples"}, progress);
  return tl::SaveLayoutFileWithPreview(sheet, *d) ? sheet : std::string();
}

// The child: the program's start-up with the sheet, then the time at which
// the view had drawn the page.
class FirstPaint final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && qobject_cast<QWidget*>(watched) && watched->parent() &&
        qobject_cast<tl::CGPView*>(watched->parent())) {
      std::printf("%.6f\n", MonotonicSeconds());
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return false;
  }
};

int RunStartupChild(int argc, char** argv) {
  QApplication application(argc, argv);
  tl::InstallBuiltInImportExtensions();
  FirstPaint probe;
  application.installEventFilter(&probe);
  tl::CTessalineApp app;
  if (!app.InitInstance({argv[2]})) return 1;
  QApplication::exec();
  for (tl::CGPDoc* d : app.Documents().Documents()) d->Layout()->Modified = 0;
  return 0;
}

// Seconds from spawning the program to its first drawn page.
double StartupSeconds(const std::string& self, const std::string& sheet) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> args = {const_cast<char*>(self.c_str()), const_cast<char*>(kChildFlag),
                             const_cast<char*>(sheet.c_str()), nullptr};
  const double start = MonotonicSeconds();
  pid_t child = -1;
  const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return -1;
  }
  char text[64] = {};
  const ssize_t n = read(out[0], text, sizeof text - 1);
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return n > 0 ? std::atof(text) - start : -1;
}

void BM_StartupToContactSheet(benchmark::State& state, const std::string& self) {
  Home home;
  const std::string sheet = MakeSampleSheet(home.Folder);
  if (sheet.empty()) {
    state.SkipWithError("the sample contact sheet could not be made");
    return;
  }
  double worst = 0;
  for (auto _ : state) {
    const double seconds = StartupSeconds(self, sheet);
    if (seconds < 0) {
      state.SkipWithError("the program did not start");
      return;
    }
    worst = std::max(worst, seconds);
    state.SetIterationTime(seconds);
  }
  state.counters["worst_ms"] = worst * 1000;
}

// A layout of 100 small pictures, all on the first page.
std::string MakePageOf100(const fs::path& folder) {
  QImage picture(2400, 1600, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
  std::vector<std::string> files;
  for (int i = 0; i < kRedrawPictures; ++i) {
    files.push_back((folder / ("p" + std::to_string(i) + ".jpg")).string());
    QImageWriter(QString::fromStdString(files.back()), "jpeg").write(picture);
  }
  const std::string path = (folder / "hundred.qlf").string();
  tl::DocumentPtr d = tl::LoadRenderedLayoutFile(tl::InstalledTemplateFolder() + "/Contact Sheet A4.qlt");
  if (!d) return {};
  d->DocumentPath = path;
  d->DefaultImageSettings->Size = {kSmallBox, kSmallBox};
  NoProgress progress;
  tl::AddImageFiles(*d, files, progress);
  if (d->PageNumber != 1) return {};
  return tl::SaveLayoutFileWithPreview(path, *d) ? path : std::string();
}

void BM_RedrawPageOf100Images(benchmark::State& state) {
  Home home;
  const std::string path = MakePageOf100(home.Folder);
  if (path.empty()) {
    state.SkipWithError("the page of 100 pictures could not be made");
    return;
  }
  tl::CTessalineApp app;
  if (!app.InitInstance({path})) {
    state.SkipWithError("the program did not start");
    return;
  }
  tl::CGPDoc* document = app.Documents().Active();
  if (!document || !document->View()) {
    state.SkipWithError("the layout did not open");
    return;
  }
  app.MainFrame()->resize(kWindowWidth, kWindowHeight);
  tl::CGPView* view = document->View();
  view->SetZoom(1, 1);
  QApplication::processEvents();
  for (auto _ : state) view->viewport()->repaint();
  state.counters["client_px"] = double(view->viewport()->width()) * view->viewport()->height();
  document->Layout()->Modified = 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], kChildFlag) == 0) return RunStartupChild(argc, argv);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  QApplication application(argc, argv);
  tl::InstallBuiltInImportExtensions();
  benchmark::RegisterBenchmark("StartupToContactSheet", BM_StartupToContactSheet, self)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(10);
  benchmark::RegisterBenchmark("RedrawPageOf100Images", BM_RedrawPageOf100Images)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
