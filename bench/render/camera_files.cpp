#include "bench/render/camera_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <jpeglib.h>  // after <cstdio>: it uses FILE and size_t

namespace tl::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = kCameraWidth, kHeight = kCameraHeight;
constexpr int kJpegQuality = 90;

bool WritePhoto(const std::string& path, int variant) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = kWidth;
  info.image_height = kHeight;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kJpegQuality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<double> across(kWidth);
  for (int x = 0; x < kWidth; ++x) across[size_t(x)] = std::sin(x * 0.0021 * (variant % 7 + 1));
  std::vector<JSAMPLE> row(size_t(kWidth) * 3);
  uint32_t seed = 12345u + uint32_t(variant);
  for (int y = 0; y < kHeight; ++y) {
    const double down = std::cos(y * 0.0017 + variant);
    for (int x = 0; x < kWidth; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = int(seed >> 28) - 8;
      const double s = across[size_t(x)] * down;
      JSAMPLE* p = &row[size_t(x) * 3];
      p[0] = JSAMPLE(std::clamp(int(128 + 100 * s) + grain, 0, 255));
      p[1] = JSAMPLE(std::clamp((x + y) * 255 / (kWidth + kHeight) + grain, 0, 255));
      p[2] = JSAMPLE(std::clamp(int(170 - 60 * s) - grain, 0, 255));
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(out) == 0;
}

}  // namespace

std::vector<std::string> CameraFiles(int count) {
  const fs::path folder = fs::path(TL_BENCH_CACHE_DIR) / "image_add_6000x4000";
  fs::create_directories(folder);
  std::vector<std::string> files;
  std::vector<char> buffer(1 << 20);
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%04d.jpg", i + 1);
    const fs::path path = folder / name;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
      std::fprintf(stderr, "writing %s\n", path.c_str());
      const fs::path partial = folder / (std::string(name) + ".part");
      if (!WritePhoto(partial.string(), i)) {
        std::fprintf(stderr, "cannot write %s\n", partial.c_str());
        std::exit(1);
      }
      fs::rename(partial, path);
    }
    std::ifstream in(path, std::ios::binary);
    while (in.read(buffer.data(), std::streamsize(buffer.size()))) {
    }
    files.push_back(path.string());
  }
  return files;
}

}  // namespace tl::bench
