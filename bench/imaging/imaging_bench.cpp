// Benchmarks of the image import:
//  - the preview of a 24-megapixel JPEG without a thumbnail, for a 1000 x 667
//    frame, beside `djpeg -scale 1/4` on the same file (both as wall time),
//    and the peak memory of each, measured in a process of its own;
//  - header reading of 1,000 camera-like JPEGs (Exif block with thumbnail,
//    ICC profile, a 3-megapixel picture), time and bytes read per file;
//  - resampling of a preview-sized decode.
// The test files are generated into a temporary folder when the run starts.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/layout_object.h"
#include "imaging/image_header.h"
#include "imaging/preview.h"
#include "imaging/resample_bitmap.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int kBigWidth = 6000, kBigHeight = 4000;
constexpr int kCameraWidth = 2000, kCameraHeight = 1500;
constexpr int kCameraFiles = 1000;
constexpr tl::LSize kFrame = {1000, 667};

// A photograph-like picture: smooth shapes with fine texture (grain of
// 2^grainBits levels), so that the compressed size is that of a real
// photograph, not of a flat test card.
void PhotoPixel(int x, int y, int grainBits, uint32_t& seed, uint8_t* rgb) {
  seed = seed * 1664525u + 1013904223u;
  const int noise = int(seed >> (32 - grainBits)) - (1 << (grainBits - 1));
  const double s = std::sin(x * 0.013) * std::cos(y * 0.017);
  rgb[0] = uint8_t(std::clamp(int(128 + 90 * s) + noise, 0, 255));
  rgb[1] = uint8_t(std::clamp(int((x + y) * 255.0 / (kBigWidth + kBigHeight)) + noise, 0, 255));
  rgb[2] = uint8_t(std::clamp(int(200 - 80 * s) - noise, 0, 255));
}

Bytes CompressJpeg(int width, int height, int quality, int grainBits) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* memory = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&info, &memory, &length);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(size_t(width) * 3);
  uint32_t seed = 1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) PhotoPixel(x, y, grainBits, seed, &row[size_t(x) * 3]);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(memory, memory + length);
  std::free(memory);
  return out;
}

void Put16(Bytes& b, uint16_t v) { b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8)); }
void Put32(Bytes& b, uint32_t v) { Put16(b, uint16_t(v)), Put16(b, uint16_t(v >> 16)); }

// A little-endian Exif block as cameras write it: IFD0 with maker, model
// and resolution, an Exif directory, and a JPEG thumbnail.
Bytes CameraExif(int index, const Bytes& thumbnail) {
  struct Entry {
    uint16_t tag, type;
    uint32_t count;
    Bytes value;
  };
  auto text = [&](uint16_t tag, const std::string& s) {
    Bytes v(s.begin(), s.end());
    v.push_back(0);
    return Entry{tag, 2, uint32_t(v.size()), v};
  };
  auto rational = [](uint16_t tag, uint32_t n, uint32_t d) {
    Bytes v;
    Put32(v, n), Put32(v, d);
    return Entry{tag, 5, 1, v};
  };
  auto shortValue = [](uint16_t tag, uint16_t n) {
    Bytes v;
    Put16(v, n), Put16(v, 0);
    return Entry{tag, 3, 1, v};
  };
  char date[32];
  std::snprintf(date, sizeof date, "2024:05:%02d 10:%02d:%02d", 1 + index % 28, index % 60, (index * 7) % 60);
  std::vector<Entry> ifd0 = {text(271, "Lumen Optics"), text(272, "LX-" + std::to_string(index % 9)),
                             shortValue(274, 1), rational(282, 300, 1), rational(283, 300, 1), shortValue(296, 2),
                             Entry{34665, 4, 1, {}}};
  std::vector<Entry> exif = {rational(33434, 1, uint32_t(60 + index)), rational(33437, 28, 10),
                             shortValue(34855, 200),
                             Entry{36864, 7, 4, {'0', '2', '3', '0'}}, text(36867, date), text(36868, date),
                             shortValue(37385, 0x10), shortValue(40961, 1), shortValue(41987, 0)};
  std::vector<Entry> ifd1 = {shortValue(259, 6), Entry{513, 4, 1, {}}, Entry{514, 4, 1, {}}};
  auto dirSize = [](const std::vector<Entry>& d) { return uint32_t(2 + 12 * d.size() + 4); };
  const uint32_t at0 = 8, atExif = at0 + dirSize(ifd0), at1 = atExif + dirSize(exif);
  uint32_t values = at1 + dirSize(ifd1);
  uint32_t valueBytes = 0;
  for (auto* d : {&ifd0, &exif, &ifd1})
    for (auto& e : *d)
      if (e.value.size() > 4) valueBytes += uint32_t(e.value.size() + (e.value.size() & 1));
  const uint32_t thumbAt = values + valueBytes;
  ifd0.back().value = {};
  Bytes out = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0};
  Put32(out, at0);
  Bytes area;
  auto write = [&](std::vector<Entry>& d, uint32_t next) {
    Put16(out, uint16_t(d.size()));
    for (auto& e : d) {
      Put16(out, e.tag), Put16(out, e.type), Put32(out, e.count);
      if (e.tag == 34665) Put32(out, atExif);
      else if (e.tag == 513) Put32(out, thumbAt);
      else if (e.tag == 514) Put32(out, uint32_t(thumbnail.size()));
      else if (e.value.size() <= 4) {
        Bytes f = e.value;
        f.resize(4, 0);
        out.insert(out.end(), f.begin(), f.end());
      } else {
        Put32(out, values + uint32_t(area.size()));
        area.insert(area.end(), e.value.begin(), e.value.end());
        if (e.value.size() & 1) area.push_back(0);
      }
    }
    Put32(out, next);
  };
  write(ifd0, at1);
  write(exif, 0);
  write(ifd1, 0);
  out.insert(out.end(), area.begin(), area.end());
  out.insert(out.end(), thumbnail.begin(), thumbnail.end());
  return out;
}

struct Files {
  fs::path Folder;
  std::string Big;  // 24 megapixels, no thumbnail
  std::vector<std::string> Camera;

  Files() {
    char pattern[] = "/tmp/imaging-bench-XXXXXX";
    Folder = mkdtemp(pattern);
    Big = (Folder / "big.jpg").string();
    Write(Big, CompressJpeg(kBigWidth, kBigHeight, 90, 4));

    // One picture body shared by the camera files; each gets its own Exif
    // block (different facts, a thumbnail) and an ICC profile.
    const Bytes body = CompressJpeg(kCameraWidth, kCameraHeight, 90, 3);
    const Bytes thumbnail = CompressJpeg(160, 107, 75, 2);
    Bytes icc = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0, 1, 1};
    icc.resize(icc.size() + 3144, 0x42);
    for (int i = 0; i < kCameraFiles; ++i) {
      const Bytes exif = CameraExif(i, thumbnail);
      Bytes file = {0xFF, 0xD8};
      for (const Bytes* m : {&exif, static_cast<const Bytes*>(&icc)}) {
        const uint16_t length = uint16_t(m->size() + 2);
        file.insert(file.end(), {0xFF, uint8_t(m == &exif ? 0xE1 : 0xE2), uint8_t(length >> 8), uint8_t(length)});
        file.insert(file.end(), m->begin(), m->end());
      }
      file.insert(file.end(), body.begin() + 2, body.end());
      Camera.push_back((Folder / ("DSC" + std::to_string(10000 + i) + ".JPG")).string());
      Write(Camera.back(), file);
    }
  }
  ~Files() {
    std::error_code ec;
    fs::remove_all(Folder, ec);
  }
  static void Write(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
  }
};

Files& TestFiles() {
  static Files files;
  return files;
}

// Runs a command and waits for it.
void RunProcess(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return;
  int status = 0;
  waitpid(pid, &status, 0);
}

std::string SelfPath() { return fs::read_symlink("/proc/self/exe").string(); }

// The preview the application makes when the picture is placed.
bool MakeBigPreview(const std::string& path) {
  tl::ImageObject image;
  if (!tl::ReadImageHeader(image, path)) return false;
  image.Size = kFrame;
  tl::BitmapPtr preview = tl::MakePreview(image);
  return preview && preview->Width == kFrame.cx && preview->Height == kFrame.cy;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The preview and djpeg, one after the other in every iteration, so that
// both see the same load on the machine. The iteration time is the
// preview's; the counters give both means and their ratio.
void BM_Preview24MpJpegBesideDjpeg(benchmark::State& state) {
  const std::string& path = TestFiles().Big;
  double ours = 0, djpeg = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    if (!MakeBigPreview(path)) state.SkipWithError("no preview");
    const auto t1 = std::chrono::steady_clock::now();
    RunProcess({"djpeg", "-scale", "1/4", "-outfile", "/dev/null", path});
    const auto t2 = std::chrono::steady_clock::now();
    ours += Milliseconds(t1 - t0);
    djpeg += Milliseconds(t2 - t1);
    state.SetIterationTime((t1 - t0).count() * 1e-9);
  }
  const double n = double(state.iterations());
  state.counters["preview_ms"] = ours / n;
  state.counters["djpeg_ms"] = djpeg / n;
  state.counters["ratio"] = ours / djpeg;
}
BENCHMARK(BM_Preview24MpJpegBesideDjpeg)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(5);

// Peak memory of each in a process of its own, started by a small launcher
// (this program, freshly started, before it makes its test files) so that
// no big parent is counted in the child's peak.
double PeakOf(std::vector<std::string> command) {
  const std::string report = (TestFiles().Folder / "peak.txt").string();
  command.insert(command.begin(), {SelfPath(), "--peak", report});
  RunProcess(command);
  double kilobytes = -1024;
  std::ifstream(report) >> kilobytes;
  return kilobytes / 1024.0;
}

void BM_PeakMemoryMB(benchmark::State& state) {
  const std::string& path = TestFiles().Big;
  double preview = 0, djpeg = 0;
  for (auto _ : state) {
    preview = PeakOf({SelfPath(), "--make-preview", path});
    djpeg = PeakOf({"djpeg", "-scale", "1/4", "-outfile", "/dev/null", path});
  }
  state.counters["preview_MB"] = preview;
  state.counters["djpeg_MB"] = djpeg;
}
BENCHMARK(BM_PeakMemoryMB)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

uint64_t BytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return 0;
}

void BM_HeaderOf1000CameraJpegs(benchmark::State& state) {
  const auto& files = TestFiles().Camera;
  uint64_t bytes = 0, reads = 0;
  for (auto _ : state) {
    const uint64_t before = BytesReadSoFar();
    for (const std::string& path : files) {
      tl::ImageObject image;
      if (!tl::ReadImageHeader(image, path)) state.SkipWithError("header not read");
      benchmark::DoNotOptimize(image.ImageDesc);
    }
    bytes += BytesReadSoFar() - before;
    reads += files.size();
  }
  // Seconds per file (shown with an SI prefix: "u" is microseconds).
  state.counters["seconds_per_file"] =
      benchmark::Counter(double(reads), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["bytes_read_per_file"] = double(bytes) / double(reads);
  state.counters["file_bytes"] = double(fs::file_size(files.front()));
}
BENCHMARK(BM_HeaderOf1000CameraJpegs)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ResamplePreviewDecode(benchmark::State& state) {
  tl::BitmapPtr source = tl::OffscreenBitmapNew(1500, 1000);
  for (size_t i = 0; i < source->ByteSize(); ++i) source->Pixels[i] = uint8_t(i * 7);
  tl::BitmapPtr target = tl::OffscreenBitmapNew(kFrame.cx, kFrame.cy);
  for (auto _ : state) benchmark::DoNotOptimize(tl::ResampleBitmap(*source, *target));
}
BENCHMARK(BM_ResamplePreviewDecode)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--make-preview") == 0) return MakeBigPreview(argv[2]) ? 0 : 1;
  if (argc >= 4 && std::strcmp(argv[1], "--peak") == 0) {
    // Runs argv[3]... and writes its peak resident memory (kB) to argv[2].
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[3], nullptr, nullptr, argv + 3, environ) != 0) return 1;
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    std::ofstream(argv[2]) << usage.ru_maxrss << "\n";
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  TestFiles();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
