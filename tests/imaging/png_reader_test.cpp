// The PNG reader through the import: every colour type and bit depth
// against the samples written, transparency and masks, interlacing, the
// description, profiles, the 10000-pixel limit and damaged files.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>

#include "document/layout_object.h"
#include "imaging/decode_limits.h"
#include "imaging/embedded_profile.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/png_reader.h"
#include "imaging/preview.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

using test::PngRecipe;

class PngReaderTest : public test::ExtendedFormatTest {
 protected:
  std::string Write(const PngRecipe& recipe, const char* name = "picture.png") {
    return WriteFile(name, test::MakePng(recipe));
  }
  BitmapPtr Decode(const std::string& path, BitmapPtr* mask = nullptr, const LSize* request = nullptr) {
    return DecodeFile(path, mask, request);
  }
};

// What a pixel should decode to: 0x00RRGGBB and its alpha.
struct Expected {
  uint32_t Rgb;
  int Alpha;
};

uint8_t To8(uint32_t v, int bits) {
  if (bits == 16) return uint8_t((v * 255 + 32767) / 65535);
  return uint8_t(v * 255 / ((1u << bits) - 1));
}

Expected ExpectedPixel(const PngRecipe& r, int x, int y) {
  auto s = [&](int c) { return r.Sample(x, y, c); };
  const int b = r.BitDepth;
  switch (r.ColorType) {
    case PNG_COLOR_TYPE_GRAY: {
      const uint8_t g = To8(s(0), b);
      return {g * 0x010101u, int(s(0)) == r.TransparentGray ? 0 : 255};
    }
    case PNG_COLOR_TYPE_GRAY_ALPHA: return {To8(s(0), b) * 0x010101u, To8(s(1), b)};
    case PNG_COLOR_TYPE_RGB: return {uint32_t(To8(s(0), b)) << 16 | uint32_t(To8(s(1), b)) << 8 | To8(s(2), b), 255};
    case PNG_COLOR_TYPE_RGB_ALPHA:
      return {uint32_t(To8(s(0), b)) << 16 | uint32_t(To8(s(1), b)) << 8 | To8(s(2), b), To8(s(3), b)};
  }
  const uint32_t i = s(0);
  return {r.Palette[i], i < r.PaletteAlpha.size() ? r.PaletteAlpha[i] : 255};
}

TEST_F(PngReaderTest, EveryColourTypeAndDepthDecodesToItsSamples) {
  std::vector<uint32_t> palette;
  for (uint32_t i = 0; i < 16; ++i) palette.push_back(i * 0x0F0B07u);
  struct Case {
    const char* Name;
    int Type, Bits;
    bool Interlaced = false;
    bool PaletteAlpha = false;
    int TransparentGray = -1;
    int16_t Depth;
  };
  const Case cases[] = {
      {"gray1", PNG_COLOR_TYPE_GRAY, 1, false, false, -1, 1},
      {"gray2", PNG_COLOR_TYPE_GRAY, 2, false, false, -1, 8},
      {"gray4", PNG_COLOR_TYPE_GRAY, 4, true, false, -1, 8},
      {"gray8", PNG_COLOR_TYPE_GRAY, 8, false, false, -1, 8},
      {"gray16", PNG_COLOR_TYPE_GRAY, 16, false, false, -1, 8},
      {"gray8 transparent colour", PNG_COLOR_TYPE_GRAY, 8, false, false, 42, 32},
      {"gray alpha 8", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false, -1, 32},
      {"gray alpha 16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, false, false, -1, 32},
      {"rgb8", PNG_COLOR_TYPE_RGB, 8, false, false, -1, 24},
      {"rgb16 interlaced", PNG_COLOR_TYPE_RGB, 16, true, false, -1, 24},
      {"rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false, -1, 32},
      {"rgba8 interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true, false, -1, 32},
      {"rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16, false, false, -1, 32},
      {"palette4", PNG_COLOR_TYPE_PALETTE, 4, false, false, -1, 8},
      {"palette4 with alpha", PNG_COLOR_TYPE_PALETTE, 4, false, true, -1, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    PngRecipe r;
    r.Width = 19;  // odd: sub-byte rows end inside a byte
    r.Height = 11;
    r.ColorType = c.Type;
    r.BitDepth = c.Bits;
    r.Interlaced = c.Interlaced;
    r.TransparentGray = c.TransparentGray;
    if (c.Type == PNG_COLOR_TYPE_PALETTE) r.Palette = palette;
    if (c.PaletteAlpha) r.PaletteAlpha = {0, 40, 80, 120, 160, 200};
    const uint32_t top = (1u << c.Bits) - 1;
    r.Sample = [&](int x, int y, int s) {
      if (c.Type == PNG_COLOR_TYPE_PALETTE) return uint32_t(x + y) % 16;
      if (c.TransparentGray >= 0 && x == 3) return uint32_t(c.TransparentGray);
      return (uint32_t(x) * 977 + uint32_t(y) * 331 + uint32_t(s) * 4111) % (top + 1);
    };
    BitmapPtr mask;
    BitmapPtr pixels = Decode(Write(r), &mask);
    ASSERT_TRUE(pixels) << message_;
    EXPECT_EQ(image_.ImageDesc.Depth(), c.Depth);
    ASSERT_EQ(pixels->Width, 19);
    ASSERT_EQ(pixels->Height, 11);
    EXPECT_EQ(mask != nullptr, c.Depth == 32);
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 19; ++x) {
        const Expected e = ExpectedPixel(r, x, y);
        ASSERT_EQ(test::RgbAt(*pixels, x, y), e.Rgb) << x << "," << y;
        ASSERT_EQ(pixels->Row(y)[size_t(x) * 4 + 3], 0);
        if (mask) {
          ASSERT_EQ(test::AlphaAt(*mask, x, y), e.Alpha) << x << "," << y;
        }
      }
  }
}

TEST_F(PngReaderTest, HeaderGivesTheExtendedDescriptionAndColourSpace) {
  PngRecipe r;
  r.Width = 300;
  r.Height = 2;
  r.PixelsPerMetre = 11811;  // 300 dots per inch
  ASSERT_TRUE(ReadImageHeader(image_, Write(r)));
  EXPECT_EQ(image_.FileKind, kKindPng);
  EXPECT_EQ(image_.ImageDesc.ByteSize(), ImageDescBlock::kExtendedSize);
  EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecPng);
  EXPECT_EQ(image_.ImageDesc.Width(), 300);
  EXPECT_EQ(image_.ImageDesc.HResolution(), 300);
  EXPECT_EQ(image_.ImageDesc.VResolution(), 300);
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  EXPECT_EQ(image_.BitsPerPixel, 24);
  EXPECT_EQ(image_.HasEmbeddedProfile, 0);

  // A gray picture is described as 8-bit and found gray by its preview.
  PngRecipe gray;
  gray.ColorType = PNG_COLOR_TYPE_GRAY;
  ImageObject g;
  ASSERT_TRUE(ReadImageHeader(g, Write(gray, "gray.png")));
  EXPECT_EQ(g.ColorSpace, kSpaceRgb);
  g.Size = {24, 16};
  ASSERT_TRUE(MakePreview(g));
  EXPECT_EQ(g.ColorSpace, kSpaceGray);
}

TEST_F(PngReaderTest, EmbeddedProfileComesFromTheIccpChunk) {
  test::Bytes profile(600);
  for (size_t i = 0; i < profile.size(); ++i) profile[i] = uint8_t(i * 7);
  // libpng checks the profile's header: a plausible RGB display profile.
  const uint8_t header[] = {0, 0, 0x02, 0x58, 'l', 'c', 'm', 's', 0x02, 0x10, 0, 0, 'm', 'n', 't', 'r',
                            'R', 'G', 'B', ' ', 'X', 'Y', 'Z', ' '};
  std::copy(std::begin(header), std::end(header), profile.begin());
  std::fill(profile.begin() + 24, profile.begin() + 128, 0);
  profile[36] = 'a', profile[37] = 'c', profile[38] = 's', profile[39] = 'p';
  const uint8_t d50[] = {0, 0, 0xF6, 0xD6, 0, 1, 0, 0, 0, 0, 0xD3, 0x2D};  // the PCS illuminant
  std::copy(std::begin(d50), std::end(d50), profile.begin() + 68);
  profile[128] = profile[129] = profile[130] = profile[131] = 0;  // no tags
  PngRecipe r;
  r.Icc = profile;
  const std::string path = Write(r);
  ASSERT_TRUE(ReadImageHeader(image_, path));
  ASSERT_TRUE(image_.HasEmbeddedProfile);
  std::vector<uint8_t> read;
  ASSERT_TRUE(ReadEmbeddedProfile(image_, read));
  EXPECT_EQ(read, profile);
}

TEST_F(PngReaderTest, WithoutRequestedBoundsTheDrawingStopsAtTenThousandPixels) {
  PngRecipe r;
  r.Width = 20000;
  r.Height = 3;
  r.ColorType = PNG_COLOR_TYPE_GRAY;
  r.Sample = [](int x, int, int) { return uint32_t(x < 10000 ? 0 : 255); };
  BitmapPtr pixels = Decode(Write(r));
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(image_.ImageDesc.Width(), 20000);
  EXPECT_EQ(pixels->Width, 10000);
  EXPECT_EQ(pixels->Height, 3);
  // Scaled, not cut: the right half of the picture is still there.
  EXPECT_EQ(test::RgbAt(*pixels, 9999, 1), 0xFFFFFFu);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 1), 0u);

  // With bounds asked for, those are drawn.
  const LSize request = {12000, 3};
  pixels = Decode(dir_.File("picture.png"), nullptr, &request);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->Width, 12000);
}

TEST_F(PngReaderTest, ReducedDecodeAveragesAndKeepsTheMaskAligned) {
  PngRecipe r;
  r.Width = 40;
  r.Height = 30;
  r.ColorType = PNG_COLOR_TYPE_RGB_ALPHA;
  // Left half opaque red, right half transparent blue.
  r.Sample = [](int x, int, int c) -> uint32_t {
    const bool left = x < 20;
    switch (c) {
      case 0: return left ? 255 : 0;
      case 2: return left ? 0 : 255;
      case 3: return left ? 255 : 0;
    }
    return 0;
  };
  const LSize request = {10, 6};
  BitmapPtr mask;
  BitmapPtr pixels = Decode(Write(r), &mask, &request);
  ASSERT_TRUE(pixels && mask);
  EXPECT_EQ(pixels->Width, 10);
  EXPECT_EQ(mask->Width, 10);
  EXPECT_EQ(test::RgbAt(*pixels, 2, 3), 0xFF0000u);
  EXPECT_EQ(test::RgbAt(*pixels, 7, 3), 0x0000FFu);
  EXPECT_EQ(test::AlphaAt(*mask, 2, 3), 255);
  EXPECT_EQ(test::AlphaAt(*mask, 7, 3), 0);
}

TEST_F(PngReaderTest, DamagedFilesFailWithTheLoadMessages) {
  PngRecipe r;
  r.Width = 64;
  r.Height = 64;
  const test::Bytes good = test::MakePng(r);
  test::Bytes truncated(good.begin(), good.begin() + long(good.size() / 2));
  test::Bytes corruptData = good;
  corruptData[good.size() - 30] ^= 0xFF;  // inside the image data: its checksum no longer holds
  test::Bytes huge = good;
  // IHDR claiming 65535 x 65535: a picture beyond the decode limit.
  for (int i : {16, 17, 20, 21}) huge[size_t(i)] = 0;
  for (int i : {18, 19, 22, 23}) huge[size_t(i)] = 0xFF;
  const uint32_t crc = uint32_t(crc32(0, huge.data() + 12, 17));
  for (int i = 0; i < 4; ++i) huge[29 + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
  const std::vector<Damaged> cases = {
      {"truncated in the data", truncated, true, kMessageNotSupported},
      {"damaged data", corruptData, true, kMessageNotSupported},
      {"huge bounds", huge, true, kMessageNotEnoughMemory},
  };
  SetDecodePixelLimit(int64_t(1) << 24);
  ExpectFailures("damaged.png", cases);
  SetDecodePixelLimit(OffscreenBitmap::kMaxPixels);
  // A file that is gone when it is decoded.
  const std::string gone = Write(r, "gone.png");
  ImageObject image;
  ASSERT_TRUE(ReadImageHeader(image, gone));
  std::remove(gone.c_str());
  int message = 0;
  EXPECT_FALSE(DecodeImagePixels(image, kMatchNone, nullptr, nullptr, nullptr, message));
  EXPECT_EQ(message, kMessageFailedToOpen);
}

}  // namespace
}  // namespace tl
