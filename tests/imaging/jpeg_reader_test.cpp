#include "imaging/jpeg_reader.h"

#include <gtest/gtest.h>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/embedded_profile.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/jpeg_library.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::Bytes;
using test::ExifBuilder;
using test::JpegRecipe;

constexpr int kApp1 = 0xE1, kApp2 = 0xE2, kApp5 = 0xE5;

class JpegReaderTest : public ::testing::Test {
 protected:
  std::string Write(const JpegRecipe& recipe, const char* name = "image.jpg") { return Write(test::MakeJpeg(recipe), name); }
  std::string Write(const Bytes& bytes, const char* name = "image.jpg") {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(test::WriteBytes(path, bytes));
    return path;
  }
  // A header read into a fresh image object.
  bool Header(const std::string& path) { return ReadImageHeader(image_, path); }

  test::TempFolder dir_;
  ImageObject image_;
};

TEST_F(JpegReaderTest, ResolutionComesFromExifElseJfif) {
  ExifBuilder exif300(false);
  exif300.Rational(ExifBuilder::kIfd0, 282, 300, 1);
  exif300.Rational(ExifBuilder::kIfd0, 283, 300, 1);
  exif300.Short(ExifBuilder::kIfd0, 296, 2);
  ExifBuilder exifCm(true);
  exifCm.Rational(ExifBuilder::kIfd0, 282, 200, 1);
  exifCm.Rational(ExifBuilder::kIfd0, 283, 200, 1);
  exifCm.Short(ExifBuilder::kIfd0, 296, 3);
  ExifBuilder exifNoResolution(false);
  exifNoResolution.Ascii(ExifBuilder::kIfd0, 271, "Lumen Optics");

  const struct {
    const char* what;
    int unit, x, y;
    const ExifBuilder* exif;
    int dpiX, dpiY;
  } cases[] = {
      {"per inch", 1, 240, 180, nullptr, 240, 180},
      {"per centimetre", 2, 118, 118, nullptr, 299, 299},
      {"no unit", 0, 1, 1, nullptr, 72, 72},
      {"zero density", 1, 0, 300, nullptr, 72, 72},
      {"Exif over JFIF", 1, 72, 72, &exif300, 300, 300},
      {"Exif per centimetre", 1, 72, 72, &exifCm, 508, 508},
      {"Exif without resolution", 1, 150, 150, &exifNoResolution, 150, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    JpegRecipe recipe;
    recipe.DensityUnit = c.unit;
    recipe.XDensity = c.x;
    recipe.YDensity = c.y;
    if (c.exif) recipe.Markers.push_back({kApp1, c.exif->App1()});
    image_ = ImageObject();
    ASSERT_TRUE(Header(Write(recipe)));
    EXPECT_EQ(image_.ImageDesc.HResolution(), c.dpiX);
    EXPECT_EQ(image_.ImageDesc.VResolution(), c.dpiY);
  }
}

TEST_F(JpegReaderTest, HeaderDescribesTheFile) {
  JpegRecipe recipe;
  recipe.Width = 123;
  recipe.Height = 45;
  ExifBuilder exif(true);
  exif.Ascii(ExifBuilder::kIfd0, 271, "Lumen Optics");
  exif.Short(ExifBuilder::kExifIfd, 37385, 1);
  recipe.Markers.push_back({kApp1, exif.App1()});
  ASSERT_TRUE(Header(Write(recipe)));
  EXPECT_EQ(image_.ImageDesc.ByteSize(), ImageDescBlock::kBasicSize);
  EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecJpeg);
  EXPECT_EQ(image_.ImageDesc.Width(), 123);
  EXPECT_EQ(image_.ImageDesc.Height(), 45);
  EXPECT_EQ(image_.ImageDesc.Depth(), 24);
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  EXPECT_EQ(image_.BitsPerPixel, 24);
  EXPECT_EQ(image_.FileKind, kKindJpeg);
  EXPECT_EQ(image_.Exif.Maker, "Lumen Optics");
  // The Exif directory is the preview reader's: the header leaves it alone.
  EXPECT_EQ(image_.Exif.ExifPresence, 0x1u);
  EXPECT_FALSE(image_.HasEmbeddedProfile);
  EXPECT_GT(image_.FileSize, 0u);
  EXPECT_GT(image_.LastWriteTime, 0);
}

TEST_F(JpegReaderTest, ColourSpaceFromTheFrameHeader) {
  const struct {
    int components;
    bool progressive;
    uint32_t space;
    int16_t bits;
  } cases[] = {{1, false, kSpaceGray, 8}, {3, false, kSpaceRgb, 24}, {3, true, kSpaceRgb, 24},
               {1, true, kSpaceGray, 8},  {4, false, kSpaceCmyk, 32}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.components << " components, progressive " << c.progressive);
    JpegRecipe recipe;
    recipe.Components = c.components;
    recipe.Progressive = c.progressive;
    FilePtr file = OpenForReading(Write(recipe));
    uint32_t space = 0;
    int16_t bits = 0;
    ASSERT_TRUE(ReadJpegColorSpace(file.get(), space, bits));
    EXPECT_EQ(FourCCText(space), FourCCText(c.space));
    EXPECT_EQ(bits, c.bits);
  }
  // No frame header before the scan (or none at all): RGB.
  FilePtr bare = OpenForReading(Write(Bytes{0xFF, 0xD8, 0xFF, 0xDA, 0, 2}, "bare.jpg"));
  uint32_t space = 0;
  int16_t bits = 0;
  ASSERT_TRUE(ReadJpegColorSpace(bare.get(), space, bits));
  EXPECT_EQ(space, kSpaceRgb);
}

TEST_F(JpegReaderTest, FourChannelFilesAreRefusedWithoutAMessage) {
  JpegRecipe recipe;
  recipe.Components = 4;
  EXPECT_FALSE(Header(Write(recipe)));
  EXPECT_EQ(image_.ColorSpace, kSpaceCmyk);
}

TEST_F(JpegReaderTest, ProfileSplitOverSegmentsIsJoined) {
  const Bytes a(100, 'a'), b(70, 'b'), c(3, 'c');
  JpegRecipe recipe;
  recipe.Markers = {{kApp2, test::IccSegment(1, 3, a)}, {kApp2, test::IccSegment(2, 3, b)},
                  {kApp2, test::IccSegment(3, 3, c)}};
  ASSERT_TRUE(Header(Write(recipe)));
  EXPECT_TRUE(image_.HasEmbeddedProfile);
  std::vector<uint8_t> profile;
  ASSERT_TRUE(ReadEmbeddedProfile(image_, profile));
  Bytes joined = a;
  joined.insert(joined.end(), b.begin(), b.end());
  joined.insert(joined.end(), c.begin(), c.end());
  EXPECT_EQ(profile, joined);

  // Segments missing, out of order, or with differing counts make no profile.
  const std::vector<std::vector<std::pair<int, Bytes>>> broken = {
      {{kApp2, test::IccSegment(1, 3, a)}, {kApp2, test::IccSegment(2, 3, b)}},
      {{kApp2, test::IccSegment(1, 2, a)}, {kApp2, test::IccSegment(3, 2, b)}},
      {{kApp2, test::IccSegment(1, 2, a)}, {kApp2, test::IccSegment(2, 3, b)}},
      {{kApp2, test::IccSegment(1, 0, a)}},
  };
  for (const auto& markers : broken) {
    recipe.Markers = markers;
    image_ = ImageObject();
    ASSERT_TRUE(Header(Write(recipe)));
    EXPECT_FALSE(image_.HasEmbeddedProfile);
    EXPECT_FALSE(ReadEmbeddedProfile(image_, profile));
  }
}

TEST_F(JpegReaderTest, ScaledDecodeCoversTheRequestedWidth) {
  EXPECT_EQ(JpegScaleDenominator(4000, 450), 8u);
  EXPECT_EQ(JpegScaleDenominator(4000, 1000), 4u);
  EXPECT_EQ(JpegScaleDenominator(4000, 1400), 2u);
  EXPECT_EQ(JpegScaleDenominator(4000, 2001), 1u);

  JpegRecipe recipe;
  recipe.Width = 4000;
  recipe.Height = 16;
  ASSERT_TRUE(Header(Write(recipe)));
  const LSize request = {450, 2};
  int message = 0;
  BitmapPtr pixels = DecodeImagePixels(image_, 0, &request, nullptr, nullptr, message);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->Width, 450);
  EXPECT_EQ(pixels->Height, 2);
  // The gradient survives scaling: red grows to the right.
  EXPECT_LT(test::RgbAt(*pixels, 10, 1) >> 16, test::RgbAt(*pixels, 40, 1) >> 16);
}

TEST_F(JpegReaderTest, MaskVariantDecodesColourAndMask) {
  JpegRecipe recipe;
  recipe.Components = 4;
  recipe.Width = 32;
  recipe.Height = 16;
  // Y 128, Cb 128, Cr 200: a reddish gray; the mask grows to the right.
  recipe.Pixel = [](int x, int, uint8_t* c) { c[0] = 128, c[1] = 128, c[2] = 200, c[3] = uint8_t(x * 8); };
  const char kEff[] = "EFFHEAD";
  recipe.Markers.push_back({kApp5, Bytes(kEff, kEff + sizeof kEff)});
  ASSERT_TRUE(Header(Write(recipe, "picture.eff")));
  EXPECT_EQ(image_.FileKind, kKindEff);
  EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecEff);
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  BitmapPtr mask;
  int message = 0;
  BitmapPtr pixels = DecodeImagePixels(image_, 0, nullptr, &mask, nullptr, message);
  ASSERT_TRUE(pixels);
  ASSERT_TRUE(mask);
  const uint8_t* p = pixels->Row(8) + 4 * 16;
  // red = 128 + 1.542 * 72 = 239; blue = 128; green from both.
  EXPECT_NEAR(p[2], 239, 3);
  EXPECT_NEAR(p[0], 128, 3);
  EXPECT_NEAR(p[1], int((128 - 0.114 * 128 - 0.299 * 239) * 1.7035775127768313), 3);
  EXPECT_EQ(p[3], 0);
  EXPECT_NEAR(mask->Row(8)[4 * 16], 128, 3);
  EXPECT_NEAR(mask->Row(8)[4 * 2], 16, 3);
}

TEST_F(JpegReaderTest, DecoderFromMemoryFailsCleanlyOnBadData) {
  const Bytes good = test::MakeJpeg(JpegRecipe());
  BitmapPtr whole = DecodeJpegMemory(good.data(), good.size());
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->Width, 64);
  EXPECT_FALSE(DecodeJpegMemory(nullptr, 0));
  EXPECT_FALSE(DecodeJpegMemory(good.data(), 2));
  // Data cut inside the scan still gives the picture (the rest gray).
  EXPECT_TRUE(DecodeJpegMemory(good.data(), good.size() * 3 / 4));
  // Every cut of the header fails or decodes, never more.
  for (size_t n = 0; n < 700 && n < good.size(); n += 7) DecodeJpegMemory(good.data(), n);
  // Too big to be a thumbnail.
  EXPECT_FALSE(DecodeJpegMemory(good.data(), good.size(), 64 * 47));
}

TEST_F(JpegReaderTest, MarkerLongerThanTheFileFailsTheHeader) {
  Bytes bytes = test::MakeJpeg(JpegRecipe());
  // An APP1 marker claiming 0xFFF0 bytes right after the SOI, then the end.
  Bytes bad = {0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xF0, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I'};
  EXPECT_FALSE(Header(Write(bad)));
  // The same with the real image truncated after its frame header.
  bytes.resize(200);
  image_ = ImageObject();
  Header(Write(bytes, "cut.jpg"));
  int message = 0;
  DecodeImagePixels(image_, 0, nullptr, nullptr, nullptr, message);
}

TEST_F(JpegReaderTest, ThumbnailReaderPrefersExifOverPhotoshop) {
  JpegRecipe small;
  small.Width = 20;
  small.Height = 10;
  JpegRecipe tiny;
  tiny.Width = 8;
  tiny.Height = 8;
  ExifBuilder exif(false);
  exif.Short(ExifBuilder::kExifIfd, 37385, 0x10);
  exif.Thumbnail(test::MakeJpeg(small));
  const char kPhotoshop[] = "Photoshop 3.0";
  Bytes app13(kPhotoshop, kPhotoshop + sizeof kPhotoshop);
  const Bytes block = test::PhotoshopThumbnailBlock(1036, test::MakeJpeg(tiny));
  app13.insert(app13.end(), block.begin(), block.end());

  JpegRecipe recipe;
  // An XMP marker first: the Exif block is the APP1 marker that says so.
  const char kXmp[] = "http://ns.adobe.com/xap/1.0/";
  recipe.Markers = {{kApp1, Bytes(kXmp, kXmp + sizeof kXmp)}, {0xED, app13}, {kApp1, exif.App1()}};
  ASSERT_TRUE(Header(Write(recipe)));
  BitmapPtr thumbnail = ReadJpegThumbnail(image_);
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->Width, 20);
  EXPECT_TRUE(image_.Exif.ExifPresence & kExifHasFlash);

  recipe.Markers = {{0xED, app13}};
  image_ = ImageObject();
  ASSERT_TRUE(Header(Write(recipe, "photoshop.jpg")));
  thumbnail = ReadJpegThumbnail(image_);
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->Width, 8);
}

}  // namespace
}  // namespace tl
