#include "imaging/tiff_reader.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdlib>

#include "document/layout_object.h"
#include "imaging/embedded_profile.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::TiffRecipe;

uint32_t Gradient(int x, int y, int s) { return uint32_t((x * 5 + y * 3 + s * 60) & 0xFF); }

class TiffReaderTest : public ::testing::Test {
 protected:
  // Writes the file, reads its header and decodes it at full size.
  BitmapPtr Decode(const TiffRecipe& recipe, BitmapPtr* mask = nullptr) {
    const std::string path = dir_.File("image.tif");
    EXPECT_TRUE(test::WriteTiff(path, recipe));
    image_ = ImageObject();
    if (!ReadImageHeader(image_, path)) return nullptr;
    int message = 0;
    BitmapPtr pixels = DecodeImagePixels(image_, 0, nullptr, mask, nullptr, message);
    message_ = message;
    return pixels;
  }

  test::TempFolder dir_;
  ImageObject image_;
  int message_ = 0;
};

TEST_F(TiffReaderTest, EveryCompressionAndLayoutGivesTheSamePixels) {
  const struct {
    const char* what;
    int compression, planar, tileWidth, rowsPerStrip, tolerance;
  } cases[] = {
      {"uncompressed strips", COMPRESSION_NONE, 1, 0, 8, 0},
      {"one strip", COMPRESSION_NONE, 1, 0, 30, 0},
      {"LZW", COMPRESSION_LZW, 1, 0, 8, 0},
      {"Deflate", COMPRESSION_ADOBE_DEFLATE, 1, 0, 5, 0},
      {"PackBits", COMPRESSION_PACKBITS, 1, 0, 8, 0},
      {"LZW tiles", COMPRESSION_LZW, 1, 16, 0, 0},
      {"planar strips", COMPRESSION_NONE, 2, 0, 7, 0},
      {"planar LZW tiles", COMPRESSION_LZW, 2, 16, 0, 0},
      {"JPEG", COMPRESSION_JPEG, 1, 0, 16, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TiffRecipe recipe;
    recipe.Compression = c.compression;
    recipe.Planar = c.planar;
    recipe.TileWidth = recipe.TileHeight = c.tileWidth;
    recipe.RowsPerStrip = c.rowsPerStrip;
    recipe.Sample = Gradient;
    BitmapPtr pixels = Decode(recipe);
    ASSERT_TRUE(pixels) << message_;
    ASSERT_EQ(pixels->Width, 40);
    ASSERT_EQ(pixels->Height, 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const uint8_t* p = pixels->Row(y) + 4 * x;
        ASSERT_NEAR(p[2], int(Gradient(x, y, 0)), c.tolerance) << x << "," << y;
        ASSERT_NEAR(p[1], int(Gradient(x, y, 1)), c.tolerance) << x << "," << y;
        ASSERT_NEAR(p[0], int(Gradient(x, y, 2)), c.tolerance) << x << "," << y;
        ASSERT_EQ(p[3], 0);
      }
  }
}

TEST_F(TiffReaderTest, RowConversionsByPhotometric) {
  const struct {
    const char* what;
    int photometric, bits, samples;
    std::function<uint32_t(int, int, int)> sample;
    uint32_t rgbAt3_2;  // expected 0xRRGGBB of pixel (3, 2)
  } cases[] = {
      {"16-bit RGB keeps the high bytes", 2, 16, 3, [](int, int, int s) { return uint32_t(0x1234 + s * 0x2100); },
       0x123354},
      {"gray", 1, 8, 1, [](int x, int, int) { return uint32_t(x * 10); }, 0x1E1E1E},
      {"gray, white is zero", 0, 8, 1, [](int x, int, int) { return uint32_t(x * 10); }, 0xE1E1E1},
      {"16-bit gray", 1, 16, 1, [](int, int, int) { return 0xAB00u; }, 0xABABAB},
      {"bilevel, white is zero", 0, 1, 1, [](int x, int, int) { return uint32_t(x & 1); }, 0x000000},
      {"bilevel, black is zero", 1, 1, 1, [](int x, int, int) { return uint32_t(x & 1); }, 0xFFFFFF},
      {"4-bit gray", 1, 4, 1, [](int, int, int) { return 5u; }, 0x555555},
      {"YCbCr", 6, 8, 3, [](int, int, int s) { return s == 0 ? 100u : s == 1 ? 128u : 200u; }, 0xD32B64},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TiffRecipe recipe;
    recipe.Photometric = c.photometric;
    recipe.Bits = c.bits;
    recipe.Samples = c.samples;
    recipe.Sample = c.sample;
    const std::string path = dir_.File("image.tif");
    ASSERT_TRUE(test::WriteTiff(path, recipe));
    image_ = ImageObject();
    ASSERT_TRUE(ReadImageHeader(image_, path));
    int message = 0;
    BitmapPtr pixels = DecodeImagePixels(image_, 0, nullptr, nullptr, nullptr, message);
    ASSERT_TRUE(pixels) << message;
    EXPECT_EQ(test::RgbAt(*pixels, 3, 2), c.rgbAt3_2) << std::hex << test::RgbAt(*pixels, 3, 2);
  }
}

TEST_F(TiffReaderTest, PaletteEntriesShowTheirHighBytes) {
  TiffRecipe recipe;
  recipe.Photometric = PHOTOMETRIC_PALETTE;
  recipe.Samples = 1;
  recipe.Sample = [](int x, int, int) { return uint32_t(x % 4); };
  recipe.ColorMap.assign(3 * 256, 0);
  for (int i = 0; i < 256; ++i) {
    recipe.ColorMap[size_t(i)] = uint16_t(i * 256);             // red = index
    recipe.ColorMap[256 + size_t(i)] = uint16_t((255 - i) * 256);  // green
    recipe.ColorMap[512 + size_t(i)] = uint16_t(0x7FFF);         // blue
  }
  BitmapPtr pixels = Decode(recipe);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(test::RgbAt(*pixels, 3, 0), 0x03FC7Fu);
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  EXPECT_EQ(image_.BitsPerPixel, 8);
}

TEST_F(TiffReaderTest, RgbaGivesAMaskWhenAskedFor) {
  TiffRecipe recipe;
  recipe.Samples = 4;
  recipe.ExtraSamples = 1;
  recipe.Sample = [](int x, int, int s) { return s < 3 ? 50u : (x < 20 ? 255u : 0u); };
  BitmapPtr mask;
  BitmapPtr pixels = Decode(recipe, &mask);
  ASSERT_TRUE(pixels);
  ASSERT_TRUE(mask);
  EXPECT_EQ(mask->Row(5)[4 * 3], 0);      // opaque: fully visible
  EXPECT_EQ(mask->Row(5)[4 * 30], 255);   // transparent
  EXPECT_EQ(image_.ImageDesc.Depth(), 32);

  BitmapPtr none;
  recipe.Samples = 3;
  recipe.ExtraSamples = 0;
  ASSERT_TRUE(Decode(recipe, &none));
  EXPECT_FALSE(none);
}

TEST_F(TiffReaderTest, HeaderFactsAndRefusals) {
  TiffRecipe recipe;
  recipe.Sample = Gradient;
  recipe.ResolutionUnit = RESUNIT_CENTIMETER;
  recipe.XResolution = recipe.YResolution = 118.11f;
  recipe.Icc = test::Bytes(200, 7);
  ASSERT_TRUE(Decode(recipe));
  EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecTiff);
  EXPECT_EQ(image_.ImageDesc.HResolution(), 299);
  EXPECT_TRUE(image_.HasEmbeddedProfile);
  std::vector<uint8_t> profile;
  ASSERT_TRUE(ReadEmbeddedProfile(image_, profile));
  EXPECT_EQ(profile, recipe.Icc);

  recipe.ResolutionUnit = RESUNIT_NONE;
  recipe.Icc.clear();
  ASSERT_TRUE(Decode(recipe));
  EXPECT_EQ(image_.ImageDesc.HResolution(), 72);

  // CMYK is refused at the header, without a message.
  recipe.Photometric = PHOTOMETRIC_SEPARATED;
  recipe.Samples = 4;
  const std::string path = dir_.File("cmyk.tif");
  ASSERT_TRUE(test::WriteTiff(path, recipe));
  ImageObject cmyk;
  EXPECT_FALSE(ReadImageHeader(cmyk, path));
  EXPECT_EQ(cmyk.ColorSpace, kSpaceCmyk);
}

TEST_F(TiffReaderTest, MemoryDecoderTakesOnlyUncompressedData) {
  TiffRecipe recipe;
  recipe.Sample = Gradient;
  const std::string path = dir_.File("memory.tif");
  ASSERT_TRUE(test::WriteTiff(path, recipe));
  test::Bytes bytes = test::ReadBytes(path);
  BitmapPtr pixels = DecodeTiffMemory(bytes.data(), bytes.size());
  ASSERT_TRUE(pixels);
  EXPECT_EQ(test::RgbAt(*pixels, 7, 9), (Gradient(7, 9, 0) << 16) | (Gradient(7, 9, 1) << 8) | Gradient(7, 9, 2));

  recipe.Compression = COMPRESSION_LZW;
  ASSERT_TRUE(test::WriteTiff(path, recipe));
  bytes = test::ReadBytes(path);
  EXPECT_FALSE(DecodeTiffMemory(bytes.data(), bytes.size()));

  // Truncated and scrambled data fail cleanly.
  recipe.Compression = COMPRESSION_NONE;
  ASSERT_TRUE(test::WriteTiff(path, recipe));
  bytes = test::ReadBytes(path);
  for (size_t n = 0; n < bytes.size(); n += 97) DecodeTiffMemory(bytes.data(), n);
  std::srand(5);
  for (int round = 0; round < 50; ++round) {
    test::Bytes scrambled = bytes;
    for (int k = 0; k < 8; ++k) scrambled[size_t(std::rand()) % scrambled.size()] = uint8_t(std::rand());
    DecodeTiffMemory(scrambled.data(), scrambled.size());
  }
}

}  // namespace
}  // namespace tl
