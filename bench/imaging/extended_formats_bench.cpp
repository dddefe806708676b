// Benchmarks of the extended-formats importer:
//  - a full-size decode of a 24-megapixel RGBA PNG (the drawing and its
//    mask, and the drawing alone) beside libpng's simplified read API
//    (png_image_*) decoding the same file into a BGRA buffer, one after the
//    other in every iteration so that both see the same load; the counters
//    give both means and their ratio (the target is at most 1.2);
//  - a preview-sized decode of the same file (rows shrunk as they come).
// The PNG is generated into a temporary folder when the run starts.
#include <benchmark/benchmark.h>
#include <png.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/layout_object.h"
#include "imaging/extended_importer.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 6000, kHeight = 4000;
constexpr tl::LSize kFrame = {1000, 667};

// A photograph-like picture with fine grain (so that it compresses like a
// photograph) and transparency that fades in from the left edge.
std::vector<uint8_t> PhotoRgba() {
  std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 4);
  uint32_t seed = 12345;
  for (int y = 0; y < kHeight; ++y) {
    uint8_t* p = &pixels[size_t(y) * kWidth * 4];
    for (int x = 0; x < kWidth; ++x, p += 4) {
      seed = seed * 1664525u + 1013904223u;
      const int noise = int(seed >> 28) - 8;
      const double s = std::sin(x * 0.013) * std::cos(y * 0.017);
      p[0] = uint8_t(std::clamp(int(128 + 90 * s) + noise, 0, 255));
      p[1] = uint8_t(std::clamp(int((x + y) * 255.0 / (kWidth + kHeight)) + noise, 0, 255));
      p[2] = uint8_t(std::clamp(int(200 - 80 * s) - noise, 0, 255));
      p[3] = uint8_t(std::min(255, x / 4));
    }
  }
  return pixels;
}

struct TestFile {
  TestFile() {
    folder = fs::temp_directory_path() / ("tl-png-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    path = (folder / "rgba24mp.png").string();
    const std::vector<uint8_t> pixels = PhotoRgba();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kWidth;
    image.height = kHeight;
    image.format = PNG_FORMAT_RGBA;
    ok = png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
  }
  ~TestFile() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  fs::path folder;
  std::string path;
  bool ok = false;
};

const TestFile& File() {
  static TestFile file;
  return file;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// libpng's own simplified read of the whole picture into a new buffer.
bool SimplifiedRead(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_BGRA;
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[PNG_IMAGE_SIZE(image)]());
  const bool ok = png_image_finish_read(&image, nullptr, buffer.get(), 0, nullptr) != 0;
  benchmark::DoNotOptimize(buffer.get());
  png_image_free(&image);
  return ok;
}

void DecodeBesideSimplifiedRead(benchmark::State& state, bool withMask) {
  if (!File().ok) {
    state.SkipWithError("the test picture could not be written");
    return;
  }
  tl::BuiltInFormatImporter importer;
  tl::SetExtendedFormatImporter(&importer);
  tl::ImageObject image;
  if (!tl::ReadImageHeader(image, File().path)) {
    state.SkipWithError("no header");
    return;
  }
  image.ImageSrcManagementMode = 0;
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    tl::BitmapPtr mask;
    int message = 0;
    tl::BitmapPtr pixels =
        tl::DecodeImagePixels(image, tl::kMatchNone, nullptr, withMask ? &mask : nullptr, nullptr, message);
    if (!pixels || pixels->Width != kWidth || (withMask && !mask)) state.SkipWithError("decode failed");
    pixels.reset();
    mask.reset();
    const auto t1 = std::chrono::steady_clock::now();
    if (!SimplifiedRead(File().path)) state.SkipWithError("libpng failed");
    const auto t2 = std::chrono::steady_clock::now();
    ours += Milliseconds(t1 - t0);
    theirs += Milliseconds(t2 - t1);
    state.SetIterationTime((t1 - t0).count() * 1e-9);
  }
  tl::SetExtendedFormatImporter(nullptr);
  const double n = double(state.iterations());
  state.counters["importer_ms"] = ours / n;
  state.counters["png_image_ms"] = theirs / n;
  state.counters["ratio"] = ours / theirs;
}

void BM_Decode24MpRgbaPngWithMask(benchmark::State& state) { DecodeBesideSimplifiedRead(state, true); }
BENCHMARK(BM_Decode24MpRgbaPngWithMask)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(5);

void BM_Decode24MpRgbaPngWithoutMask(benchmark::State& state) { DecodeBesideSimplifiedRead(state, false); }
BENCHMARK(BM_Decode24MpRgbaPngWithoutMask)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(5);

void BM_Preview24MpRgbaPng(benchmark::State& state) {
  tl::BuiltInFormatImporter importer;
  tl::SetExtendedFormatImporter(&importer);
  tl::ImageObject image;
  if (!File().ok || !tl::ReadImageHeader(image, File().path)) {
    state.SkipWithError("no header");
    return;
  }
  image.ImageSrcManagementMode = 0;
  for (auto _ : state) {
    tl::BitmapPtr mask;
    int message = 0;
    tl::BitmapPtr preview = tl::DecodeImagePixels(image, tl::kMatchNone, &kFrame, &mask, nullptr, message);
    if (!preview || preview->Width != kFrame.cx) state.SkipWithError("decode failed");
  }
  tl::SetExtendedFormatImporter(nullptr);
}
BENCHMARK(BM_Preview24MpRgbaPng)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  File();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
