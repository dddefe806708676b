// Benchmarks of the layout file and the preferences file:
//  - saving a layout of 1,000 images (10 folders), with its preview;
//  - reading it back: parsing and the element rows with every image's
//    header read and colour settings applied, then the same with the
//    previews made (the work of opening a layout);
//  - the preferences text written and read.
// The 1,000 pictures (128 x 128 JPEGs) are written into a temporary folder
// when the run starts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/layout_document.h"
#include "imaging/offscreen_bitmap.h"
#include "imaging/preview_jpeg.h"
#include "persistence/layout_reader.h"
#include "persistence/layout_writer.h"
#include "persistence/preferences.h"

namespace {

namespace fs = std::filesystem;

constexpr int kImages = 1000;
constexpr int kFolders = 10;

struct Fixture {
  fs::path folder;
  std::string layoutPath;
  tl::DocumentPtr document;

  Fixture() {
    folder = fs::temp_directory_path() / ("tl-persistence-bench-" + std::to_string(getpid()));
    const tl::BitmapPtr picture = tl::OffscreenBitmapNew(tl::kPreviewJpegSide, tl::kPreviewJpegSide);
    for (int32_t y = 0; y < picture->Height; ++y)
      for (int32_t x = 0; x < picture->Width; ++x) {
        uint8_t* p = picture->Row(y) + x * 4;
        p[0] = uint8_t(x * 2), p[1] = uint8_t(y * 2), p[2] = uint8_t(x + y);
      }
    std::vector<uint8_t> jpeg;
    tl::EncodePreviewJpeg(*picture, jpeg);

    document.reset(tl::DocumentNew(nullptr, nullptr));
    for (int i = 0; i < kImages; ++i) {
      const fs::path dir = folder / ("folder" + std::to_string(i * kFolders / kImages));
      fs::create_directories(dir);
      const std::string path = (dir / ("image" + std::to_string(i) + ".jpg")).string();
      std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
      tl::ImageObject* image = tl::ImageObjectNew(document->DefaultImageSettings, &document->Objects);
      image->Owner = document.get();
      image->ImagePath = path;
      image->ImageSrcManagementMode = 0;
      image->ImageSimIntent = 1;
      image->CaptionString = "Caption of picture " + std::to_string(i);
    }
    layoutPath = (folder / "bench.qlf").string();
    tl::SaveLayoutFile(layoutPath, *document);
  }
  ~Fixture() { fs::remove_all(folder); }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_SaveLayout(benchmark::State& state) {
  Fixture& f = Shared();
  const std::string path = (f.folder / "saved.qlf").string();
  for (auto _ : state) benchmark::DoNotOptimize(tl::SaveLayoutFile(path, *f.document));
  state.counters["bytes"] = double(fs::file_size(path));
  state.counters["images"] = kImages;
}
BENCHMARK(BM_SaveLayout)->Unit(benchmark::kMillisecond);

void BM_LoadLayout(benchmark::State& state) {
  Fixture& f = Shared();
  tl::LayoutReadOptions options;
  options.RecordSummary = false;
  options.BuildPreviews = state.range(0) != 0;
  size_t objects = 0;
  for (auto _ : state) {
    const tl::DocumentPtr d = tl::LoadLayoutFile(f.layoutPath, options);
    objects = size_t(tl::ObjectCount(d->Objects));
  }
  state.counters["images"] = double(objects);
  state.SetLabel(options.BuildPreviews ? "headers and previews" : "headers only");
}
BENCHMARK(BM_LoadLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreferencesText(benchmark::State& state) {
  tl::PreferenceRecord record;
  tl::SetPreferenceDefaults(record, 1920);
  for (auto _ : state) {
    const std::string text = tl::PreferencesText(record);
    tl::ReadPreferencesText(text, record);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_PreferencesText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
