// Writes starting inputs for every fuzz target, made with the tests' own
// file builders: one small, valid file for each structure a reader knows
// (bit depths, colour modes, compressions, embedded profiles, Exif and
// Photoshop blocks, layout elements, settings). scripts/fuzz merges them
// into fuzz/corpus/ so that fuzzing starts deep inside every reader.
//
//   write_fuzz_seeds FOLDER    writes FOLDER/<target>/<name>
#include <lcms2.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "color/profile_open.h"
#include "imaging/photoshop_resources.h"
#include "persistence/preferences.h"
#include "print/driver_extension.h"
#include "print/driver_items.h"
#include "print/pdf_destination.h"
#include "resources/app_folders.h"
#include "tests/imaging/extended_fixtures.h"
#include "tests/imaging/fixtures.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ExifBuilder;

constexpr int kApp1 = 0xE1, kApp2 = 0xE2, kApp5 = 0xE5, kApp13 = 0xED;

// A recipe's change from its defaults, and the file name of the result.
template <class Recipe>
struct Variant {
  const char* Name;
  std::function<void(Recipe&)> Change;
};

class SeedWriter {
 public:
  explicit SeedWriter(fs::path root) : root_(std::move(root)) {}
  void Put(const std::string& target, const std::string& name, const Bytes& bytes) {
    std::error_code error;
    fs::create_directories(root_ / target, error);
    if (!test::WriteBytes((root_ / target / name).string(), bytes)) failed_ = true;
    ++count_;
  }
  void Put(const std::string& target, const std::string& name, const std::string& text) {
    Put(target, name, Bytes(text.begin(), text.end()));
  }
  bool Failed() const { return failed_; }
  int Count() const { return count_; }

 private:
  fs::path root_;
  bool failed_ = false;
  int count_ = 0;
};

Bytes SmallJpeg(int width, int height, int components = 3) {
  test::JpegRecipe recipe;
  recipe.Width = width;
  recipe.Height = height;
  recipe.Components = components;
  recipe.Quality = 60;
  return test::MakeJpeg(recipe);
}

// Every Exif field the labels and the capture matching read.
ExifBuilder CameraExif(bool bigEndian) {
  ExifBuilder exif(bigEndian);
  exif.Ascii(ExifBuilder::kIfd0, 271, "Maker");
  exif.Ascii(ExifBuilder::kIfd0, 272, "Model 7");
  exif.Short(ExifBuilder::kIfd0, 274, 6);  // orientation
  exif.Rational(ExifBuilder::kIfd0, 282, 300, 1);
  exif.Rational(ExifBuilder::kIfd0, 283, 300, 1);
  exif.Short(ExifBuilder::kIfd0, 296, 2);
  exif.Ascii(ExifBuilder::kIfd0, 306, "2026:12:10 12:00:00");
  exif.Rational(ExifBuilder::kExifIfd, 33434, 1, 250);  // exposure time
  exif.Rational(ExifBuilder::kExifIfd, 33437, 28, 10);  // f-number
  exif.Short(ExifBuilder::kExifIfd, 34855, 400);        // ISO
  exif.Undefined(ExifBuilder::kExifIfd, 36864, {'0', '2', '3', '0'});
  exif.Ascii(ExifBuilder::kExifIfd, 36867, "2026:12:10 12:00:00");
  exif.SRational(ExifBuilder::kExifIfd, 37380, -1, 3);  // exposure bias
  exif.Short(ExifBuilder::kExifIfd, 37383, 5);          // metering
  exif.Short(ExifBuilder::kExifIfd, 37385, 16);         // flash
  exif.Rational(ExifBuilder::kExifIfd, 37386, 50, 1);   // focal length
  exif.Short(ExifBuilder::kExifIfd, 40961, 1);          // colour space
  exif.Short(ExifBuilder::kExifIfd, 41990, 1);          // scene
  exif.Short(ExifBuilder::kExifIfd, 41992, 2);          // contrast
  exif.Short(ExifBuilder::kExifIfd, 41993, 1);          // saturation
  exif.Short(ExifBuilder::kExifIfd, 41994, 1);          // sharpness
  return exif;
}

Bytes ResolutionBlock() {
  const Bytes resolution = {0, 0x48, 0, 0, 0, 1, 0, 1, 0, 0x48, 0, 0, 0, 1, 0, 1};
  return test::PhotoshopBlock(kResourceResolution, "", resolution);
}

void WriteJpegSeeds(SeedWriter& out, const Bytes& profile) {
  out.Put("jpeg", "gray.jpg", SmallJpeg(16, 8, 1));
  out.Put("jpeg", "color.jpg", SmallJpeg(16, 16));
  out.Put("jpeg", "cmyk.jpg", SmallJpeg(8, 8, 4));
  test::JpegRecipe progressive;
  progressive.Width = 24, progressive.Height = 16, progressive.Progressive = true, progressive.Quality = 50;
  out.Put("jpeg", "progressive.jpg", test::MakeJpeg(progressive));
  test::JpegRecipe dense;
  dense.Width = dense.Height = 8, dense.DensityUnit = 2, dense.XDensity = 118, dense.YDensity = 59;
  out.Put("jpeg", "density.jpg", test::MakeJpeg(dense));

  test::JpegRecipe exif;
  exif.Width = exif.Height = 8;
  ExifBuilder fields = CameraExif(false);
  fields.Thumbnail(SmallJpeg(8, 8));
  exif.Markers = {{kApp1, fields.App1()}};
  out.Put("jpeg", "exif.jpg", test::MakeJpeg(exif));

  test::JpegRecipe icc;
  icc.Width = icc.Height = 8;
  const size_t half = profile.size() / 2;
  icc.Markers = {{kApp2, test::IccSegment(1, 2, Bytes(profile.begin(), profile.begin() + half))},
                 {kApp2, test::IccSegment(2, 2, Bytes(profile.begin() + half, profile.end()))}};
  out.Put("jpeg", "icc.jpg", test::MakeJpeg(icc));

  test::JpegRecipe photoshop;
  photoshop.Width = photoshop.Height = 8, photoshop.Jfif = false;
  Bytes app13 = {'P', 'h', 'o', 't', 'o', 's', 'h', 'o', 'p', ' ', '3', '.', '0', 0};
  const Bytes blocks = ResolutionBlock();
  app13.insert(app13.end(), blocks.begin(), blocks.end());
  photoshop.Markers = {{kApp13, app13}};
  out.Put("jpeg", "photoshop.jpg", test::MakeJpeg(photoshop));
}

void WriteExifSeeds(SeedWriter& out) {
  for (const bool big : {false, true}) {
    ExifBuilder exif = CameraExif(big);
    exif.Thumbnail(SmallJpeg(8, 8));
    exif.Raw(ExifBuilder::kIfd0, 315, 2, 1000,
             0xFFFFFF00);  // an offset past the end
    out.Put("exif", big ? "motorola.tif" : "intel.tif", exif.Tiff());
  }
}

Bytes TiffBytes(const test::TiffRecipe& recipe) {
  const std::string path = (fs::temp_directory_path() / "tl-fuzz-seed.tif").string();
  Bytes bytes = test::WriteTiff(path, recipe) ? test::ReadBytes(path) : Bytes();
  std::error_code error;
  fs::remove(path, error);
  return bytes;
}

void WriteTiffSeeds(SeedWriter& out, const Bytes& profile) {
  const std::vector<Variant<test::TiffRecipe>> variants = {
      {"rgb.tif", [](test::TiffRecipe&) {}},
      {"gray.tif", [](test::TiffRecipe& r) { r.Samples = 1, r.Photometric = 1; }},
      {"gray16.tif", [](test::TiffRecipe& r) { r.Samples = 1, r.Photometric = 1, r.Bits = 16; }},
      {"bilevel.tif", [](test::TiffRecipe& r) { r.Samples = 1, r.Photometric = 0, r.Bits = 1; }},
      {"rgb16.tif", [](test::TiffRecipe& r) { r.Bits = 16; }},
      {"cmyk.tif", [](test::TiffRecipe& r) { r.Samples = 4, r.Photometric = 5; }},
      {"alpha.tif", [](test::TiffRecipe& r) { r.Samples = 4, r.ExtraSamples = 1; }},
      {"planar.tif", [](test::TiffRecipe& r) { r.Planar = 2; }},
      {"tiled.tif", [](test::TiffRecipe& r) { r.TileWidth = r.TileHeight = 16; }},
      {"lzw.tif", [](test::TiffRecipe& r) { r.Compression = 5; }},
      {"deflate.tif", [](test::TiffRecipe& r) { r.Compression = 8; }},
      {"packbits.tif", [](test::TiffRecipe& r) { r.Compression = 32773; }},
      {"inch.tif", [](test::TiffRecipe& r) { r.ResolutionUnit = 3, r.XResolution = 118, r.YResolution = 59; }},
      {"palette.tif",
       [](test::TiffRecipe& r) {
         r.Samples = 1, r.Photometric = 3, r.Bits = 4;
         r.ColorMap.assign(3 * 16, 0);
         for (int i = 0; i < 16; ++i) r.ColorMap[i] = r.ColorMap[16 + i] = uint16_t(i * 4369);
       }},
      {"icc.tif", [&profile](test::TiffRecipe& r) { r.Icc = profile; }},
  };
  for (const auto& v : variants) {
    test::TiffRecipe recipe;
    recipe.Width = 20, recipe.Height = 12;
    v.Change(recipe);
    const int top = (1 << std::min(recipe.Bits, 16)) - 1;
    recipe.Sample = [top](int x, int y, int s) { return uint32_t((x * 13 + y * 7 + s * 5) % (top + 1)); };
    out.Put("tiff", v.Name, TiffBytes(recipe));
  }
}

void WriteBmpSeeds(SeedWriter& out) {
  struct BmpVariant {
    const char* Name;
    int Bits;
    uint32_t Compression;
    bool TopDown, Core;
  };
  const BmpVariant variants[] = {{"rgb24.bmp", 24, 0, false, false}, {"rgb16.bmp", 16, 0, false, false},
                                 {"index8.bmp", 8, 0, false, false}, {"index4.bmp", 4, 0, true, false},
                                 {"index1.bmp", 1, 0, false, false}, {"core.bmp", 8, 0, false, true},
                                 {"rle8.bmp", 8, 1, false, false},   {"rle4.bmp", 4, 2, false, false}};
  for (const BmpVariant& v : variants) {
    test::BmpRecipe recipe;
    recipe.Bits = v.Bits, recipe.Compression = v.Compression, recipe.TopDown = v.TopDown, recipe.CoreHeader = v.Core;
    if (v.Bits <= 8)
      for (int i = 0; i < (1 << v.Bits); ++i) recipe.Palette.push_back(uint32_t(i * 0x010203));
    const uint32_t top = v.Bits <= 8 ? (1u << v.Bits) - 1 : 0xFFFFFF;
    recipe.Pixel = [top](int x, int y) { return uint32_t(x * 5 + y * 3) & top; };
    if (v.Compression == 1) recipe.RleData = {4, 1, 0, 3, 1, 2, 3, 0, 0, 0, 2, 1, 1, 0, 1};
    if (v.Compression == 2) recipe.RleData = {4, 0x12, 0, 4, 0x34, 0x56, 0, 0, 0, 1};
    out.Put("bmp", v.Name, test::MakeBmp(recipe));
  }
}

void WriteEpsSeeds(SeedWriter& out, const Bytes& profile) {
  test::EpsRecipe binary;
  out.Put("eps", "binary.eps", test::MakeEps(binary));
  test::EpsRecipe hex;
  hex.Encoding = 2, hex.Channels = 1, hex.BlockBytes = 8;
  out.Put("eps", "hex-gray.eps", test::MakeEps(hex));
  test::EpsRecipe cmyk;
  cmyk.Channels = 4, cmyk.Pad = 1;
  out.Put("eps", "cmyk.eps", test::MakeEps(cmyk));
  test::EpsRecipe jpeg;
  jpeg.Encoding = 3, jpeg.Width = 8, jpeg.Height = 8, jpeg.JpegData = SmallJpeg(8, 8);
  out.Put("eps", "jpeg.eps", test::MakeEps(jpeg));
  test::EpsRecipe resources;
  resources.Resources = ResolutionBlock();
  const Bytes name = {7, 'O', 'u', 't', 'l', 'i', 'n', 'e', 0, 0};
  const Bytes clipName = test::PhotoshopBlock(kResourceClippingPathName, "", name);
  const Bytes path = test::PhotoshopBlock(2000, "Outline", test::RectanglePath(0.25, 0.25, 0.75, 0.75));
  const Bytes thumbnail = test::PhotoshopThumbnailBlock(kResourceThumbnail, SmallJpeg(8, 8));
  for (const Bytes* block : {&clipName, &path, &thumbnail})
    resources.Resources.insert(resources.Resources.end(), block->begin(), block->end());
  resources.Profile = profile;
  out.Put("eps", "resources.eps", test::MakeEps(resources));
  test::TiffRecipe preview;
  preview.Width = 6, preview.Height = 4;
  preview.Sample = [](int x, int y, int s) { return uint32_t(x * 40 + y + s); };
  out.Put("eps", "dos.eps", test::DosEps(test::MakeEps(binary), TiffBytes(preview)));
}

void WritePngSeeds(SeedWriter& out, const Bytes& profile) {
  const std::vector<Variant<test::PngRecipe>> variants = {
      {"rgb.png", [](test::PngRecipe&) {}},
      {"gray.png", [](test::PngRecipe& r) { r.ColorType = 0; }},
      {"gray1.png", [](test::PngRecipe& r) { r.ColorType = 0, r.BitDepth = 1; }},
      {"gray-trns.png", [](test::PngRecipe& r) { r.ColorType = 0, r.TransparentGray = 3; }},
      {"rgb16.png", [](test::PngRecipe& r) { r.BitDepth = 16; }},
      {"gray-alpha.png", [](test::PngRecipe& r) { r.ColorType = 4; }},
      {"rgba.png", [](test::PngRecipe& r) { r.ColorType = 6; }},
      {"interlaced.png", [](test::PngRecipe& r) { r.Interlaced = true; }},
      {"phys.png", [](test::PngRecipe& r) { r.PixelsPerMetre = 11811; }},
      {"icc.png", [&profile](test::PngRecipe& r) { r.Icc = profile; }},
      {"palette.png",
       [](test::PngRecipe& r) {
         r.ColorType = 3, r.BitDepth = 4;
         for (uint32_t i = 0; i < 16; ++i) r.Palette.push_back(i * 0x100F01);
         r.PaletteAlpha = {0, 128, 255};
       }},
  };
  for (const auto& v : variants) {
    test::PngRecipe recipe;
    recipe.Width = 12, recipe.Height = 8;
    v.Change(recipe);
    const uint32_t top = recipe.ColorType == 3 ? 15 : (1u << recipe.BitDepth) - 1;
    recipe.Sample = [top](int x, int y, int c) { return uint32_t(x * 11 + y * 5 + c * 3) & top; };
    out.Put("png", v.Name, test::MakePng(recipe));
  }
}

void WritePsdSeeds(SeedWriter& out) {
  const std::vector<Variant<test::PsdRecipe>> variants = {
      {"rgb.psd", [](test::PsdRecipe&) {}},
      {"packbits.psd", [](test::PsdRecipe& r) { r.Compression = 1; }},
      {"gray.psd", [](test::PsdRecipe& r) { r.Mode = 1, r.Channels = 1; }},
      {"cmyk.psd", [](test::PsdRecipe& r) { r.Mode = 4, r.Channels = 4; }},
      {"rgb16.psd", [](test::PsdRecipe& r) { r.Depth = 16; }},
      {"large.psd", [](test::PsdRecipe& r) { r.Version = 2; }},
      {"layers.psd", [](test::PsdRecipe& r) { r.LayerCount = 1, r.Channels = 4; }},
      {"bitmap.psd", [](test::PsdRecipe& r) { r.Mode = 0, r.Channels = 1, r.Depth = 1; }},
      {"indexed.psd",
       [](test::PsdRecipe& r) {
         r.Mode = 2, r.Channels = 1;
         r.ColorModeData.resize(768);
         for (size_t i = 0; i < r.ColorModeData.size(); ++i) r.ColorModeData[i] = uint8_t(i * 7);
       }},
      {"resources.psd",
       [](test::PsdRecipe& r) {
         r.Resources = ResolutionBlock();
         const Bytes thumbnail = test::PhotoshopThumbnailBlock(kResourceThumbnail, SmallJpeg(8, 8));
         r.Resources.insert(r.Resources.end(), thumbnail.begin(), thumbnail.end());
       }},
  };
  for (const auto& v : variants) {
    test::PsdRecipe recipe;
    v.Change(recipe);
    const uint32_t top = (1u << recipe.Depth) - 1;
    recipe.Sample = [top](int x, int y, int c) { return uint32_t(x * 17 + y * 9 + c * 5) & top; };
    out.Put("psd", v.Name, test::MakePsd(recipe));
  }
}

void WritePictSeeds(SeedWriter& out) {
  const auto argb = [](int x, int y) { return uint32_t(0xFF000000u | x * 0x110000u | y * 0x1100u | 0x40u); };
  test::PictBuilder direct(0, 0, 8, 12);
  direct.Direct32(12, 8, 4, 3, 0, 0, argb);
  out.Put("pict", "direct32.pct", direct.Picture());
  test::PictBuilder alpha(0, 0, 8, 12);
  alpha.ExtendedHeader(144, 0, 0, 8, 12);
  alpha.Direct32(12, 8, 4, 4, 0, 0, argb);
  out.Put("pict", "alpha.pct", alpha.Picture());
  test::PictBuilder unpacked(0, 0, 8, 12);
  unpacked.Direct32(12, 8, 1, 3, 0, 0, argb);
  out.Put("pict", "unpacked.pct", unpacked.Picture());
  test::PictBuilder region(0, 0, 8, 12);
  region.Direct32(12, 8, 4, 3, 0, 0, argb, test::PictBuilder::Region(0, 0, 8, 12, {{2, 3, 9}, {6, 3, 9}}));
  out.Put("pict", "region.pct", region.Picture());
  test::PictBuilder direct16(0, 0, 8, 12);
  direct16.Direct16(12, 8, 3, [](int x, int y) { return uint16_t(x * 1000 + y * 33); });
  out.Put("pict", "direct16.pct", direct16.Picture());
  std::vector<uint32_t> colors;
  for (uint32_t i = 0; i < 16; ++i) colors.push_back(i * 0x0F0E0D);
  test::PictBuilder indexed(0, 0, 8, 12);
  indexed.Indexed(12, 8, 4, true, colors, [](int x, int y) { return (x + y) % 16; });
  out.Put("pict", "indexed.pct", indexed.Picture());
  test::PictBuilder bits(0, 0, 8, 12);
  bits.Indexed(12, 8, 8, false, colors, [](int x, int y) { return (x * y) % 16; });
  out.Put("pict", "bits.pct", bits.Picture());
  test::PictBuilder blackWhite(0, 0, 8, 16);
  blackWhite.BlackWhite(16, 8, [](int x, int y) { return (x + y) % 3 == 0; });
  blackWhite.Comment({'h', 'i'});
  out.Put("pict", "blackwhite.pct", blackWhite.Picture());
  test::PictBuilder drawing(0, 0, 8, 12);
  drawing.Opcode(0x0001, test::PictBuilder::Region(0, 0, 8, 12));  // clip
  drawing.Opcode(0x001A, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC});    // foreground colour
  drawing.Opcode(0x0031, {0, 0, 0, 0, 0, 5, 0, 5});                // paintRect
  drawing.Direct32(12, 8, 4, 3, 0, 0, argb);
  out.Put("pict", "drawing.pct", drawing.Picture(false));
}

void WriteCaptureSeeds(SeedWriter& out) {
  ExifBuilder exif = CameraExif(false);
  test::JpegRecipe both;
  both.Width = both.Height = 8;
  both.Markers = {{kApp1, exif.App1()}, {kApp5, test::CaptureRecordMarker(2, 0, 255, 150, 135, 0)}};
  out.Put("capture", "exif-and-record.jpg", test::MakeJpeg(both));
  test::JpegRecipe measured;
  measured.Width = measured.Height = 8;
  measured.Markers = {{kApp5, test::CaptureRecordMarker(0, 30, 220, 0, 0, 1)}};
  out.Put("capture", "measured.jpg", test::MakeJpeg(measured));
  out.Put("capture", "plain.jpg", SmallJpeg(8, 8));
}

// The bytes of a profile made with LittleCMS, which is closed.
Bytes SavedProfile(cmsHPROFILE profile) {
  ProfilePtr owner(profile);
  cmsUInt32Number size = 0;
  if (!owner || !cmsSaveProfileToMem(owner.get(), nullptr, &size)) return {};
  Bytes bytes(size);
  if (!cmsSaveProfileToMem(owner.get(), bytes.data(), &size)) return {};
  return bytes;
}

Bytes RgbProfile(double gamma) {
  const cmsCIExyY d65 = {0.3127, 0.3290, 1.0};
  const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
  cmsToneCurve* curve = cmsBuildGamma(nullptr, gamma);
  cmsToneCurve* curves[3] = {curve, curve, curve};
  cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &primaries, curves);
  cmsFreeToneCurve(curve);
  return SavedProfile(profile);
}

// A CMYK output profile with three grid points per axis both ways.
Bytes SmallCmykProfile() {
  cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
  cmsSetDeviceClass(profile, cmsSigOutputClass);
  cmsSetColorSpace(profile, cmsSigCmykData);
  cmsSetPCS(profile, cmsSigLabData);
  cmsPipeline* toLab = cmsPipelineAlloc(nullptr, 4, 3);
  cmsPipeline* toCmyk = cmsPipelineAlloc(nullptr, 3, 4);
  std::vector<cmsUInt16Number> forward(81 * 3), backward(27 * 4);
  for (size_t i = 0; i < forward.size(); ++i) forward[i] = cmsUInt16Number(i * 811 % 65536);
  for (size_t i = 0; i < backward.size(); ++i) backward[i] = cmsUInt16Number(i * 607 % 65536);
  cmsPipelineInsertStage(toLab, cmsAT_END, cmsStageAllocCLut16bit(nullptr, 3, 4, 3, forward.data()));
  cmsPipelineInsertStage(toCmyk, cmsAT_END, cmsStageAllocCLut16bit(nullptr, 3, 3, 4, backward.data()));
  cmsWriteTag(profile, cmsSigAToB0Tag, toLab);
  cmsWriteTag(profile, cmsSigBToA0Tag, toCmyk);
  cmsPipelineFree(toLab);
  cmsPipelineFree(toCmyk);
  return SavedProfile(profile);
}

void WriteProfileSeeds(SeedWriter& out, const Bytes& srgb) {
  out.Put("profile_open", "srgb.icc", srgb);
  out.Put("profile_open", "gamma18.icc", RgbProfile(1.8));
  cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
  out.Put("profile_open", "gray.icc", SavedProfile(cmsCreateGrayProfile(cmsD50_xyY(), gamma)));
  cmsFreeToneCurve(gamma);
  out.Put("profile_open", "lab4.icc", SavedProfile(cmsCreateLab4Profile(nullptr)));
  out.Put("profile_open", "lab2.icc", SavedProfile(cmsCreateLab2Profile(nullptr)));
  out.Put("profile_open", "xyz.icc", SavedProfile(cmsCreateXYZProfile()));
  out.Put("profile_open", "abstract.icc", SavedProfile(cmsCreateBCHSWabstractProfile(3, 0, 1.1, 0, 0, 5000, 5000)));
  cmsToneCurve* curve = cmsBuildGamma(nullptr, 1.5);
  cmsToneCurve* curves[3] = {curve, curve, curve};
  out.Put("profile_open", "link.icc", SavedProfile(cmsCreateLinearizationDeviceLink(cmsSigRgbData, curves)));
  cmsFreeToneCurve(curve);
  out.Put("profile_open", "cmyk.icc", SmallCmykProfile());
}

void WriteLayoutSeeds(SeedWriter& out) {
  const std::string dir = "<Dir>\"/tmp\"</Dir>";
  out.Put("layout_file", "empty.qlf", test::LayoutXml(""));
  out.Put("layout_file", "objects.qlf",
          test::LayoutXml(
              "<Orientation>Landscape</Orientation>",
              test::ImageXml(dir, "a.jpg") + test::FreeTextXml("Proof") + test::FreeLineXml("100,200", 3000, 45)));
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(DataFolder() + "/Templates", error)) {
    const std::string name = entry.path().filename().string();
    if (name == "Proof A4.qlt" || name == "Banner Roll 210 mm.qlt")
      out.Put("layout_file", name, test::ReadBytes(entry.path().string()));
  }
}

void WriteSettingsSeeds(SeedWriter& out) {
  PreferenceRecord record;
  if (!SetPreferenceDefaults(record, 1920)) return;
  out.Put("settings_text", "defaults.ini", PreferencesText(record));
  record.unit = 2, record.gridShow = 1, record.appStarts = kStartNoDocument, record.directPrintShow = 1;
  record.directPrintPrinter[0] = "Studio";
  out.Put("settings_text", "changed.ini", PreferencesText(record));
}

void WriteSettingBlockSeeds(SeedWriter& out) {
  DriverExtensionPtr extension = ExtensionLoad(PdfFilePrinterName());
  if (!extension || !ExtensionOpen(*extension, kOpenPlain)) return;
  std::string block;
  if (ExtensionGetDevMode(*extension, block)) out.Put("setting_block", "defaults.txt", block);
  std::vector<int32_t> orientations;
  if (ExtensionGetRange(*extension, kItemOrientation, orientations) && !orientations.empty())
    ExtensionSetValue(*extension, kItemOrientation, orientations.back());
  if (ExtensionGetDevMode(*extension, block)) out.Put("setting_block", "changed.txt", block);
}

}  // namespace
}  // namespace tl

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  tl::SeedWriter out{std::filesystem::path(argv[1])};
  const tl::test::Bytes srgb = tl::SavedProfile(cmsCreate_sRGBProfile());
  tl::WriteJpegSeeds(out, srgb);
  tl::WriteExifSeeds(out);
  tl::WriteTiffSeeds(out, srgb);
  tl::WriteBmpSeeds(out);
  tl::WriteEpsSeeds(out, srgb);
  tl::WritePngSeeds(out, srgb);
  tl::WritePsdSeeds(out);
  tl::WritePictSeeds(out);
  tl::WriteCaptureSeeds(out);
  tl::WriteProfileSeeds(out, srgb);
  tl::WriteLayoutSeeds(out);
  tl::WriteSettingsSeeds(out);
  tl::WriteSettingBlockSeeds(out);
  std::printf("%d seeds written to %s\n", out.Count(), argv[1]);
  return out.Failed() ? 1 : 0;
}
