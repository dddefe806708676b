// Get Image over 100 camera-sized JPEG files (6000 x 4000, no embedded
// thumbnail) into the default layout:
//  (a) serial: the files added one after another on one thread with the
//      import services, as Get Image did before the add loop;
//  (b) the add loop, its workers reading the files ahead of the adds.
// Reports both wall times and their ratio, the longest time the loop kept
// the event pump waiting, and the peak memory (VmHWM) per added image.
// Each run is a process of its own, so that neither inherits the other's
// peak. The two alternate a few times and the fastest of each counts (the
// machine may be shared); the gap and the memory are the worst seen. The
// files are written once into a cache folder of the build tree.
//
//   image_add_bench [--files N] [--workers N] [--repeat N]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/render/camera_files.h"
#include "document/layout_document.h"
#include "document/undo_store.h"
#include "imaging/builtin_extensions.h"
#include "layout/add_image.h"
#include "layout/arrange.h"
#include "persistence/image_services.h"
#include "render/image_add_loop.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kDefaultFiles = 100;
constexpr int kDefaultRepeats = 3;
constexpr double kRatioTarget = 0.6;
constexpr double kGapTargetMs = 100;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int64_t StatusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const size_t n = std::strlen(field);
  while (std::getline(status, line))
    if (line.compare(0, n, field) == 0) return std::atoll(line.c_str() + n + 1);
  return 0;
}

struct RunResult {
  double Milliseconds = 0;
  double CpuMilliseconds = 0;  // user and system time of all threads
  double LongestGapMs = 0;  // between two pumps (or the start and the first)
  int Added = 0;
  int64_t BaseKilobytes = 0;  // resident before the run
  int64_t PeakKilobytes = 0;  // VmHWM after it
};

tl::DocumentPtr NewSeries() {
  tl::DocumentPtr d(tl::DocumentNew(nullptr, nullptr));
  tl::UndoRecord(*d, tl::kUndoGetImages);
  return d;
}

RunResult RunSerial(const std::vector<std::string>& files, int) {
  RunResult r;
  tl::DocumentPtr d = NewSeries();
  r.BaseKilobytes = StatusKilobytes("VmRSS:");
  const Clock::time_point start = Clock::now();
  tl::ImageImportServices services;
  tl::ImageAddSession session;
  for (const std::string& path : files) {
    tl::ImageToAdd file;
    file.Path = path;
    r.Added += tl::AddImageFile(*d, file, services, &session);
  }
  services.RebuildLabels(*d);
  tl::ArrangeLayout(*d);
  r.Milliseconds = Milliseconds(Clock::now() - start);
  r.PeakKilobytes = StatusKilobytes("VmHWM:");
  return r;
}

// Notes the longest stretch without a pump.
class GapWatch final : public tl::ImageAddProgress {
 public:
  explicit GapWatch(Clock::time_point start) : last_(start) {}
  bool Pump() override {
    const Clock::time_point now = Clock::now();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
    return false;
  }
  double LongestMs(Clock::time_point end) const { return Milliseconds(std::max(longest_, end - last_)); }

 private:
  Clock::time_point last_;
  Clock::duration longest_{};
};

RunResult RunLoop(const std::vector<std::string>& files, int workers) {
  RunResult r;
  tl::DocumentPtr d = NewSeries();
  r.BaseKilobytes = StatusKilobytes("VmRSS:");
  const Clock::time_point start = Clock::now();
  GapWatch watch(start);
  r.Added = tl::AddImageFiles(*d, files, watch, workers).Added;
  const Clock::time_point end = Clock::now();
  r.Milliseconds = Milliseconds(end - start);
  r.LongestGapMs = watch.LongestMs(end);
  r.PeakKilobytes = StatusKilobytes("VmHWM:");
  return r;
}

// Runs `run` in a child process and brings its result back through a pipe.
RunResult InChild(RunResult (*run)(const std::vector<std::string>&, int), const std::vector<std::string>& files,
                  int workers) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::exit(1);
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    tl::InstallBuiltInImportExtensions();
    RunResult r = run(files, workers);
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    r.CpuMilliseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    const bool written = write(pipeEnds[1], &r, sizeof r) == ssize_t(sizeof r);
    _exit(written ? 0 : 1);
  }
  close(pipeEnds[1]);
  RunResult r;
  const bool read_ = read(pipeEnds[0], &r, sizeof r) == ssize_t(sizeof r);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!read_ || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "the run failed\n");
    std::exit(1);
  }
  return r;
}

double MegabytesPerImage(const RunResult& r) {
  return r.Added ? double(r.PeakKilobytes - r.BaseKilobytes) / 1024.0 / r.Added : 0;
}

// The fastest time of `runs` with the worst gap and memory of them all.
RunResult Summary(const std::vector<RunResult>& runs) {
  RunResult best = runs.front();
  for (const RunResult& r : runs) {
    if (r.Milliseconds < best.Milliseconds) {
      best.Milliseconds = r.Milliseconds;
      best.CpuMilliseconds = r.CpuMilliseconds;
    }
    best.LongestGapMs = std::max(best.LongestGapMs, r.LongestGapMs);
    if (MegabytesPerImage(r) > MegabytesPerImage(best)) {
      best.BaseKilobytes = r.BaseKilobytes;
      best.PeakKilobytes = r.PeakKilobytes;
    }
  }
  return best;
}

void PrintRun(const char* name, const RunResult& r) {
  std::printf("%s %8.0f ms (cpu %6.0f ms)  %3d added  peak %5.1f MB per image\n", name, r.Milliseconds,
              r.CpuMilliseconds, r.Added, MegabytesPerImage(r));
}

}  // namespace

int main(int argc, char** argv) {
  int count = kDefaultFiles, workers = 0, repeats = kDefaultRepeats;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--files") == 0) count = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--workers") == 0) workers = std::max(0, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--repeat") == 0) repeats = std::max(1, std::atoi(argv[i + 1]));
  }
  const std::vector<std::string> files = tl::bench::CameraFiles(count);
  double load[1] = {0};
  getloadavg(load, 1);
  std::vector<RunResult> serialRuns, loopRuns;
  for (int i = 0; i < repeats; ++i) {
    serialRuns.push_back(InChild(RunSerial, files, workers));
    loopRuns.push_back(InChild(RunLoop, files, workers));
  }
  const RunResult serial = Summary(serialRuns), loop = Summary(loopRuns);
  const double ratio = loop.Milliseconds / serial.Milliseconds;

  std::printf("%d files of %d x %d pixels, %ld processors, load %.1f, fastest of %d runs each\n", count, tl::bench::kCameraWidth,
              tl::bench::kCameraHeight, sysconf(_SC_NPROCESSORS_ONLN), load[0], repeats);
  PrintRun("(a) serial:  ", serial);
  PrintRun("(b) add loop:", loop);
  std::printf("loop / serial: %.2f (target at most %.1f)\n", ratio, kRatioTarget);
  std::printf("longest gap between pumps: %.1f ms (target under %.0f ms)\n", loop.LongestGapMs, kGapTargetMs);
  return 0;
}
