// Benchmarks of the layout view as a user works in it:
//  - DragHundredOfTwoHundred: 100 selected images dragged on a free page of
//    200; each iteration is one mouse-move step, the model's update and
//    the repaint it asks for (target: under 16 ms at 100 %); press_ms is
//    the button press that prepares the drag's pictures;
//  - ZoomStepsOnHundred: a page of 100 images zoomed in from 1 : 1 to 4 : 1
//    and out again, each step with its repaint (target: under 30 ms).
// Run from a release build: build/release/bin/view_bench. The pictures and
// layouts are made in a private folder when the run starts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QMouseEvent>
#include <QScrollBar>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/application.h"
#include "app/shell/main_frame.h"
#include "app/view/gp_view.h"
#include "document/object_geometry.h"
#include "document/selection.h"
#include "imaging/builtin_extensions.h"
#include "persistence/template_library.h"
#include "render/image_add_loop.h"
#include "render/layout_io.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWindowWidth = 1280, kWindowHeight = 960;
constexpr int kStepPixels = 3;  // one mouse-move step

class NoProgress final : public tl::ImageAddProgress {
 public:
  bool Pump() override { return false; }
};

// A private home: the user's preferences, templates and caches stay out.
struct Home {
  fs::path Folder = fs::temp_directory_path() / ("tessaline-view-bench-" + std::to_string(getpid()));
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

// `count` camera-like pictures in boxes of `box` layout units, all on the
// first page of a contact sheet; the layout's path, empty on failure.
std::string MakePage(const fs::path& folder, int count, int32_t box, bool free) {
  QImage picture(2400, 1600, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
  const std::string first = (folder / "picture.jpg").string();
  QImageWriter(QString::fromStdString(first), "jpeg").write(picture);
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) {
    files.push_back((folder / QStringLiteral("p%1.jpg").arg(i).toStdString()).string());
    fs::copy_file(first, files.back(), fs::copy_options::overwrite_existing);
  }
  const std::string path = (folder / QStringLiteral("page%1.qlf").arg(count).toStdString()).string();
  tl::DocumentPtr d = tl::LoadRenderedLayoutFile(tl::InstalledTemplateFolder() + "/Contact Sheet A4.qlt");
  if (!d) return {};
  d->DocumentPath = path;
  d->DefaultImageSettings->Size = {box, box};
  NoProgress progress;
  tl::AddImageFiles(*d, files, progress);
  if (d->PageNumber != 1) return {};
  d->Free = free;
  return tl::SaveLayoutFileWithPreview(path, *d) ? path : std::string();
}

// The program with the layout open in a window of the benchmark's size.
struct Program {
  tl::CTessalineApp app;
  tl::CGPDoc* document = nullptr;
  tl::CGPView* view = nullptr;

  bool Open(const std::string& path) {
    if (!app.InitInstance({path})) return false;
    document = app.Documents().Active();
    if (!document || !document->View()) return false;
    app.MainFrame()->resize(kWindowWidth, kWindowHeight);
    view = document->View();
    QApplication::processEvents();
    view->SetZoom(1, 1);
    view->verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    return true;
  }
  ~Program() {
    if (document && document->Layout()) document->Layout()->Modified = 0;
  }
};

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void BM_DragHundredOfTwoHundred(benchmark::State& state) {
  Home home;
  const std::string path = MakePage(home.Folder, 200, 150, true);
  Program program;
  if (path.empty() || !program.Open(path)) {
    state.SkipWithError("the page of 200 pictures could not be opened");
    return;
  }
  tl::LayoutDocument& d = *program.document->Layout();
  std::vector<tl::ImageObject*> images;
  for (tl::LayoutObject* o : d.Objects)
    if (tl::ImageObject* image = tl::AsImage(o)) images.push_back(image);
  for (size_t i = 0; i < images.size(); ++i) images[i]->Selected = i % 2 == 0;
  tl::RecountSelection(d);
  d.CurrentImage = images.front();
  program.view->Invalidate();
  QApplication::processEvents();

  QWidget* port = program.view->viewport();
  const QPoint start = program.view->Geometry().ToDevice(tl::AreaCentre(tl::ObjectArea(*images.front())));
  QElapsedTimer timer;
  timer.start();
  SendMouse(port, QEvent::MouseButtonPress, start, Qt::LeftButton);
  QApplication::processEvents();
  const double pressed = timer.nsecsElapsed() / 1e6;
  if (!program.view->DragActive()) {
    state.SkipWithError("the press did not start a drag");
    return;
  }
  QPoint at = start;
  int step = 0;
  double worst = 0;
  for (auto _ : state) {
    // Back and forth over 40 steps, so the images stay on the page.
    at += QPoint((step / 20) % 2 ? -kStepPixels : kStepPixels, (step / 20) % 2 ? -1 : 1);
    ++step;
    timer.start();
    SendMouse(port, QEvent::MouseMove, at, Qt::LeftButton);
    QApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    worst = std::max(worst, ms);
    state.SetIterationTime(ms / 1000);
  }
  SendMouse(port, QEvent::MouseButtonRelease, at, Qt::NoButton);
  QApplication::processEvents();
  state.counters["worst_ms"] = worst;
  state.counters["press_ms"] = pressed;
  state.counters["selected"] = double(d.SelectedImageCount);
}

void BM_ZoomStepsOnHundred(benchmark::State& state) {
  Home home;
  const std::string path = MakePage(home.Folder, 100, 220, false);
  Program program;
  if (path.empty() || !program.Open(path)) {
    state.SkipWithError("the page of 100 pictures could not be opened");
    return;
  }
  // 1 : 1 -> 2 : 1 -> 3 : 1 -> 4 : 1 -> 3 : 1 -> 2 : 1 -> 1 : 1, round again.
  int step = 0;
  double worst = 0;
  QElapsedTimer timer;
  for (auto _ : state) {
    const bool in = step % 6 < 3;
    ++step;
    timer.start();
    if (in) program.view->ZoomIn();
    else program.view->ZoomOut();
    program.view->viewport()->repaint();
    const double ms = timer.nsecsElapsed() / 1e6;
    worst = std::max(worst, ms);
    state.SetIterationTime(ms / 1000);
  }
  state.counters["worst_ms"] = worst;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  tl::InstallBuiltInImportExtensions();
  benchmark::RegisterBenchmark("DragHundredOfTwoHundred", BM_DragHundredOfTwoHundred)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(400);
  benchmark::RegisterBenchmark("ZoomStepsOnHundred", BM_ZoomStepsOnHundred)
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(60);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
