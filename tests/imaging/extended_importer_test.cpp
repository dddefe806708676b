// The extended-formats importer as the import uses it: which files it
// takes, the description it makes, which pictures get masks in which
// versions, the start-up warning, and the behaviour without an importer;
// and the building blocks of its readers (PackBits, row shrinking).
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/missing_image.h"
#include "imaging/packbits.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "imaging/quicktime_alert.h"
#include "imaging/row_target.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

class ExtendedImporterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PngRecipe png;
    png.ColorType = PNG_COLOR_TYPE_RGB_ALPHA;
    png_ = Write("alpha.png", test::MakePng(png));
    test::PsdRecipe psd;
    psd.Channels = 4;
    psd.LayerCount = -1;
    psd_ = Write("alpha.psd", test::MakePsd(psd));
    test::PictBuilder pict(0, 0, 8, 8);
    pict.Direct32(8, 8, 4, 4, 0, 0, [](int x, int) { return uint32_t(x * 30) << 24 | 0x336699; });
    pict_ = Write("alpha.pct", pict.Picture());
  }
  std::string Write(const char* name, const test::Bytes& bytes) {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(test::WriteBytes(path, bytes));
    return path;
  }
  // Whether a decode of `path` with a mask asked for gives one.
  bool GivesMask(const std::string& path) {
    ImageObject image;
    EXPECT_TRUE(ReadImageHeader(image, path)) << path;
    BitmapPtr mask;
    int message = 0;
    EXPECT_TRUE(DecodeImagePixels(image, kMatchNone, nullptr, &mask, nullptr, message)) << message;
    return mask != nullptr;
  }

  test::TempFolder dir_;
  std::string png_, psd_, pict_;
};

TEST_F(ExtendedImporterTest, KindsAndDescriptionsOfTheThreeFormats) {
  BuiltInFormatImporter importer;
  test::ScopedExtensions extensions(&importer);
  EXPECT_TRUE(QuickTimeAvailable());
  EXPECT_GE(QuickTimeVersion(), 0x0600);
  struct Case {
    const std::string& Path;
    uint32_t Kind, Codec;
  };
  for (const Case& c : {Case{png_, kKindPng, kCodecPng}, Case{psd_, kKindPhotoshop, kCodecPhotoshop},
                        Case{pict_, kKindPict, kCodecPict}}) {
    SCOPED_TRACE(c.Path);
    ImageObject image;
    ASSERT_TRUE(ReadImageHeader(image, c.Path));
    EXPECT_EQ(image.FileKind, c.Kind);
    const ImageDescBlock& desc = image.ImageDesc;
    EXPECT_EQ(desc.ByteSize(), ImageDescBlock::kExtendedSize);
    EXPECT_EQ(desc.BlockSize(), 86u);
    EXPECT_EQ(desc.CodecType(), c.Codec);
    EXPECT_EQ(desc.HResolution(), 72);
    EXPECT_EQ(desc.Depth(), 32);
    int16_t clut = 0;
    std::memcpy(&clut, desc.Data() + 84, 2);
    EXPECT_EQ(clut, -1);
  }
  // The kind comes from the content, whatever the name says.
  const std::string renamed = Write("really-a-png.tif.bak", test::ReadBytes(png_));
  ImageObject image;
  ASSERT_TRUE(ReadImageHeader(image, renamed));
  EXPECT_EQ(image.FileKind, kKindPng);
  // Files nobody reads are still not taken.
  const std::string text = Write("notes.png", {'h', 'e', 'l', 'l', 'o'});
  ImageObject other;
  EXPECT_FALSE(ReadImageHeader(other, text));
}

TEST_F(ExtendedImporterTest, MasksOnlyForPngAndPhotoshopFromVersionSix) {
  struct Case {
    const char* Name;
    uint16_t Version;
    bool PngMask, PsdMask, PictMask;
  };
  for (const Case& c : {Case{"7.0", 0x0700, true, true, false}, Case{"6.0", 0x0600, true, true, false},
                        Case{"5.1", 0x0510, false, false, false}}) {
    SCOPED_TRACE(c.Name);
    BuiltInFormatImporter importer(c.Version);
    test::ScopedExtensions extensions(&importer);
    EXPECT_EQ(GivesMask(png_), c.PngMask);
    EXPECT_EQ(GivesMask(psd_), c.PsdMask);
    EXPECT_EQ(GivesMask(pict_), c.PictMask);
  }
  // A picture without transparency has no mask at all.
  BuiltInFormatImporter importer;
  test::ScopedExtensions extensions(&importer);
  const std::string opaque = Write("opaque.png", test::MakePng(test::PngRecipe()));
  EXPECT_FALSE(GivesMask(opaque));
}

TEST_F(ExtendedImporterTest, WithoutAnImporterTheFormatsAreNotTaken) {
  test::ScopedExtensions none(nullptr);
  EXPECT_FALSE(QuickTimeAvailable());
  for (const std::string& path : {png_, psd_, pict_}) {
    ImageObject image;
    EXPECT_FALSE(ReadImageHeader(image, path)) << path;
  }
  // An importer older than 5.0 counts as none.
  BuiltInFormatImporter old(0x0410);
  test::ScopedExtensions tooOld(&old);
  EXPECT_FALSE(QuickTimeAvailable());
  ImageObject image;
  EXPECT_FALSE(ReadImageHeader(image, png_));
  test::RecordingSink sink;
  ScopedMessageSink scope(&sink);
  MissingImageSearch search;
  EXPECT_FALSE(LocateMissingImage(search, image, png_));
  EXPECT_EQ(sink.texts.size(), 1u);
}

TEST(QuickTimeAlert, WarningByImporterAndHiddenFlags) {
  struct Case {
    const char* Name;
    uint16_t Version;  // 0: no importer
    int Flags;
    int Message;
    int FlagsAfterYes;
  };
  const Case cases[] = {
      {"none", 0, 0, kMissingImporterMessage, kHideMissingAlert},
      {"none, hidden", 0, kHideMissingAlert, 0, kHideMissingAlert},
      {"none, only old hidden", 0, kHideOldAlert, kMissingImporterMessage, kHideOldAlert | kHideMissingAlert},
      {"5.x", 0x0500, 0, kOldImporterMessage, kHideOldAlert},
      {"5.x, hidden", 0x0500, kHideOldAlert, 0, kHideOldAlert},
      {"5.x, both hidden", 0x0500, kHideOldAlert | kHideMissingAlert, 0, kHideOldAlert | kHideMissingAlert},
      {"built in", kBuiltInImporterVersion, 0, 0, kHideOldAlert},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    BuiltInFormatImporter importer(c.Version);
    test::ScopedExtensions extensions(c.Version ? &importer : nullptr);
    EXPECT_EQ(QuickTimeStartupAlert(c.Flags), c.Message);
    EXPECT_EQ(QuickTimeAlertFlagsAfterYes(c.Flags, true), c.FlagsAfterYes);
    EXPECT_EQ(QuickTimeAlertFlagsAfterYes(c.Flags, false), c.Flags);
  }
}

TEST(PackBits, RunsLiteralsAndOverruns) {
  struct Case {
    const char* Name;
    test::Bytes In;
    size_t OutSize;
    bool Ok;
    test::Bytes Out;
    size_t Used;
  };
  const Case cases[] = {
      {"literal then run", {2, 'a', 'b', 'c', 0xFE, 'z'}, 6, true, {'a', 'b', 'c', 'z', 'z', 'z'}, 6},
      {"no-op skipped", {0x80, 0, 'q'}, 1, true, {'q'}, 3},
      {"stops when full", {0, 'x', 5, 'y'}, 1, true, {'x'}, 2},
      {"run past the end", {0xFD, 'r'}, 3, false, {}, 0},
      {"literal past the end", {3, 'a', 'b', 'c', 'd'}, 3, false, {}, 0},
      {"input ends early", {1, 'a'}, 2, false, {}, 0},
      {"no input", {}, 1, false, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    test::Bytes out(c.OutSize, 0);
    size_t used = 0;
    ASSERT_EQ(UnpackBits(c.In.data(), c.In.size(), out.data(), out.size(), used), c.Ok);
    if (!c.Ok) continue;
    EXPECT_EQ(out, c.Out);
    EXPECT_EQ(used, c.Used);
  }
  // Words: a run repeats two bytes.
  const test::Bytes words = {0xFF, 0x12, 0x34, 0x00, 0xAB, 0xCD};
  test::Bytes out(6);
  size_t used = 0;
  ASSERT_TRUE(UnpackWords(words.data(), words.size(), out.data(), out.size(), used));
  EXPECT_EQ(out, (test::Bytes{0x12, 0x34, 0x12, 0x34, 0xAB, 0xCD}));
  EXPECT_FALSE(UnpackWords(words.data(), 2, out.data(), out.size(), used));
}

TEST(RowTarget, ShrinkingAveragesEachAreaExactly) {
  // A 6 x 4 picture of known values, shrunk to 4 x 3 (uneven shares) and to
  // 3 x 2 (whole blocks); the result is the area average of each cell.
  auto value = [](int x, int y) { return uint8_t(x * 40 + y * 5); };
  for (LSize size : {LSize{3, 2}, LSize{4, 3}, LSize{6, 1}, LSize{1, 4}}) {
    SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
    RowTarget target;
    ASSERT_TRUE(target.Begin(6, 4, size));
    for (int y = 0; y < 4; ++y) {
      uint8_t* row = target.NextRow();
      for (int x = 0; x < 6; ++x) std::memset(row + x * 4, value(x, y), 4);
      target.Commit();
    }
    BitmapPtr out = target.Finish();
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Width, size.cx);
    for (int ty = 0; ty < size.cy; ++ty)
      for (int tx = 0; tx < size.cx; ++tx) {
        // Exact average over the cell [tx*6/cx, (tx+1)*6/cx) x [ty*4/cy, ...).
        double sum = 0;
        for (int y = 0; y < 4 * size.cy; ++y)
          for (int x = 0; x < 6 * size.cx; ++x)
            if (x / 6 == tx && y / 4 == ty) sum += value(x / size.cx, y / size.cy);
        const double mean = sum / (6.0 * 4.0);
        EXPECT_NEAR(out->Row(ty)[tx * 4], mean, 0.5) << tx << "," << ty;
        EXPECT_EQ(out->Row(ty)[tx * 4 + 3], out->Row(ty)[tx * 4]);
      }
  }
  // Growing goes through the whole picture and resampling.
  RowTarget grow;
  ASSERT_TRUE(grow.Begin(2, 2, {4, 4}));
  EXPECT_TRUE(grow.KeepsWholePicture());
  for (int y = 0; y < 2; ++y) {
    std::memset(grow.NextRow(), 200, 8);
    grow.Commit();
  }
  BitmapPtr grown = grow.Finish();
  ASSERT_TRUE(grown);
  EXPECT_EQ(grown->Width, 4);
  EXPECT_EQ(grown->Row(3)[12], 200);
}

}  // namespace
}  // namespace tl
