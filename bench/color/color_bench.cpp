// color_bench: in-place conversion of a 24-megapixel 32-bit bitmap through
// a source -> CMYK simulation -> printer chain (its rows shared among the
// cores), against one bare single-threaded cmsDoTransform call over the
// same buffer with the same transform. Prints the speed of each in
// Mpixel/s and their ratio; exits with 1 when the chain runs below 1.8
// times the bare call on a machine of two cores or more.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "color/chain_transform.h"
#include "color/match_bitmap.h"
#include "color/profile_places.h"
#include "color/transform_cache.h"
#include "document/layout_document.h"
#include "imaging/offscreen_bitmap.h"
#include "resources/app_folders.h"

namespace {

using namespace tl;
namespace fs = std::filesystem;

constexpr int32_t kWidth = 6000;
constexpr int32_t kHeight = 4000;  // 24 megapixels
constexpr int32_t kPreviewWidth = 1024;
constexpr int32_t kPreviewHeight = 768;
constexpr double kRequiredRatio = 1.8;

// Everything the benchmarks share: profiles in a temporary colour folder,
// a document whose image prints by application with CMYK simulation, and
// the bitmap with a pristine copy to restore before each conversion (the
// conversion is in place, and LittleCMS reuses the last pixel's result, so
// the content must not drift towards flat colour).
struct Setup {
  Setup() {
    char pattern[] = "/tmp/tl-color-bench-XXXXXX";
    folder = mkdtemp(pattern) ? pattern : "/tmp";
    places = std::make_unique<ScopedProfilePlaces>(
        ProfilePlaces{{folder, DataFolder() + "/icc"}, DataFolder() + "/LabLab"});
    WritePrinterProfile(folder + "/printer.icc");

    document.reset(DocumentNew(nullptr, nullptr));
    document->OutputPrinterControls = kByApplication;
    document->OutputPrinterProfileState = 2;
    document->OutputPrinterProfile = "printer.icc";
    image = ImageObjectNew(document->DefaultImageSettings, &document->Objects);
    image->Owner = document.get();
    image->ColorSpace = FourCC("RGB ");
    image->ImageSrcManagementMode = 0;
    image->ImageSrcUseEmbedProfile = 0;
    image->SrcProfileState = 2;
    image->ImageSrcProfile = std::string(kDefaultRgbProfileName);
    image->ImageSrcIntent = 1;  // perceptual
    image->ImageSimMethod = 1;
    image->SimProfileState = 0;  // the program's CMYK profile
    image->ImageSimIntent = 3;   // relative colorimetric

    bitmap = OffscreenBitmapNew(kWidth, kHeight);
    pristine.resize(bitmap->ByteSize());
    uint32_t seed = 12345;
    for (int32_t y = 0; y < kHeight; ++y)
      for (int32_t x = 0; x < kWidth; ++x) {
        seed = seed * 1664525u + 1013904223u;
        uint8_t* p = &pristine[(size_t(y) * kWidth + x) * 4];
        p[0] = uint8_t(x * 255 / kWidth + (seed >> 28));
        p[1] = uint8_t(y * 255 / kHeight + ((seed >> 24) & 15));
        p[2] = uint8_t((x + y) * 255 / (kWidth + kHeight) + ((seed >> 20) & 15));
        p[3] = 0;
      }
    Restore();
    ok = BuildProfileChain(*image, kMatchOutput, {}, chain) && (transform = ChainTransform(chain)) != nullptr;
  }
  ~Setup() {
    places.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  static void WritePrinterProfile(const std::string& path) {
    const cmsCIExyY white = {0.3457, 0.3585, 1.0};
    const cmsCIExyYTRIPLE primaries = {{0.66, 0.32, 1.0}, {0.28, 0.62, 1.0}, {0.15, 0.07, 1.0}};
    cmsToneCurve* curve = cmsBuildGamma(nullptr, 1.8);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSaveProfileToFile(profile, path.c_str());
    cmsCloseProfile(profile);
    cmsFreeToneCurve(curve);
  }

  void Restore() { std::memcpy(bitmap->Pixels.get(), pristine.data(), pristine.size()); }

  std::string folder;
  std::unique_ptr<ScopedProfilePlaces> places;
  DocumentPtr document;
  ImageObject* image = nullptr;
  BitmapPtr bitmap;
  std::vector<uint8_t> pristine;
  ProfileChain chain;
  SharedTransform transform;
  bool ok = false;
};

Setup& Shared() {
  static Setup setup;
  return setup;
}

void ReportPixels(benchmark::State& state, int64_t pixels) {
  state.counters["Mpixel/s"] =
      benchmark::Counter(double(pixels) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

// Times `convert` on the 24-megapixel bitmap, restored before each run.
template <typename Convert>
void TimeFullSize(benchmark::State& state, Convert convert) {
  Setup& s = Shared();
  if (!s.ok) return state.SkipWithError("profiles missing");
  for (auto _ : state) {
    state.PauseTiming();
    s.Restore();
    state.ResumeTiming();
    if (!convert(s)) return state.SkipWithError("conversion failed");
    benchmark::ClobberMemory();
  }
  ReportPixels(state, int64_t(kWidth) * kHeight);
}

// The reference: the chain's own transform, row by row, nothing else.
void BM_BareDoTransform(benchmark::State& state) {
  TimeFullSize(state, [](Setup& s) {
    for (int32_t y = 0; y < kHeight; ++y) cmsDoTransform(s.transform.get(), s.bitmap->Row(y), s.bitmap->Row(y), kWidth);
    return true;
  });
}

// What a decoder's colour matching costs: chain built (profiles opened and
// checked), transform found in the cache, bitmap converted in place.
void BM_MatchBitmap(benchmark::State& state) {
  TimeFullSize(state, [](Setup& s) { return MatchBitmap(*s.bitmap, *s.image, kMatchOutput); });
}

// A screen preview matched with and without the transform cache.
void BM_MatchPreview(benchmark::State& state) {
  Setup& s = Shared();
  if (!s.ok) return state.SkipWithError("profiles missing");
  const bool cached = state.range(0) != 0;
  BitmapPtr preview = OffscreenBitmapNew(kPreviewWidth, kPreviewHeight);
  std::memcpy(preview->Pixels.get(), s.pristine.data(), preview->ByteSize());
  for (auto _ : state) {
    if (!cached) TransformCache::Shared().Clear();
    if (!MatchBitmap(*preview, *s.image, kMatchOutput)) return state.SkipWithError("conversion failed");
  }
  state.SetLabel(cached ? "transform cached" : "transform rebuilt");
  ReportPixels(state, int64_t(kPreviewWidth) * kPreviewHeight);
}

BENCHMARK(BM_BareDoTransform)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MatchBitmap)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MatchPreview)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const auto bare = reporter.seconds.find("BM_BareDoTransform/min_time:2.000/real_time");
  const auto chain = reporter.seconds.find("BM_MatchBitmap/min_time:2.000/real_time");
  if (bare == reporter.seconds.end() || chain == reporter.seconds.end()) return 0;
  const double ratio = bare->second / chain->second;
  const unsigned cores = std::thread::hardware_concurrency();
  std::printf("\n24 Mpixel source -> CMYK simulation -> printer on %u cores: MatchBitmap at %.3f x one bare "
              "cmsDoTransform call (required %.2f with two cores or more)\n", cores, ratio, kRequiredRatio);
  return cores < 2 || ratio >= kRequiredRatio ? 0 : 1;
}
