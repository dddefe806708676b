#include "imaging/bmp_reader.h"

#include <gtest/gtest.h>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::BmpRecipe;
using test::Bytes;

const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0xFFFFFF,
                                        0x123456, 0x654321, 0xABCDEF, 0x111111, 0x222222, 0x333333,
                                        0x444444, 0x555555, 0x666666, 0x777777};

class BmpReaderTest : public ::testing::Test {
 protected:
  BitmapPtr Decode(const BmpRecipe& recipe) {
    const std::string path = dir_.File("image.bmp");
    EXPECT_TRUE(test::WriteBytes(path, test::MakeBmp(recipe)));
    image_ = ImageObject();
    if (!ReadImageHeader(image_, path)) return nullptr;
    int message = 0;
    return DecodeImagePixels(image_, 0, nullptr, nullptr, nullptr, message);
  }

  test::TempFolder dir_;
  ImageObject image_;
};

TEST(BitmapDotsPerInch, RoundsHalvesDown) {
  const struct {
    uint32_t ppm;
    int32_t dpi;
  } cases[] = {{0, 72}, {2835, 72}, {3780, 96}, {11811, 300}, {1, 0}, {2854, 72}, {2855, 73}};
  // 2854 ppm is 72.4916 dpi; 2855 is 72.517.
  for (const auto& c : cases) EXPECT_EQ(BitmapDotsPerInch(c.ppm), c.dpi) << c.ppm;
}

TEST_F(BmpReaderTest, EveryDepthDecodesTopRowFirst) {
  const struct {
    const char* what;
    int bits;
    bool topDown, core;
  } cases[] = {{"1-bit", 1, false, false}, {"4-bit", 4, false, false}, {"8-bit", 8, false, false},
               {"8-bit top-down", 8, true, false},  {"8-bit core header", 8, false, true},
               {"24-bit", 24, false, false},        {"16-bit 5-5-5", 16, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BmpRecipe recipe;
    recipe.Bits = c.bits;
    recipe.TopDown = c.topDown;
    recipe.CoreHeader = c.core;
    const uint32_t colours = c.bits <= 8 ? std::min<uint32_t>(1u << c.bits, uint32_t(kPalette.size())) : 0;
    if (colours) recipe.Palette.assign(kPalette.begin(), kPalette.begin() + colours);
    // Pixel value, and the colour it should show.
    auto value = [&](int x, int y) -> uint32_t {
      if (colours) return uint32_t(x + 3 * y) % colours;
      if (c.bits == 16) return uint32_t((x & 31) << 10 | (y & 31) << 5 | 7);
      return uint32_t(x * 0x100501 + y * 0x030007);
    };
    auto expected = [&](int x, int y) -> uint32_t {
      const uint32_t v = value(x, y);
      if (colours) return kPalette[v];
      if (c.bits == 16) return uint32_t(((v >> 10) & 31) * 255 / 31) << 16 | uint32_t(((v >> 5) & 31) * 255 / 31) << 8 |
                               uint32_t((v & 31) * 255 / 31);
      return v & 0xFFFFFF;
    };
    recipe.Pixel = value;
    BitmapPtr pixels = Decode(recipe);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecBmp);
    EXPECT_EQ(image_.ImageDesc.Depth(), c.bits);
    for (int y = 0; y < recipe.Height; ++y)
      for (int x = 0; x < recipe.Width; ++x) ASSERT_EQ(test::RgbAt(*pixels, x, y), expected(x, y)) << x << "," << y;
  }
}

TEST_F(BmpReaderTest, RunLengthDataIsExpanded) {
  BmpRecipe recipe;
  recipe.Width = 8;
  recipe.Height = 3;
  recipe.Bits = 8;
  recipe.Compression = 1;
  recipe.Palette = kPalette;
  // Bottom row: 3 x index 1, absolute 2 3 4, end of line. Middle row: a
  // delta of (2, 1) lands in the top row, then 2 x index 5, end of bitmap.
  recipe.RleData = {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 2, 1, 2, 5, 0, 1};
  BitmapPtr pixels = Decode(recipe);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 2), kPalette[1]);
  EXPECT_EQ(test::RgbAt(*pixels, 2, 2), kPalette[1]);
  EXPECT_EQ(test::RgbAt(*pixels, 3, 2), kPalette[2]);
  EXPECT_EQ(test::RgbAt(*pixels, 5, 2), kPalette[4]);
  EXPECT_EQ(test::RgbAt(*pixels, 2, 0), kPalette[5]);
  EXPECT_EQ(test::RgbAt(*pixels, 3, 0), kPalette[5]);
  EXPECT_EQ(test::RgbAt(*pixels, 1, 1), kPalette[0]);  // skipped pixels stay index 0

  // 4-bit runs alternate their two nibbles.
  recipe.Bits = 4;
  recipe.Compression = 2;
  recipe.RleData = {5, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1};
  pixels = Decode(recipe);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 2), kPalette[1]);
  EXPECT_EQ(test::RgbAt(*pixels, 1, 2), kPalette[2]);
  EXPECT_EQ(test::RgbAt(*pixels, 4, 2), kPalette[1]);
  EXPECT_EQ(test::RgbAt(*pixels, 3, 1), kPalette[6]);

  // Runs past the right edge and the top are dropped, not written.
  recipe.Bits = 8;
  recipe.Compression = 1;
  recipe.RleData = {255, 3, 0, 2, 255, 255, 200, 4, 0, 0};
  for (int i = 0; i < 20; ++i) recipe.RleData.insert(recipe.RleData.end(), {0, 0});
  EXPECT_TRUE(Decode(recipe));
}

TEST_F(BmpReaderTest, RefusesWhatItCannotRead) {
  BmpRecipe recipe;
  recipe.Pixel = [](int, int) { return 0u; };
  Bytes good = test::MakeBmp(recipe);

  Bytes twoPlanes = good;
  twoPlanes[26] = 2;
  Bytes bitfields = good;
  bitfields[30] = 3;
  Bytes rleOn24 = good;
  rleOn24[30] = 1;
  Bytes huge = good;
  huge[18] = 0xC0, huge[19] = 0xC6, huge[20] = 0x2D;  // 3000000 wide
  for (const Bytes* b : {&twoPlanes, &bitfields, &rleOn24, &huge}) {
    const std::string path = dir_.File("bad.bmp");
    ASSERT_TRUE(test::WriteBytes(path, *b));
    ImageObject image;
    EXPECT_FALSE(ReadImageHeader(image, path));
  }

  // A file cut short is read (the header) but its pixels are not.
  Bytes cut(good.begin(), good.end() - 20);
  const std::string path = dir_.File("cut.bmp");
  ASSERT_TRUE(test::WriteBytes(path, cut));
  ImageObject image;
  ASSERT_TRUE(ReadImageHeader(image, path));
  int message = 0;
  EXPECT_FALSE(DecodeImagePixels(image, 0, nullptr, nullptr, nullptr, message));
  EXPECT_EQ(message, kMessageNotSupported);
}

TEST_F(BmpReaderTest, LowDepthBitmapsAreGrayOnlyWithAGrayPalette) {
  BmpRecipe recipe;
  recipe.Bits = 4;
  recipe.Pixel = [](int x, int) { return uint32_t(x % 2); };
  recipe.Palette = {0x000000, 0xFFFFFF};
  ASSERT_TRUE(Decode(recipe));
  EXPECT_EQ(image_.ColorSpace, kSpaceGray);
  recipe.Palette = {0x000000, 0xFF0000};
  ASSERT_TRUE(Decode(recipe));
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
}

}  // namespace
}  // namespace tl
