// Camera-sized JPEG files for the benchmarks: photograph-like pictures
// (smooth shapes under fine grain, as large and as slow to decode as a
// camera's), written once into a cache folder of the build tree and read
// through once, so that every run finds them in the page cache.
#pragma once

#include <string>
#include <vector>

namespace tl::bench {

constexpr int kCameraWidth = 6000, kCameraHeight = 4000;  // 24 megapixels

// IMG_0001.jpg ... in the cache folder; the program ends with a message
// when one cannot be written.
std::vector<std::string> CameraFiles(int count);

}  // namespace tl::bench
