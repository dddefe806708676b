// Printing 48 camera-sized JPEGs (6000 x 4000) laid out six to an A4 page
// into a 300 dpi PDF, as `tessaline-cli render` prints a layout file, beside
// libvips' vipsthumbnail shrinking the same files to the same cell size:
// the decoding that neither can avoid. Each run is a process of its own;
// the two alternate and the fastest of each counts (the machine may be
// shared); the peak memory is the largest seen. Targets: time at most
// 1.1 x vipsthumbnail's, peak memory at most 2 x.
//
//   print_beside_vips_bench [--repeat N]

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/render/camera_files.h"
#include "bench/render/process_run.h"
#include "document/layout_document.h"
#include "imaging/builtin_extensions.h"
#include "persistence/layout_writer.h"
#include "render/gui_application.h"
#include "render/image_add_loop.h"


namespace {

using tl::bench::ProcessRun;
using tl::bench::RunProcess;

namespace fs = std::filesystem;

constexpr int kPictures = 48;
constexpr int kDefaultRepeats = 2;
constexpr int kDpi = 300;
// Two across and three down the printable area of A4.
constexpr tl::LSize kCell = {1400, 1270};
constexpr double kTimeTarget = 1.1, kMemoryTarget = 2.0;
constexpr const char* kLayoutName = "six_to_a_page.qlf";


class NoProgress final : public tl::ImageAddProgress {
 public:
  bool Pump() override { return false; }
};

// The layout of the files, six to a page, written once.
std::string SixToAPage(const std::vector<std::string>& files, const fs::path& folder) {
  const std::string path = (folder / kLayoutName).string();
  const auto app = tl::EnsureGuiApplication();
  tl::DocumentPtr d(tl::DocumentNew(nullptr, nullptr));
  d->DocumentPath = path;
  d->DefaultImageSettings->Size = kCell;
  d->DefaultImageSettings->LabelItems = 0;
  NoProgress progress;
  tl::AddImageFiles(*d, files, progress);
  if (d->PageNumber != kPictures / 6) {
    std::fprintf(stderr, "the layout has %d pages, not %d\n", d->PageNumber, kPictures / 6);
    return {};
  }
  return tl::SaveLayoutFile(path, *d) ? path : std::string();
}

int Pixels(int32_t layoutUnits) { return layoutUnits * kDpi / tl::kLayoutUnitsPerInch; }

}  // namespace

int main(int argc, char** argv) {
  // The layout is made by a process of its own: a child spawned later
  // would start with this one's resident pages in its peak.
  if (argc == 4 && std::strcmp(argv[1], "--make-layout") == 0) {
    tl::InstallBuiltInImportExtensions();
    return SixToAPage(tl::bench::CameraFiles(kPictures), argv[2]) == argv[3] ? 0 : 1;
  }
  int repeats = kDefaultRepeats;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--repeat") == 0) repeats = std::max(1, std::atoi(argv[++i]));
  const std::vector<std::string> files = tl::bench::CameraFiles(kPictures);
  const fs::path folder = fs::path(TL_BENCH_CACHE_DIR) / "print_beside_vips";
  fs::remove_all(folder);
  fs::create_directories(folder / "thumbnails");
  const std::string layout = (folder / kLayoutName).string();
  if (!RunProcess({fs::read_symlink("/proc/self/exe").string(), "--make-layout", folder.string(), layout}).ok) return 1;

  std::vector<std::string> ours = {TL_CLI, "render", layout, "-o", (folder / "out.pdf").string(), "--dpi",
                                   std::to_string(kDpi)};
  std::vector<std::string> vips = {"vipsthumbnail", "--size",
                                   std::to_string(Pixels(kCell.cx)) + "x" + std::to_string(Pixels(kCell.cy)), "-o",
                                   (folder / "thumbnails" / "%s.jpg[Q=90]").string()};
  vips.insert(vips.end(), files.begin(), files.end());

  ProcessRun best[2], worstMemory[2];
  for (int r = 0; r < repeats; ++r) {
    for (int k = 0; k < 2; ++k) {
      const ProcessRun run = RunProcess(k == 0 ? ours : vips);
      if (!run.ok) {
        std::fprintf(stderr, "%s failed\n", k == 0 ? "tessaline-cli render" : "vipsthumbnail");
        return 1;
      }
      if (r == 0 || run.milliseconds < best[k].milliseconds) best[k] = run;
      worstMemory[k].peakMegabytes = std::max(worstMemory[k].peakMegabytes, run.peakMegabytes);
    }
  }
  double load[1] = {0};
  getloadavg(load, 1);
  const double time = best[0].milliseconds / best[1].milliseconds;
  const double memory = worstMemory[0].peakMegabytes / worstMemory[1].peakMegabytes;
  std::printf("%d files of %d x %d, six to an A4 page at %d dpi; load %.1f, fastest of %d runs each\n", kPictures,
              tl::bench::kCameraWidth, tl::bench::kCameraHeight, kDpi, load[0], repeats);
  std::printf("tessaline-cli render: %8.0f ms  peak %6.1f MB\n", best[0].milliseconds, worstMemory[0].peakMegabytes);
  std::printf("vipsthumbnail:        %8.0f ms  peak %6.1f MB\n", best[1].milliseconds, worstMemory[1].peakMegabytes);
  std::printf("time %.2f x (target at most %.1f), memory %.2f x (target at most %.1f)\n", time, kTimeTarget, memory,
              kMemoryTarget);
  return time <= kTimeTarget && memory <= kMemoryTarget ? 0 : 1;
}
