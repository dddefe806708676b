#include "imaging/eps_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "document/layout_object.h"
#include "imaging/embedded_profile.h"
#include "imaging/eps_text.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/photoshop_resources.h"
#include "imaging/preview.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::Bytes;

class EpsReaderTest : public ::testing::Test {
 protected:
  bool Header(const std::string& text) {
    const std::string path = dir_.File("image.eps");
    EXPECT_TRUE(test::WriteBytes(path, Bytes(text.begin(), text.end())));
    image_ = ImageObject();
    return ReadImageHeader(image_, path);
  }
  BitmapPtr Decode(const std::string& text, BitmapPtr* mask = nullptr) {
    if (!Header(text)) return nullptr;
    int message = 0;
    return DecodeImagePixels(image_, 0, nullptr, mask, nullptr, message);
  }

  test::TempFolder dir_;
  ImageObject image_;
};

TEST(EpsText, DecodesAscii85) {
  const std::string text = "9jqo^z BO\r\ntu~>ignored";
  Bytes out;
  DecodeAscii85(reinterpret_cast<const uint8_t*>(text.data()), text.size(), out);
  EXPECT_EQ(out, (Bytes{'M', 'a', 'n', ' ', 0, 0, 0, 0, 'h', 'e', 'l'}));
}

TEST_F(EpsReaderTest, HeaderKeepsTheImageDataNumbersAndResolution) {
  test::EpsRecipe recipe;
  recipe.Width = 399;
  recipe.Height = 3;
  recipe.Pad = 1;
  Bytes resolution(16, 0);
  resolution[0] = 0x01, resolution[1] = 0x2C;  // 300 dpi across
  resolution[8] = 0x00, resolution[9] = 0xF0;  // 240 dpi down
  recipe.Resources = test::PhotoshopBlock(kResourceResolution, "", resolution);
  ASSERT_TRUE(Header(test::MakeEps(recipe)));
  EXPECT_EQ(image_.FileKind, kKindEps);
  EXPECT_EQ(image_.ImageDesc.ByteSize(), ImageDescBlock::kEpsSize);
  EXPECT_EQ(image_.ImageDesc.BlockSize(), 100u);
  EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecEps);
  EXPECT_EQ(image_.ImageDesc.Width(), 399);
  EXPECT_EQ(image_.ImageDesc.Depth(), 24);
  EXPECT_EQ(image_.ImageDesc.HResolution(), 300);
  EXPECT_EQ(image_.ImageDesc.VResolution(), 240);
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  const EpsImageData d = EpsImageDataOf(image_);
  EXPECT_EQ(d.PadChannels, 1);
  EXPECT_EQ(d.BlockBytes, 399);
  EXPECT_EQ(d.Encoding, 1);
}

TEST_F(EpsReaderTest, RefusesFilesWithoutUsableImageData) {
  test::EpsRecipe recipe;
  recipe.WithImageData = false;
  EXPECT_FALSE(Header(test::MakeEps(recipe)));
  recipe = test::EpsRecipe();
  recipe.Channels = 2;  // 16 bits in all: no colour space
  EXPECT_FALSE(Header(test::MakeEps(recipe)));
  recipe.Channels = 4;  // CMYK
  EXPECT_FALSE(Header(test::MakeEps(recipe)));
  EXPECT_FALSE(Header("%!PS-Adobe-3.0 EPSF-3.0\r\n%ImageData: 1 2 3\r\n"));
  EXPECT_FALSE(Header("%ImageData: 6 4 8 3 0 6 1 \"beginimage\"\r\n%!PS-Adobe-3.0 EPSF-3.0\r\n"));
}

TEST_F(EpsReaderTest, BinaryAndHexadecimalRowsGiveTheSamePixels) {
  for (int channels : {1, 3}) {
    for (int encoding : {1, 2}) {
      SCOPED_TRACE(testing::Message() << channels << " channels, encoding " << encoding);
      test::EpsRecipe recipe;
      recipe.Channels = channels;
      recipe.Encoding = encoding;
      recipe.Pad = 1;
      recipe.BlockBytes = 8;  // rows padded beyond the width
      BitmapPtr pixels = Decode(test::MakeEps(recipe));
      ASSERT_TRUE(pixels);
      for (int y = 0; y < recipe.Height; ++y)
        for (int x = 0; x < recipe.Width; ++x) {
          const uint32_t r = test::EpsChannelValue(x, y, 0);
          const uint32_t expected =
              channels == 1 ? r * 0x010101 : r << 16 | uint32_t(test::EpsChannelValue(x, y, 1)) << 8 | test::EpsChannelValue(x, y, 2);
          ASSERT_EQ(test::RgbAt(*pixels, x, y), expected) << x << "," << y;
        }
    }
  }
}

TEST_F(EpsReaderTest, JpegDataInAscii85) {
  test::JpegRecipe jpeg;
  jpeg.Width = 24;
  jpeg.Height = 16;
  jpeg.Pixel = [](int, int, uint8_t* c) { c[0] = 0, c[1] = 0, c[2] = 0; };  // black: zero groups as "z"
  test::EpsRecipe recipe;
  recipe.Width = 24;
  recipe.Height = 16;
  recipe.Encoding = 3;
  recipe.JpegData = test::MakeJpeg(jpeg);
  BitmapPtr pixels = Decode(test::MakeEps(recipe));
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->Width, 24);
  EXPECT_LT(test::RgbAt(*pixels, 5, 5) & 0xFF, 8u);
}

TEST_F(EpsReaderTest, ClippingPathMakesTheMask) {
  test::EpsRecipe recipe;
  recipe.Width = 40;
  recipe.Height = 20;
  recipe.Resources = test::PhotoshopBlock(kResourceClippingPathName, "", {7, 'O', 'u', 't', 'l', 'i', 'n', 'e', 0, 0});
  const Bytes other = test::PhotoshopBlock(2000, "Other", test::RectanglePath(0, 0, 1, 1));
  const Bytes outline = test::PhotoshopBlock(2001, "Outline", test::RectanglePath(0.25, 0.25, 0.75, 0.75));
  recipe.Resources.insert(recipe.Resources.end(), other.begin(), other.end());
  recipe.Resources.insert(recipe.Resources.end(), outline.begin(), outline.end());
  BitmapPtr mask;
  ASSERT_TRUE(Decode(test::MakeEps(recipe), &mask));
  ASSERT_TRUE(mask);
  EXPECT_EQ(mask->Row(10)[4 * 20], 0);    // inside the outline: shown
  EXPECT_EQ(mask->Row(2)[4 * 2], 255);    // outside: hidden
  EXPECT_EQ(mask->Row(10)[4 * 35], 255);

  recipe.Resources.clear();
  BitmapPtr none;
  ASSERT_TRUE(Decode(test::MakeEps(recipe), &none));
  EXPECT_FALSE(none);
}

TEST_F(EpsReaderTest, ProfileFromItsHexadecimalText) {
  test::EpsRecipe recipe;
  recipe.Profile = {0, 0, 0, 10, 'a', 'b', 'c', 'd', 'e', 'f'};
  ASSERT_TRUE(Header(test::MakeEps(recipe)));
  EXPECT_TRUE(image_.HasEmbeddedProfile);
  std::vector<uint8_t> profile;
  ASSERT_TRUE(ReadEmbeddedProfile(image_, profile));
  EXPECT_EQ(profile, recipe.Profile);

  recipe.Profile = {0xFF, 0, 0, 10, 'a'};  // a size the file cannot hold
  ASSERT_TRUE(Header(test::MakeEps(recipe)));
  EXPECT_FALSE(image_.HasEmbeddedProfile);
}

TEST_F(EpsReaderTest, PreviewFromTheDosHeaderElseThePhotoshopThumbnail) {
  test::TiffRecipe tiff;
  tiff.Width = 12;
  tiff.Height = 9;
  tiff.Sample = [](int, int, int) { return 200u; };
  const std::string tiffPath = dir_.File("preview.tif");
  ASSERT_TRUE(test::WriteTiff(tiffPath, tiff));
  const Bytes tiffBytes = test::ReadBytes(tiffPath);
  const std::string ps = test::MakeEps(test::EpsRecipe());
  const Bytes dos = test::DosEps(ps, tiffBytes);
  ASSERT_TRUE(Header(std::string(dos.begin(), dos.end())));
  BitmapPtr preview = MakePreview(image_);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->Width, 12);
  EXPECT_EQ(test::RgbAt(*preview, 3, 3), 0xC8C8C8u);

  test::JpegRecipe jpeg;
  jpeg.Width = 10;
  jpeg.Height = 5;
  test::EpsRecipe recipe;
  recipe.Resources = test::PhotoshopThumbnailBlock(kResourceThumbnail, test::MakeJpeg(jpeg));
  ASSERT_TRUE(Header(test::MakeEps(recipe)));
  preview = MakePreview(image_);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->Width, 10);
}

TEST_F(EpsReaderTest, DamagedFilesFailCleanly) {
  test::EpsRecipe recipe;
  recipe.Encoding = 2;
  recipe.Resources = test::PhotoshopBlock(kResourceClippingPathName, "", {1, 'P', 0, 0});
  const std::string good = test::MakeEps(recipe);
  for (size_t n = 0; n < good.size(); n += 13) {
    BitmapPtr mask;
    Decode(good.substr(0, n), &mask);
  }
  // Dimensions far larger than the data.
  recipe = test::EpsRecipe();
  recipe.Width = 60000;
  recipe.Height = 60000;
  recipe.BlockBytes = 60000;
  std::string huge = test::MakeEps(test::EpsRecipe());
  huge.replace(huge.find("6 4 8"), 5, "60000 60000 8");
  EXPECT_FALSE(Decode(huge));
}

}  // namespace
}  // namespace tl
