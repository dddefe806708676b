// The extended-formats importer against real PNG, Photoshop and PICT files,
// checked with ImageMagick: sizes, colour spaces, transparency and every
// decoded pixel within one level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "tests/imaging/corpus_support.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

struct CorpusFile {
  const char* Path;
  int Width, Height;
  uint32_t Space;  // after the preview
  bool Alpha;
  int Tolerance;  // largest channel difference from the reference; -1: none reads it
};

// PICT's 5-bit components are widened by copying their top bits into the
// low bits here (31 is 255) and by a plain shift in ImageMagick (31 is 248).
// ImageMagick does not read the alpha PICT and draws the region one black.
const CorpusFile kFiles[] = {
    {"png/palette8.png", 32, 32, kSpaceRgb, false, 0},
    {"png/palette8_trns.png", 32, 32, kSpaceRgb, true, 0},
    {"png/gray8.png", 32, 32, kSpaceGray, false, 0},
    {"png/gray16.png", 32, 32, kSpaceGray, false, 1},
    {"png/rgba8.png", 32, 32, kSpaceRgb, true, 0},
    {"png/rgba16.png", 32, 32, kSpaceRgb, true, 1},
    {"png/rgb16.png", 32, 32, kSpaceRgb, false, 1},
    {"png/rgb8_interlaced.png", 32, 32, kSpaceRgb, false, 0},
    {"png/phys_nonsquare.png", 8, 32, kSpaceRgb, false, 0},
    {"png/photoshop_interlaced.png", 8, 12, kSpaceRgb, false, 0},
    {"png/exif_chunk.png", 256, 256, kSpaceRgb, false, 0},
    {"png/bad_iccp_checksum.png", 460, 60, kSpaceRgb, true, 0},
    {"png/photo_iccp_srgb2014.png", 120, 96, kSpaceRgb, false, 0},
    {"psd/rgb8_layers_rle_icc.psd", 128, 128, kSpaceRgb, false, 0},
    {"psd/rgb16.psd", 4, 4, kSpaceRgb, false, 1},
    {"psd/gray8_layers.psd", 4, 4, kSpaceGray, false, 0},
    {"psd/gray16.psd", 4, 4, kSpaceGray, false, 1},
    {"psd/indexed8.psd", 4, 4, kSpaceRgb, false, 0},
    {"psd/bitmap1.psd", 4, 4, kSpaceBlackWhite, false, 0},
    {"psd/lab8_layers.psd", 4, 4, kSpaceLab, false, 1},
    {"psd/gimp_rgba_layer.psd", 40, 40, kSpaceRgb, true, 1},
    {"psd/psb_large_document.psb", 1600, 1200, kSpaceRgb, false, 0},
    {"pict/indexed8_packbits.pct", 300, 150, kSpaceRgb, false, 0},
    {"pict/direct32_pack4.pct", 256, 64, kSpaceRgb, false, 0},
    {"pict/direct16_pack3.pict", 64, 64, kSpaceRgb, false, 7},
    {"pict/direct32_alpha.pct", 146, 194, kSpaceRgb, false, -1},
    {"pict/direct32_region.pict", 404, 136, kSpaceRgb, false, -1},
};

// The reference decoders' pixels, 4 bytes each (red, green, blue, alpha):
// ImageMagick's, with PNG samples taken as stored (as this program takes
// them, not corrected by their gAMA chunk), else Pillow's for the files
// ImageMagick does not read.
test::Bytes ReferencePixels(const std::string& path, size_t expectedBytes) {
  const bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
  test::Bytes pixels = test::RunCommand("convert " + test::Quoted(path + "[0]") +
                                        (png ? " -set colorspace sRGB" : "") + " -depth 8 rgba:- 2>/dev/null");
  if (pixels.size() == expectedBytes) return pixels;
  const std::string script = "import sys; from PIL import Image; "
                             "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert(\"RGBA\").tobytes())";
  return test::RunCommand("/usr/bin/python3 -c " + test::Quoted(script) + " " + test::Quoted(path) +
                          " 2>/dev/null");
}

// Lab documents: ImageMagick reads the stored L, a and b, LittleCMS turns
// them into sRGB (D50 Lab adapted to sRGB's white, as a colour-managed
// conversion does; ImageMagick's own conversion takes Lab as relative to
// D65).
test::Bytes LabReferencePixels(const std::string& path, size_t pixels) {
  const test::Bytes lab =
      test::RunCommand("convert " + test::Quoted(path + "[0]") + " -set colorspace sRGB -depth 8 rgb:- 2>/dev/null");
  if (lab.size() != pixels * 3) return {};
  std::string values;
  for (size_t i = 0; i < pixels; ++i)
    values += std::to_string(lab[i * 3] * 100.0 / 255) + " " + std::to_string(lab[i * 3 + 1] - 128) + " " +
              std::to_string(lab[i * 3 + 2] - 128) + "\n";
  const test::Bytes text =
      test::RunCommand("printf '" + values + "' | transicc -i '*Lab' -o '*sRGB' -t1 -n 2>/dev/null");
  test::Bytes rgba;
  std::istringstream in(std::string(text.begin(), text.end()));
  for (std::string line; std::getline(in, line);) {
    std::istringstream numbers(line);
    double r, g, b;
    if (!(numbers >> r >> g >> b)) continue;
    for (double v : {r, g, b}) rgba.push_back(uint8_t(std::lround(std::clamp(v, 0.0, 255.0))));
    rgba.push_back(255);
  }
  return rgba.size() == pixels * 4 ? rgba : test::Bytes();
}

class ExtendedCorpusTest : public ::testing::Test {
 protected:
  BuiltInFormatImporter importer_;
  test::ScopedExtensions extensions_{&importer_};
};

TEST_F(ExtendedCorpusTest, FilesDecodeLikeImageMagick) {
  REQUIRE_CORPUS();
  if (!test::HaveTool("convert")) GTEST_SKIP() << "ImageMagick is not installed";
  const bool pillow = std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") == 0;
  for (const CorpusFile& f : kFiles) {
    const std::string path = corpus + "/" + f.Path;
    SCOPED_TRACE(path);
    ImageObject image;
    image.Size = {f.Width, f.Height};
    ASSERT_TRUE(ReadImageHeader(image, path));
    ASSERT_TRUE(MakePreview(image));
    EXPECT_EQ(image.ImageDesc.Width(), f.Width);
    EXPECT_EQ(image.ImageDesc.Height(), f.Height);
    EXPECT_EQ(FourCCText(image.ColorSpace), FourCCText(f.Space));
    BitmapPtr mask;
    int message = 0;
    BitmapPtr ours = DecodeImagePixels(image, kMatchNone, nullptr, &mask, nullptr, message);
    ASSERT_TRUE(ours) << message;
    EXPECT_EQ(mask != nullptr, f.Alpha);
    ASSERT_EQ(ours->Width, f.Width);
    ASSERT_EQ(ours->Height, f.Height);

    if (f.Tolerance < 0) continue;
    const size_t bytes = size_t(f.Width) * size_t(f.Height) * 4;
    const bool lab = f.Space == kSpaceLab;
    if (lab && !test::HaveTool("transicc")) continue;
    const test::Bytes theirs = lab ? LabReferencePixels(path, bytes / 4) : ReferencePixels(path, bytes);
    if (theirs.empty() && !pillow) continue;  // only Pillow reads it, and it is not installed
    ASSERT_EQ(theirs.size(), bytes);
    int worst = 0, worstAlpha = 0;
    for (int y = 0; y < f.Height; ++y)
      for (int x = 0; x < f.Width; ++x) {
        const uint8_t* t = &theirs[(size_t(y) * size_t(f.Width) + size_t(x)) * 4];
        const uint8_t* o = ours->Row(y) + size_t(x) * 4;
        // Where the picture is fully transparent its colour does not show.
        if (mask && t[3] == 0 && test::AlphaAt(*mask, x, y) == 0) continue;
        worst = std::max({worst, std::abs(o[2] - t[0]), std::abs(o[1] - t[1]), std::abs(o[0] - t[2])});
        if (mask) worstAlpha = std::max(worstAlpha, std::abs(test::AlphaAt(*mask, x, y) - t[3]));
      }
    EXPECT_LE(worst, f.Tolerance);
    EXPECT_LE(worstAlpha, 1);
  }
}

TEST_F(ExtendedCorpusTest, RefusedFilesAndTheQuickTimeJpegPicture) {
  REQUIRE_CORPUS();
  // A damaged signature and CMYK (refused as every CMYK image is).
  for (const char* name : {"png/bad_signature.png", "psd/cmyk8_layers_icc.psd"}) {
    ImageObject image;
    EXPECT_FALSE(ReadImageHeader(image, corpus + "/" + name)) << name;
  }
  ImageObject jpeg;
  ASSERT_TRUE(ReadImageHeader(jpeg, corpus + "/pict/quicktime_jpeg.pict"));
  int message = 0;
  BitmapPtr pixels = DecodeImagePixels(jpeg, kMatchNone, nullptr, nullptr, nullptr, message);
  ASSERT_TRUE(pixels) << message;
  EXPECT_EQ(pixels->Width, 500);
  // A pen drawing: not the white canvas, the JPEG image was drawn on it.
  int64_t dark = 0;
  for (int y = 0; y < pixels->Height; ++y)
    for (int x = 0; x < pixels->Width; ++x) dark += pixels->Row(y)[size_t(x) * 4 + 1] < 128;
  EXPECT_GT(dark, int64_t(pixels->Width) * pixels->Height / 20);
}

}  // namespace
}  // namespace tl
