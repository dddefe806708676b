// The Photoshop reader through the import: the composite of each colour
// mode and depth, raw and packed, transparency, thumbnails, profile and
// resolution resources, and damaged documents.
#include <gtest/gtest.h>

#include "document/layout_object.h"
#include "imaging/decode_limits.h"
#include "imaging/embedded_profile.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/photoshop_resources.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

using test::PsdRecipe;

class PsdReaderTest : public test::ExtendedFormatTest {
 protected:
  std::string Write(const PsdRecipe& recipe, const char* name = "document.psd") {
    return WriteFile(name, test::MakePsd(recipe));
  }
  BitmapPtr Decode(const std::string& path, BitmapPtr* mask = nullptr) { return DecodeFile(path, mask); }
};

uint32_t Sample(int x, int y, int c, int depth) {
  const uint32_t v8 = uint32_t(x * 20 + y * 7 + c * 60) & 0xFF;
  return depth == 16 ? v8 * 257 : v8;
}

TEST_F(PsdReaderTest, CompositesOfEachModeDecode) {
  struct Case {
    const char* Name;
    int Mode, Channels, Depth, Compression, Version = 1;
    uint32_t Space;
    int16_t Bits;
    // The pixel expected at x, y.
    std::function<uint32_t(int, int)> Rgb;
  };
  auto gray = [](int depth) { return [depth](int x, int y) { return (Sample(x, y, 0, depth) >> (depth - 8)) * 0x010101u; }; };
  auto rgb = [](int x, int y) { return Sample(x, y, 0, 8) << 16 | Sample(x, y, 1, 8) << 8 | Sample(x, y, 2, 8); };
  const Case cases[] = {
      {"gray 8 raw", 1, 1, 8, 0, 1, kSpaceGray, 8, gray(8)},
      {"gray 16 packed", 1, 1, 16, 1, 1, kSpaceGray, 16, gray(16)},
      {"rgb 8 raw", 3, 3, 8, 0, 1, kSpaceRgb, 24, rgb},
      {"rgb 8 packed", 3, 3, 8, 1, 1, kSpaceRgb, 24, rgb},
      {"rgb 16 raw", 3, 3, 16, 0, 1, kSpaceRgb, 48, rgb},
      {"rgb 8 packed large document", 3, 3, 8, 1, 2, kSpaceRgb, 24, rgb},
      {"rgb with an extra channel", 3, 4, 8, 1, 1, kSpaceRgb, 32, rgb},
      {"duotone", 8, 1, 8, 0, 1, kSpaceDuotone, 8, gray(8)},
      {"multichannel", 7, 3, 8, 0, 1, kSpaceMulti, 24, rgb},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    PsdRecipe r;
    r.Mode = c.Mode;
    r.Channels = c.Channels;
    r.Depth = c.Depth;
    r.Compression = c.Compression;
    r.Version = c.Version;
    r.Width = 131;  // packed rows longer than one literal
    r.Height = 5;
    r.Sample = [&](int x, int y, int ch) { return Sample(x, y, ch, c.Depth); };
    BitmapPtr mask;
    BitmapPtr pixels = Decode(Write(r), &mask);
    ASSERT_TRUE(pixels) << message_;
    EXPECT_EQ(image_.ColorSpace, c.Space);
    EXPECT_EQ(image_.BitsPerPixel, c.Bits);
    EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecPhotoshop);
    // An extra channel without a negative layer count is a saved selection.
    EXPECT_FALSE(mask);
    for (int y = 0; y < r.Height; ++y)
      for (int x = 0; x < r.Width; ++x) ASSERT_EQ(test::RgbAt(*pixels, x, y), c.Rgb(x, y)) << x << "," << y;
  }
}

TEST_F(PsdReaderTest, BitmapIndexedAndLabModesAreDrawnInColour) {
  PsdRecipe bitmap;
  bitmap.Mode = 0;
  bitmap.Channels = 1;
  bitmap.Depth = 1;
  bitmap.Width = 13;
  bitmap.Sample = [](int x, int y, int) { return uint32_t((x + y) % 3 == 0); };
  BitmapPtr pixels = Decode(Write(bitmap, "bitmap.psd"));
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(image_.ColorSpace, kSpaceBlackWhite);
  EXPECT_EQ(image_.ImageDesc.Depth(), 1);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 0), 0u);  // set bits are black
  EXPECT_EQ(test::RgbAt(*pixels, 1, 0), 0xFFFFFFu);

  PsdRecipe indexed;
  indexed.Mode = 2;
  indexed.Channels = 1;
  indexed.ColorModeData.assign(768, 0);
  for (int i = 0; i < 256; ++i) {
    indexed.ColorModeData[size_t(i)] = uint8_t(i);            // red
    indexed.ColorModeData[size_t(256 + i)] = uint8_t(255 - i);  // green
    indexed.ColorModeData[size_t(512 + i)] = 7;               // blue
  }
  indexed.Sample = [](int x, int, int) { return uint32_t(x * 10); };
  pixels = Decode(Write(indexed, "indexed.psd"));
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  EXPECT_EQ(test::RgbAt(*pixels, 3, 2), 0x1EE107u);

  PsdRecipe lab;
  lab.Mode = 9;
  lab.Sample = [](int x, int, int c) -> uint32_t {
    if (c == 0) return x < 6 ? 255 : 0;  // L 100 or 0
    return 128;                          // a = b = 0
  };
  pixels = Decode(Write(lab, "lab.psd"));
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(image_.ColorSpace, kSpaceLab);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(test::RgbAt(*pixels, 11, 0), 0u);
}

TEST_F(PsdReaderTest, NegativeLayerCountMakesTheFirstExtraChannelTheTransparency) {
  PsdRecipe r;
  r.Channels = 4;
  r.LayerCount = -1;
  r.Compression = 1;
  r.Sample = [](int x, int y, int c) { return c == 3 ? uint32_t(x * 20) : Sample(x, y, c, 8); };
  BitmapPtr mask;
  BitmapPtr pixels = Decode(Write(r), &mask);
  ASSERT_TRUE(pixels && mask) << message_;
  EXPECT_EQ(image_.ImageDesc.Depth(), 32);
  EXPECT_EQ(test::AlphaAt(*mask, 5, 2), 100);
  EXPECT_EQ(pixels->Row(2)[5 * 4 + 3], 0);

  // Gray with transparency has it in its second channel.
  PsdRecipe gray;
  gray.Mode = 1;
  gray.Channels = 2;
  gray.LayerCount = -2;
  gray.Sample = [](int x, int, int c) { return c == 1 ? uint32_t(255 - x) : 9u; };
  pixels = Decode(Write(gray, "gray.psd"), &mask);
  ASSERT_TRUE(pixels && mask);
  EXPECT_EQ(test::AlphaAt(*mask, 4, 0), 251);
}

TEST_F(PsdReaderTest, ResourcesGiveThumbnailProfileAndResolution) {
  test::JpegRecipe thumb;
  thumb.Width = 16;
  thumb.Height = 12;
  thumb.Pixel = [](int, int, uint8_t* c) { c[0] = 250, c[1] = 10, c[2] = 10; };
  test::Bytes resolution(16, 0);
  resolution[0] = 0x01, resolution[1] = 0x2C;  // 300.0 pixels per inch
  resolution[8] = 0x00, resolution[9] = 0xF0;  // 240.0
  const test::Bytes profile = {1, 2, 3, 4, 5};
  const test::Bytes noise(3, 0xAA);
  struct Case {
    const char* Name;
    uint16_t ThumbnailId;
    uint32_t Expected;
  };
  for (const Case& c : {Case{"1036", kResourceThumbnail, 0xFA0A0Au}, Case{"1033, red and blue swapped",
                                                                         kResourceThumbnailBgr, 0x0A0AFAu}}) {
    SCOPED_TRACE(c.Name);
    PsdRecipe r;
    r.Resources = test::PhotoshopBlock(1000, "", noise);
    for (const test::Bytes& block :
         {test::PhotoshopBlock(kResourceResolution, "", resolution),
          test::PhotoshopThumbnailBlock(c.ThumbnailId, test::MakeJpeg(thumb)),
          test::PhotoshopBlock(kResourceIccProfile, "icc", profile)})
      r.Resources.insert(r.Resources.end(), block.begin(), block.end());
    ImageObject image;
    ASSERT_TRUE(ReadImageHeader(image, Write(r)));
    EXPECT_EQ(image.ImageDesc.HResolution(), 300);
    EXPECT_EQ(image.ImageDesc.VResolution(), 240);
    EXPECT_EQ(image.HasEmbeddedProfile, 1);
    std::vector<uint8_t> read;
    ASSERT_TRUE(ReadEmbeddedProfile(image, read));
    EXPECT_EQ(read, profile);
    image.Size = {120, 90};
    BitmapPtr preview = MakePreview(image);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->Width, 16);  // the thumbnail, not a decode
    const uint32_t rgb = test::RgbAt(*preview, 8, 6);
    for (int shift : {0, 8, 16}) EXPECT_NEAR(int((rgb >> shift) & 0xFF), int((c.Expected >> shift) & 0xFF), 6);
  }
}

TEST_F(PsdReaderTest, CmykDocumentsAreRefusedAsEveryCmykImage) {
  PsdRecipe r;
  r.Mode = 4;
  r.Channels = 4;
  ImageObject image;
  EXPECT_FALSE(ReadImageHeader(image, Write(r)));
  EXPECT_EQ(image.ColorSpace, kSpaceCmyk);
}

TEST_F(PsdReaderTest, DamagedDocumentsFailCleanly) {
  PsdRecipe r;
  r.Width = 40;
  r.Height = 10;
  r.Compression = 1;
  const test::Bytes good = test::MakePsd(r);
  const size_t counts = 26 + 4 + 4 + 4 + 2;  // the packed rows' byte counts
  auto with = [&](auto change) {
    test::Bytes b = good;
    change(b);
    return b;
  };
  const std::vector<Damaged> cases = {
      {"truncated rows", test::Bytes(good.begin(), good.end() - 20), true, kMessageNotSupported},
      // A run that would write past the row: count byte 0x81 (128 copies) in a 40-byte row.
      {"packbits overrun", with([&](test::Bytes& b) {
         const size_t data = counts + 2 * 3 * 10;
         b[data] = 0x81;
       }),
       true, kMessageNotSupported},
      {"row counts beyond the file", with([&](test::Bytes& b) { b[counts] = 0xFF, b[counts + 1] = 0xFF; }), true,
       kMessageNotSupported},
      {"zip compression", with([&](test::Bytes& b) { b[counts - 1] = 2; }), true, kMessageNotSupported},
      {"width beyond a document's", with([&](test::Bytes& b) { b[18] = 0, b[19] = 0, b[20] = 0x75, b[21] = 0x31; }),
       false, 0},
      {"section length past the end", with([&](test::Bytes& b) { b[26] = 0x7F; }), false, 0},
      {"32-bit samples", with([&](test::Bytes& b) { b[23] = 32; }), true, kMessageNotSupported},
  };
  ExpectFailures("damaged.psd", cases);

  // A huge document within the format's limits is refused by the decode limit.
  PsdRecipe huge;
  huge.Width = 30000;
  huge.Height = 30000;
  huge.Channels = 1;
  huge.Mode = 1;
  huge.Compression = 1;
  huge.Sample = [](int, int, int) { return 0u; };
  test::Bytes header = test::MakePsd([&] { PsdRecipe small = huge; small.Height = 1; return small; }());
  header[14] = 0x00, header[15] = 0x00, header[16] = 0x75, header[17] = 0x30;  // 30000 rows claimed
  const std::string path = dir_.File("huge.psd");
  ASSERT_TRUE(test::WriteBytes(path, header));
  ImageObject image;
  ASSERT_TRUE(ReadImageHeader(image, path));
  SetDecodePixelLimit(int64_t(1) << 24);
  int message = 0;
  EXPECT_FALSE(DecodeImagePixels(image, kMatchNone, nullptr, nullptr, nullptr, message));
  EXPECT_NE(message, 0);
  SetDecodePixelLimit(OffscreenBitmap::kMaxPixels);
}

}  // namespace
}  // namespace tl
