// The readers against real camera, scanner and editor files, checked with
// other tools: exiftool for the Exif values, djpeg for JPEG pixels,
// tiff2rgba for TIFF pixels and ImageMagick for bitmaps.
#include <gtest/gtest.h>
#include <tiffio.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/jpeg_library.h"
#include "imaging/preview.h"
#include "tests/imaging/corpus_support.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using test::HaveTool;
using test::Quoted;
using test::RunCommand;

// Files that must not be taken: CMYK, 12-bit, bitmap variants left to the
// extended-formats importer, damaged bitmaps, and EPS files that are not
// Photoshop's.
const std::set<std::string> kRefused = {
    "cmyk_adobe_transform0.jpg", "cmyk_with_wrong_srgb_icc.jpg", "pil_sample_cmyk_ycck.jpg",
    "ycck_swop_multichunk_icc.jpg", "12bit_precision.jpg", "cmyk16_ii.tif", "cmyk8_jpeg_tiled.tif",
    "cmyk8_uncompressed_mm.tif", "bad_reallybig.bmp", "bad_shortfile.bmp", "pal8v4.bmp", "pal8v5.bmp",
    "rgb16-565.bmp", "rgb24jpeg.bmp", "rgb24lprof_linked_icc.bmp", "rgb24png.bmp", "rgb24prof_embedded_icc.bmp",
    "rgb32.bmp", "rgb32bf.bmp", "rgba32_v5.bmp", "cmyk_imagedata.eps", "gimp_raster.eps", "gnuplot_nonzero_bbox.eps",
    "hijaak_epsf12_raster.eps", "illustrator_dosbin_tiffpreview.eps"};

std::vector<std::string> Files(const std::string& corpus, std::initializer_list<const char*> kinds) {
  std::vector<std::string> files;
  for (const char* kind : kinds)
    for (const auto& entry : fs::recursive_directory_iterator(corpus + "/" + kind))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

std::string Name(const std::string& path) { return fs::path(path).filename().string(); }

// The image's header and its pixels at full size (or `request`).
BitmapPtr DecodeFile(const std::string& path, ImageObject& image, const LSize* request = nullptr) {
  int message = 0;
  if (!ReadImageHeader(image, path)) return nullptr;
  BitmapPtr pixels = DecodeImagePixels(image, 0, request, nullptr, nullptr, message);
  EXPECT_TRUE(pixels) << message;
  return pixels;
}

struct Taken {
  ImageObject Image;
  bool Ok = false;
};

// Read as a layout takes images in: the header, then the preview.
std::unique_ptr<Taken> Take(const std::string& path) {
  auto t = std::make_unique<Taken>();
  t->Ok = ReadImageHeader(t->Image, path) && MakePreview(t->Image) != nullptr;
  return t;
}

TEST(Corpus, EveryFileIsReadOrRefused) {
  REQUIRE_CORPUS();
  for (const std::string& path : Files(corpus, {"jpeg", "tiff", "bmp", "eps"})) {
    SCOPED_TRACE(path);
    auto t = Take(path);
    EXPECT_EQ(t->Ok, !kRefused.count(Name(path)));
    if (!t->Ok) continue;
    EXPECT_GT(t->Image.ImageDesc.Width(), 0);
    EXPECT_GT(t->Image.ImageDesc.HResolution(), 0);
    EXPECT_NE(t->Image.ColorSpace, kSpaceCmyk);
    // A full decode, small and large.
    int message = 0;
    const LSize small = {17, 11};
    EXPECT_TRUE(DecodeImagePixels(t->Image, 0, &small, nullptr, nullptr, message) ||
                Name(path).find("imagedata_bitmap") != std::string::npos ||
                Name(path).find("boundingbox_atend") != std::string::npos)
        << message;
  }
}

// exiftool's values, tab-separated, "-" for a missing tag.
std::vector<std::string> kExiftoolTags = {
    "-File:ImageWidth",         "-File:ImageHeight",          "-IFD0:ImageWidth",         "-IFD0:ImageHeight",
    "-IFD0:Make",               "-IFD0:Model",                "-IFD0:Orientation",        "-ExifIFD:ExifVersion",
    "-ExifIFD:DateTimeOriginal", "-ExifIFD:CreateDate",       "-ExifIFD:Flash",           "-ExifIFD:LightSource",
    "-ExifIFD:ExposureTime",    "-ExifIFD:ExposureCompensation", "-ExifIFD:FNumber",      "-ExifIFD:ISO",
    "-ExifIFD:WhiteBalance",    "-ExifIFD:ColorSpace",        "-ExifIFD:Contrast",        "-ExifIFD:Saturation"};

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.pop_back();
  return s;
}

TEST(Corpus, ExifValuesMatchExiftool) {
  REQUIRE_CORPUS();
  if (!HaveTool("exiftool")) GTEST_SKIP() << "exiftool is not installed";
  const std::vector<std::string> files = Files(corpus, {"jpeg", "tiff"});
  std::string command = "exiftool -T -n -q -m -filepath";
  for (const auto& tag : kExiftoolTags) command += " " + tag;
  for (const auto& f : files) command += " " + Quoted(f);
  const test::Bytes out = RunCommand(command);
  std::istringstream lines(std::string(out.begin(), out.end()));
  int compared = 0;
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> v;
    std::istringstream fields(line);
    for (std::string f; std::getline(fields, f, '\t');) v.push_back(f);
    if (v.size() != kExiftoolTags.size() + 1) continue;
    const std::string& path = v[0];
    if (kRefused.count(Name(path))) continue;
    SCOPED_TRACE(path);
    auto t = Take(path);
    ASSERT_TRUE(t->Ok);
    const ImageObject& image = t->Image;
    const ExifFields& e = image.Exif;
    auto value = [&](const char* tag) -> const std::string& {
      for (size_t i = 0; i < kExiftoolTags.size(); ++i)
        if (kExiftoolTags[i] == tag) return v[i + 1];
      static const std::string none = "-";
      return none;
    };
    const std::string width = value(image.FileKind == kKindTiff ? "-IFD0:ImageWidth" : "-File:ImageWidth");
    const std::string height = value(image.FileKind == kKindTiff ? "-IFD0:ImageHeight" : "-File:ImageHeight");
    EXPECT_EQ(std::to_string(image.ImageDesc.Width()), width);
    EXPECT_EQ(std::to_string(image.ImageDesc.Height()), height);
    EXPECT_EQ(TrimRight(e.Maker), value("-IFD0:Make") == "-" ? "" : value("-IFD0:Make"));
    EXPECT_EQ(TrimRight(e.Model), value("-IFD0:Model") == "-" ? "" : value("-IFD0:Model"));
    EXPECT_EQ(e.Orientation == 0 ? "-" : std::to_string(e.Orientation), value("-IFD0:Orientation"));
    if (!(e.ExifPresence & kExifBlockFound)) continue;
    ++compared;
    auto number = [&](const char* tag, uint32_t bit, int64_t ours) {
      EXPECT_EQ((e.ExifPresence & bit) ? std::to_string(ours) : "-", value(tag)) << tag;
    };
    auto real = [&](const char* tag, uint32_t bit, double ours) {
      const std::string& theirs = value(tag);
      if (!(e.ExifPresence & bit) || theirs == "-") {
        EXPECT_EQ((e.ExifPresence & bit) != 0, theirs != "-") << tag;
        return;
      }
      EXPECT_NEAR(ours, std::atof(theirs.c_str()), 1e-4 * std::max(1.0, std::fabs(ours))) << tag;
    };
    EXPECT_EQ((e.ExifPresence & kExifHasVersion) ? e.ExifVersion : "-", value("-ExifIFD:ExifVersion"));
    EXPECT_EQ(e.DateTimeOriginal.empty() ? "-" : e.DateTimeOriginal, value("-ExifIFD:DateTimeOriginal"));
    EXPECT_EQ(e.DateTimeDigitized.empty() ? "-" : e.DateTimeDigitized, value("-ExifIFD:CreateDate"));
    number("-ExifIFD:Flash", kExifHasFlash, uint16_t(e.Flash));
    number("-ExifIFD:LightSource", kExifHasLightSource, uint16_t(e.LightSource));
    number("-ExifIFD:ISO", kExifHasIsoSpeed, uint16_t(e.IsoSpeed));
    number("-ExifIFD:WhiteBalance", kExifHasWhiteBalance, uint16_t(e.WhiteBalance));
    number("-ExifIFD:ColorSpace", kExifHasColorSpace, uint16_t(e.ColorSpace));
    number("-ExifIFD:Contrast", kExifHasContrast, uint16_t(e.Contrast));
    number("-ExifIFD:Saturation", kExifHasSaturation, uint16_t(e.Saturation));
    real("-ExifIFD:ExposureTime", kExifHasExposureTime,
         double(e.ExposureTimeNumerator) / std::max(1u, e.ExposureTimeDenominator));
    real("-ExifIFD:ExposureCompensation", kExifHasExposureBias, e.ExposureBias);
    real("-ExifIFD:FNumber", kExifHasFNumber, e.FNumber);
  }
  EXPECT_GT(compared, 30);
}

// A binary PPM or PGM as 0x00RRGGBB pixels.
bool ParsePnm(const test::Bytes& data, int& width, int& height, std::vector<uint32_t>& pixels) {
  std::string head(data.begin(), data.begin() + long(std::min<size_t>(data.size(), 64)));
  int maxValue = 0, consumed = 0;
  char magic[3] = {};
  if (std::sscanf(head.c_str(), "%2s %d %d %d%n", magic, &width, &height, &maxValue, &consumed) != 4) return false;
  const bool gray = std::string(magic) == "P5";
  const size_t start = size_t(consumed) + 1, channels = gray ? 1 : 3;
  if (data.size() < start + size_t(width) * size_t(height) * channels) return false;
  pixels.resize(size_t(width) * size_t(height));
  for (size_t i = 0; i < pixels.size(); ++i) {
    const uint8_t* p = &data[start + i * channels];
    pixels[i] = gray ? p[0] * 0x010101u : uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  }
  return true;
}

// The largest channel difference between our pixels and the reference.
int MaxDifference(const OffscreenBitmap& ours, const std::vector<uint32_t>& theirs) {
  int worst = 0;
  for (int y = 0; y < ours.Height; ++y)
    for (int x = 0; x < ours.Width; ++x) {
      const uint32_t a = test::RgbAt(ours, x, y), b = theirs[size_t(y) * size_t(ours.Width) + size_t(x)];
      for (int shift = 0; shift < 24; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    }
  return worst;
}

TEST(Corpus, JpegPixelsMatchDjpegAtFullAndReducedScale) {
  REQUIRE_CORPUS();
  if (!HaveTool("djpeg")) GTEST_SKIP() << "djpeg is not installed";
  int compared = 0;
  for (const std::string& path : Files(corpus, {"jpeg"})) {
    if (kRefused.count(Name(path))) continue;
    SCOPED_TRACE(path);
    ImageObject image;
    ASSERT_TRUE(ReadImageHeader(image, path));
    const int w = image.ImageDesc.Width(), h = image.ImageDesc.Height();
    // A reduced scale that divides the picture exactly needs no resampling
    // after the library's scaled decode.
    unsigned reduced = 1;
    for (unsigned n : {8u, 4u, 2u})
      if (reduced == 1 && w % int(n) == 0 && h % int(n) == 0) reduced = n;
    for (unsigned scale : {1u, reduced}) {
      const LSize request = {w / int(scale), h / int(scale)};
      int message = 0;
      BitmapPtr ours = DecodeImagePixels(image, 0, &request, nullptr, nullptr, message);
      ASSERT_TRUE(ours) << message;
      int rw = 0, rh = 0;
      std::vector<uint32_t> theirs;
      const test::Bytes pnm = RunCommand("djpeg -scale 1/" + std::to_string(scale) + " -pnm " + Quoted(path) + " 2>/dev/null");
      ASSERT_TRUE(ParsePnm(pnm, rw, rh, theirs));
      ASSERT_EQ(ours->Width, rw);
      ASSERT_EQ(ours->Height, rh);
      EXPECT_EQ(MaxDifference(*ours, theirs), 0) << "scale 1/" << scale;
      ++compared;
    }
  }
  EXPECT_GT(compared, 50);
}

TEST(Corpus, TiffPixelsMatchTiff2rgba) {
  REQUIRE_CORPUS();
  if (!HaveTool("tiff2rgba")) GTEST_SKIP() << "tiff2rgba is not installed";
  test::TempFolder dir;
  int compared = 0;
  for (const std::string& path : Files(corpus, {"tiff"})) {
    if (kRefused.count(Name(path))) continue;
    SCOPED_TRACE(path);
    ImageObject image;
    BitmapPtr ours = DecodeFile(path, image);
    ASSERT_TRUE(ours);
    const std::string reference = dir.File("reference.tif");
    bool ran = false;
    RunCommand("tiff2rgba -c none " + Quoted(path) + " " + Quoted(reference) + " 2>/dev/null", &ran);
    TIFF* tiff = ran ? TIFFOpen(reference.c_str(), "r") : nullptr;
    ASSERT_TRUE(tiff);
    uint32_t w = 0, h = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &h);
    std::vector<uint32_t> rgba(size_t(w) * h);
    ASSERT_TRUE(TIFFReadRGBAImageOriented(tiff, w, h, rgba.data(), ORIENTATION_TOPLEFT, 0));
    TIFFClose(tiff);
    uint16_t orientation = 1;
    {
      TIFF* source = TIFFOpen(path.c_str(), "r");
      TIFFGetFieldDefaulted(source, TIFFTAG_ORIENTATION, &orientation);
      TIFFClose(source);
    }
    if (orientation != ORIENTATION_TOPLEFT) continue;  // tiff2rgba turns the picture; the reader does not
    ASSERT_EQ(uint32_t(ours->Width), w);
    ASSERT_EQ(uint32_t(ours->Height), h);
    for (uint32_t& p : rgba) p = TIFFGetR(p) << 16 | TIFFGetG(p) << 8 | TIFFGetB(p);
    // 16-bit samples: the high byte here, rounding to the nearest there.
    EXPECT_LE(MaxDifference(*ours, rgba), 1);
    ++compared;
  }
  EXPECT_GT(compared, 15);
}

TEST(Corpus, BitmapPixelsMatchImageMagick) {
  REQUIRE_CORPUS();
  if (!HaveTool("convert")) GTEST_SKIP() << "ImageMagick is not installed";
  int compared = 0;
  for (const std::string& path : Files(corpus, {"bmp"})) {
    if (kRefused.count(Name(path)) || Name(path) == "bad_rle.bmp") continue;
    SCOPED_TRACE(path);
    ImageObject image;
    BitmapPtr ours = DecodeFile(path, image);
    ASSERT_TRUE(ours);
    int rw = 0, rh = 0;
    std::vector<uint32_t> theirs;
    ASSERT_TRUE(ParsePnm(RunCommand("convert " + Quoted(path) + " -depth 8 ppm:- 2>/dev/null"), rw, rh, theirs));
    ASSERT_EQ(ours->Width, rw);
    ASSERT_EQ(ours->Height, rh);
    EXPECT_EQ(MaxDifference(*ours, theirs), 0);
    ++compared;
  }
  EXPECT_GT(compared, 8);
}

TEST(Corpus, PhotoshopEpsPixelsMatchItsPreview) {
  REQUIRE_CORPUS();
  const std::string path = corpus + "/eps/photoshop_dosbin_tiffpreview_rgb_icc.eps";
  auto t = Take(path);
  ASSERT_TRUE(t->Ok);
  EXPECT_EQ(t->Image.ImageDesc.Width(), 399);
  EXPECT_EQ(t->Image.ImageDesc.Height(), 480);
  EXPECT_TRUE(t->Image.HasEmbeddedProfile);
  BitmapPtr preview = MakePreview(t->Image);
  ASSERT_TRUE(preview);
  // The preview is a dithered 1-bit picture: in blocks of 24 x 24 pixels its
  // mean brightness follows that of the decoded pixels.
  int message = 0;
  BitmapPtr pixels = DecodeImagePixels(t->Image, 0, nullptr, nullptr, nullptr, message);
  ASSERT_TRUE(pixels) << message;
  ASSERT_EQ(pixels->Width, preview->Width);
  constexpr int kBlock = 24;
  auto luma = [](uint32_t rgb) { return ((rgb >> 16) * 299 + ((rgb >> 8) & 0xFF) * 587 + (rgb & 0xFF) * 114) / 1000.0; };
  double total = 0;
  int blocks = 0;
  for (int by = 0; by + kBlock <= pixels->Height; by += kBlock)
    for (int bx = 0; bx + kBlock <= pixels->Width; bx += kBlock, ++blocks) {
      double ours = 0, theirs = 0;
      for (int y = by; y < by + kBlock; ++y)
        for (int x = bx; x < bx + kBlock; ++x) {
          ours += luma(test::RgbAt(*pixels, x, y));
          theirs += luma(test::RgbAt(*preview, x, y));
        }
      total += std::fabs(ours - theirs) / (kBlock * kBlock);
    }
  EXPECT_LT(total / blocks, 10.0);
}

}  // namespace
}  // namespace tl
