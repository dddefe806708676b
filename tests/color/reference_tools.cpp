#include "tests/color/reference_tools.h"

#include <tiffio.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/color/color_test_support.h"

namespace tl::test {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool HaveTool(const char* name) {
  return std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0;
}

bool WriteRgbTiff(const std::string& path, const OffscreenBitmap& bitmap, const std::vector<uint8_t>* icc) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  if (!tiff) return false;
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(bitmap.Width));
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(bitmap.Height));
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
  TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
  TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(bitmap.Height));
  if (icc) TIFFSetField(tiff, TIFFTAG_ICCPROFILE, uint32_t(icc->size()), icc->data());
  std::vector<uint8_t> row(size_t(bitmap.Width) * 3);
  bool ok = true;
  for (int32_t y = 0; y < bitmap.Height && ok; ++y) {
    const uint8_t* p = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width; ++x) {
      row[3 * x] = p[4 * x + 2];
      row[3 * x + 1] = p[4 * x + 1];
      row[3 * x + 2] = p[4 * x];
    }
    ok = TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) == 1;
  }
  TIFFClose(tiff);
  return ok;
}

std::vector<uint8_t> ReadRgbTiff(const std::string& path, int32_t width, int32_t height) {
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  if (!tiff) return {};
  uint32_t w = 0, h = 0;
  uint16_t samples = 0, bits = 0, planar = PLANARCONFIG_CONTIG;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &w);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &h);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
  std::vector<uint8_t> rgb;
  if (int32_t(w) == width && int32_t(h) == height && samples == 3 && bits == 8 && planar == PLANARCONFIG_CONTIG &&
      TIFFScanlineSize(tiff) == tmsize_t(w) * 3) {
    rgb.resize(size_t(w) * h * 3);
    for (uint32_t y = 0; y < h; ++y)
      if (TIFFReadScanline(tiff, rgb.data() + size_t(y) * w * 3, y, 0) != 1) {
        rgb.clear();
        break;
      }
  }
  TIFFClose(tiff);
  return rgb;
}

bool RunTificc(const std::string& arguments, const std::string& input, const std::string& output) {
  const std::string command = "tificc " + arguments + " " + Quoted(input) + " " + Quoted(output) + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::vector<std::vector<double>> RunTransicc(const std::string& arguments,
                                             const std::vector<std::vector<double>>& rows) {
  TempFolder folder;
  const std::string in = folder.File("in.txt"), out = folder.File("out.txt");
  {
    std::ofstream file(in);
    file.precision(10);
    for (const auto& row : rows) {
      for (double v : row) file << v << ' ';
      file << '\n';
    }
  }
  const std::string command =
      "transicc -n " + arguments + " < " + Quoted(in) + " > " + Quoted(out) + " 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  std::vector<std::vector<double>> results;
  std::ifstream file(out);
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream values(line);
    std::vector<double> row;
    double v;
    while (values >> v) row.push_back(v);
    if (!row.empty()) results.push_back(row);
  }
  return results;
}

int LargestRgbDifference(const OffscreenBitmap& bitmap, const std::vector<uint8_t>& rgb) {
  if (rgb.size() != size_t(bitmap.Width) * bitmap.Height * 3) return 256;
  int largest = 0;
  const uint8_t* p = bitmap.Pixels.get();
  for (size_t i = 0; i < size_t(bitmap.Width) * bitmap.Height; ++i)
    for (int c = 0; c < 3; ++c) largest = std::max(largest, std::abs(int(p[4 * i + 2 - c]) - int(rgb[3 * i + c])));
  return largest;
}

}  // namespace tl::test
