#include "imaging/exif_reader.h"

#include <gtest/gtest.h>

#include "imaging/byte_source.h"
#include "imaging/photoshop_resources.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::Bytes;
using test::ExifBuilder;

// A camera's Exif block with every field the reader knows.
ExifBuilder CameraExif(bool bigEndian) {
  ExifBuilder e(bigEndian);
  e.Ascii(ExifBuilder::kIfd0, 271, "Lumen Optics");
  e.Ascii(ExifBuilder::kIfd0, 272, "LX-7");
  e.Short(ExifBuilder::kIfd0, 274, 6);
  e.Rational(ExifBuilder::kIfd0, 282, 300, 1);
  e.Rational(ExifBuilder::kIfd0, 283, 600, 2);
  e.Short(ExifBuilder::kIfd0, 296, 2);
  e.Rational(ExifBuilder::kExifIfd, 33434, 1, 250);
  e.Rational(ExifBuilder::kExifIfd, 33437, 28, 10);
  e.Short(ExifBuilder::kExifIfd, 34855, 400);
  e.Undefined(ExifBuilder::kExifIfd, 36864, {'0', '2', '3', '0'});
  e.Ascii(ExifBuilder::kExifIfd, 36867, "2024:05:17 10:11:12");
  e.Ascii(ExifBuilder::kExifIfd, 36868, "2024:05:17 10:11:13");
  e.SRational(ExifBuilder::kExifIfd, 37380, -1, 3);
  e.Short(ExifBuilder::kExifIfd, 37384, 10);
  e.Short(ExifBuilder::kExifIfd, 37385, 0x19);
  e.Short(ExifBuilder::kExifIfd, 40961, 1);
  e.Short(ExifBuilder::kExifIfd, 41987, 1);
  e.Short(ExifBuilder::kExifIfd, 41992, 2);
  e.Short(ExifBuilder::kExifIfd, 41993, 1);
  return e;
}

ExifFields Read(const Bytes& tiff, BitmapPtr* thumbnail = nullptr) {
  ExifFields exif;
  MemoryByteSource source(tiff.data(), tiff.size());
  BitmapPtr t = ReadExif(source, exif);
  if (thumbnail) *thumbnail = std::move(t);
  return exif;
}

TEST(ExifReader, ReadsEveryFieldInBothByteOrders) {
  const ExifFields little = Read(CameraExif(false).Tiff());
  const ExifFields big = Read(CameraExif(true).Tiff());
  EXPECT_EQ(little, big);

  EXPECT_EQ(little.ExifPresence, 0x1FFDu);  // every bit but 0x2
  EXPECT_EQ(little.Maker, "Lumen Optics");
  EXPECT_EQ(little.Model, "LX-7");
  EXPECT_EQ(little.Orientation, 6);
  EXPECT_EQ(little.XResolution, 300);
  EXPECT_EQ(little.YResolution, 300);
  EXPECT_EQ(little.ResolutionUnit, 2);
  EXPECT_EQ(little.ExposureTimeNumerator, 1u);
  EXPECT_EQ(little.ExposureTimeDenominator, 250u);
  EXPECT_DOUBLE_EQ(little.FNumber, 2.8);
  EXPECT_DOUBLE_EQ(little.ExposureBias, -1.0 / 3.0);
  EXPECT_EQ(little.ExposureBiasNumerator, -1);
  EXPECT_EQ(little.ExposureBiasDenominator, 3);
  EXPECT_EQ(little.IsoSpeed, 400);
  EXPECT_EQ(little.ExifVersion, "0230");
  EXPECT_EQ(little.DateTimeOriginal, "2024:05:17 10:11:12");
  EXPECT_EQ(little.DateTimeDigitized, "2024:05:17 10:11:13");
  EXPECT_EQ(little.LightSource, 10);
  EXPECT_EQ(little.Flash, 0x19);
  EXPECT_EQ(little.ColorSpace, 1);
  EXPECT_EQ(little.WhiteBalance, 1);
  EXPECT_EQ(little.Contrast, 2);
  EXPECT_EQ(little.Saturation, 1);
}

TEST(ExifReader, HeaderPassReadsTheFirstDirectoryOnly) {
  const Bytes tiff = CameraExif(true).Tiff();
  MemoryByteSource source(tiff.data(), tiff.size());
  ExifFields exif;
  ASSERT_TRUE(ReadExifIfd0(source, exif));
  EXPECT_EQ(exif.ExifPresence, 0x1u);
  EXPECT_EQ(exif.Maker, "Lumen Optics");
  EXPECT_EQ(exif.XResolution, 300);
  EXPECT_TRUE(exif.DateTimeOriginal.empty());

  const Bytes bad = {'X', 'X', 42, 0, 8, 0, 0, 0};
  MemoryByteSource badSource(bad.data(), bad.size());
  ExifFields none;
  EXPECT_FALSE(ReadExifIfd0(badSource, none));
  EXPECT_EQ(none.ExifPresence, 0u);
}

TEST(ExifReader, LeavesOutRationalsWithoutDenominator) {
  ExifBuilder e(false);
  e.Rational(ExifBuilder::kExifIfd, 33434, 1, 0);
  e.Rational(ExifBuilder::kExifIfd, 33437, 0, 0);
  e.SRational(ExifBuilder::kExifIfd, 37380, 5, 0);
  e.Rational(ExifBuilder::kIfd0, 282, 72, 0);
  e.Short(ExifBuilder::kExifIfd, 37385, 1);
  const ExifFields exif = Read(e.Tiff());
  EXPECT_EQ(exif.ExifPresence, uint32_t(kExifBlockFound | kExifHasFlash));
  EXPECT_EQ(exif.XResolution, 0);
}

TEST(ExifReader, SurvivesBogusOffsetsCountsAndLoops) {
  ExifBuilder e(false);
  e.Raw(ExifBuilder::kIfd0, 271, 2, 0xFFFFFFF0, 0x7FFFFFF0);  // text far outside
  e.Raw(ExifBuilder::kIfd0, 272, 2, 200, 4);                  // text running past the end
  e.Raw(ExifBuilder::kIfd0, 34665, 4, 1, 8);                  // the Exif directory is IFD0 itself
  e.Raw(ExifBuilder::kIfd0, 34377, 7, 0x40000000, 0x10);      // Photoshop block past the end
  e.Short(ExifBuilder::kIfd0, 274, 3);
  Bytes tiff = e.Tiff();
  const ExifFields exif = Read(tiff);
  EXPECT_TRUE(exif.Maker.empty());
  EXPECT_EQ(exif.Orientation, 3);
  EXPECT_EQ(exif.ExifPresence, 0x1u);

  // Every truncation of a valid block ends the walk cleanly.
  const Bytes full = CameraExif(true).Tiff();
  for (size_t n = 0; n < full.size(); ++n) Read(Bytes(full.begin(), full.begin() + long(n)));

  // A directory count far beyond the data.
  Bytes huge = {'I', 'I', 42, 0, 8, 0, 0, 0, 0xFF, 0xFF};
  EXPECT_EQ(Read(huge).ExifPresence, 0u);
}

TEST(ExifReader, DecodesTheJpegThumbnailOfTheThumbnailDirectory) {
  test::JpegRecipe recipe;
  recipe.Width = 32;
  recipe.Height = 24;
  ExifBuilder e(true);
  e.Ascii(ExifBuilder::kIfd0, 271, "Lumen Optics");
  e.Thumbnail(test::MakeJpeg(recipe));
  BitmapPtr thumbnail;
  Read(e.Tiff(), &thumbnail);
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->Width, 32);
  EXPECT_EQ(thumbnail->Height, 24);
}

TEST(ExifReader, PhotoshopThumbnailWinsAndTheExifDirectoryIsStillRead) {
  test::JpegRecipe recipe;
  recipe.Width = 16;
  recipe.Height = 8;
  recipe.Pixel = [](int, int, uint8_t* c) { c[0] = 250, c[1] = 10, c[2] = 10; };  // red
  ExifBuilder e(false);
  e.Undefined(ExifBuilder::kIfd0, 34377, test::PhotoshopThumbnailBlock(kResourceThumbnailBgr, test::MakeJpeg(recipe)));
  e.Short(ExifBuilder::kExifIfd, 37385, 1);
  test::JpegRecipe other;
  e.Thumbnail(test::MakeJpeg(other));  // 64 x 48: must not be taken
  BitmapPtr thumbnail;
  const ExifFields exif = Read(e.Tiff(), &thumbnail);
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->Width, 16);
  // Resource 1033 stores blue and red exchanged; read back they are swapped again.
  const uint32_t rgb = test::RgbAt(*thumbnail, 4, 4);
  EXPECT_LT(rgb >> 16, 30u);
  EXPECT_GT(rgb & 0xFF, 220u);
  EXPECT_TRUE(exif.ExifPresence & kExifHasFlash);
}

}  // namespace
}  // namespace tl
