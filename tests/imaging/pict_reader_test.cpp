// The PICT reader through the import: each bitmap opcode and pixel form,
// placement in the frame, regions, opcodes that are walked over, picture
// previews kept in a resource fork, and damaged pictures.
#include <gtest/gtest.h>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/decode_limits.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/pict_reader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "imaging/resource_fork.h"
#include "tests/imaging/extended_fixtures.h"

namespace tl {
namespace {

using test::PictBuilder;

uint32_t Argb(int x, int y) { return 0x80000000u | uint32_t(x * 9) << 16 | uint32_t(y * 13) << 8 | uint32_t(x ^ y); }
uint32_t Rgb(int x, int y) { return Argb(x, y) & 0xFFFFFF; }

class PictReaderTest : public test::ExtendedFormatTest {
 protected:
  BitmapPtr Draw(const test::Bytes& picture, const char* name = "picture.pct") {
    return DecodeFile(WriteFile(name, picture));
  }
};

TEST_F(PictReaderTest, DirectPixelFormsDecode) {
  struct Case {
    const char* Name;
    int PackType, Components;
  };
  for (const Case& c : {Case{"pack type 4, three components", 4, 3}, Case{"pack type 4 with alpha", 4, 4},
                        Case{"default packing", 0, 3}, Case{"unpacked", 1, 3}, Case{"pad byte dropped", 2, 3}}) {
    SCOPED_TRACE(c.Name);
    PictBuilder b(0, 0, 20, 70);
    b.Direct32(70, 20, c.PackType, c.Components, 0, 0, Argb);
    BitmapPtr pixels = Draw(b.Picture());
    ASSERT_TRUE(pixels) << message_;
    EXPECT_EQ(image_.FileKind, kKindPict);
    EXPECT_EQ(image_.ImageDesc.CodecType(), kCodecPict);
    EXPECT_EQ(image_.ImageDesc.Depth(), 32);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 70; ++x) ASSERT_EQ(test::RgbAt(*pixels, x, y), Rgb(x, y)) << x << "," << y;
  }

  // 16-bit pixels, 5 bits a component, packed by words and not.
  auto pixel16 = [](int x, int y) { return uint16_t((x & 31) << 10 | (y & 31) << 5 | ((x + y) & 31)); };
  auto expand = [](int v) { return uint32_t((v << 3) | (v >> 2)); };
  for (int packType : {3, 1}) {
    SCOPED_TRACE(packType);
    PictBuilder b(0, 0, 9, 40);
    b.Direct16(40, 9, packType, pixel16);
    BitmapPtr pixels = Draw(b.Picture());
    ASSERT_TRUE(pixels) << message_;
    EXPECT_EQ(image_.ImageDesc.Depth(), 16);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(test::RgbAt(*pixels, x, y), expand(x & 31) << 16 | expand(y & 31) << 8 | expand((x + y) & 31));
  }
}

TEST_F(PictReaderTest, IndexedAndBlackAndWhiteMapsGoThroughTheirTables) {
  const std::vector<uint32_t> colors = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456};
  for (int bits : {2, 8}) {
    for (bool packed : {true, false}) {
      SCOPED_TRACE(testing::Message() << bits << " bits, packed " << packed);
      PictBuilder b(0, 0, 6, 33);
      b.Indexed(33, 6, bits, packed, colors, [](int x, int y) { return (x + y) % 4; });
      BitmapPtr pixels = Draw(b.Picture());
      ASSERT_TRUE(pixels) << message_;
      EXPECT_EQ(image_.ImageDesc.Depth(), 8);
      for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 33; ++x) ASSERT_EQ(test::RgbAt(*pixels, x, y), colors[size_t((x + y) % 4)]);
    }
  }
  PictBuilder b(0, 0, 5, 80);
  b.BlackWhite(80, 5, [](int x, int) { return x % 2 == 0; });
  BitmapPtr pixels = Draw(b.Picture());
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(image_.ImageDesc.Depth(), 1);
  EXPECT_EQ(image_.ColorSpace, kSpaceGray);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 0), 0u);
  EXPECT_EQ(test::RgbAt(*pixels, 1, 0), 0xFFFFFFu);
}

TEST_F(PictReaderTest, ImagesArePlacedInTheFrameAndClippedByTheirRegion) {
  // A frame that does not start at 0, an image drawn 10 right and 4 down of
  // its corner, and vector and comment opcodes around it.
  PictBuilder b(100, 200, 130, 260);
  b.Opcode(0x0001, PictBuilder::Region(100, 200, 130, 260));  // clip
  b.Opcode(0x0030, {0, 100, 0, 200, 0, 110, 0, 210});         // frameRect
  b.Comment({'h', 'e', 'l', 'l', 'o'});
  b.Opcode(0x001A, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC});     // RGBFgCol
  // Inside only where 0 <= x < 8 on rows 104..107 and 0 <= x < 4 below.
  const test::Bytes region = PictBuilder::Region(104, 210, 112, 218, {{104, 210, 218}, {108, 214, 218}});
  b.Direct32(8, 8, 4, 3, 210, 104, Argb, region);
  b.Opcode(0x00A0, {0, 7});  // short comment after the image
  BitmapPtr pixels = Draw(b.Picture(false), "headerless.pict");
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(pixels->Width, 60);
  EXPECT_EQ(pixels->Height, 30);
  EXPECT_EQ(test::RgbAt(*pixels, 0, 0), 0xFFFFFFu);   // the canvas is white
  EXPECT_EQ(test::RgbAt(*pixels, 10, 4), Rgb(0, 0));  // the image's corner
  EXPECT_EQ(test::RgbAt(*pixels, 17, 7), Rgb(7, 3));
  EXPECT_EQ(test::RgbAt(*pixels, 11, 8), Rgb(1, 4));  // lower rows: left half cut away
  EXPECT_EQ(test::RgbAt(*pixels, 14, 8), 0xFFFFFFu);
  EXPECT_EQ(test::RgbAt(*pixels, 14, 11), 0xFFFFFFu);
}

TEST_F(PictReaderTest, ExtendedHeaderGivesResolutionAndTheDrawingFrame) {
  PictBuilder b(0, 0, 10, 10);  // the frame at 72 dots per inch ...
  b.ExtendedHeader(300, 0, 0, 40, 40);  // ... the picture at 300
  b.Direct32(40, 40, 4, 3, 0, 0, Argb);
  BitmapPtr pixels = Draw(b.Picture());
  ASSERT_TRUE(pixels) << message_;
  EXPECT_EQ(image_.ImageDesc.HResolution(), 300);
  EXPECT_EQ(pixels->Width, 40);
  EXPECT_EQ(test::RgbAt(*pixels, 39, 39), Rgb(39, 39));
}

TEST_F(PictReaderTest, PicturesThatCannotBeDrawnAreRefused) {
  PictBuilder vectors(0, 0, 10, 10);
  vectors.Opcode(0x0031, {0, 0, 0, 0, 0, 5, 0, 5});  // paintRect only
  ImageObject image;
  const std::string path = dir_.File("vectors.pict");
  ASSERT_TRUE(test::WriteBytes(path, vectors.Picture()));
  EXPECT_FALSE(ReadImageHeader(image, path));

  // Version 1 pictures and files that are no picture.
  test::Bytes version1 = vectors.Picture();
  version1[512 + 10] = 0x11, version1[512 + 11] = 0x01;
  ASSERT_TRUE(test::WriteBytes(path, version1));
  EXPECT_FALSE(ReadImageHeader(image, path));
}

TEST_F(PictReaderTest, DamagedPicturesFailWithTheLoadMessages) {
  PictBuilder b(0, 0, 16, 64);
  b.Direct32(64, 16, 4, 3, 0, 0, Argb);
  const test::Bytes good = b.Picture();
  const size_t pixelData = 512 + 10 + 4 + 2 + 4 + 2 + 8 + 36 + 8 + 8 + 2;  // first row's count
  auto with = [&](auto change) {
    test::Bytes p = good;
    change(p);
    return p;
  };
  PictBuilder loop(0, 0, 16, 64);
  loop.Opcode(0x8201, {0xFF, 0xFF, 0xFF, 0xF0});  // a length far past the end
  loop.Direct32(64, 16, 4, 3, 0, 0, Argb);
  PictBuilder wide(0, 0, 16, 64);
  wide.Direct32(64, 16, 4, 3, 0, 0, Argb);
  test::Bytes hugeFrame = wide.Picture();
  hugeFrame[512 + 6] = 0x7F, hugeFrame[512 + 7] = 0xFF;  // bottom
  hugeFrame[512 + 8] = 0x7F, hugeFrame[512 + 9] = 0xFF;  // right
  const std::vector<Damaged> cases = {
      {"truncated pixel data", test::Bytes(good.begin(), good.begin() + long(good.size() / 2)), true,
       kMessageNotSupported},
      {"row count past the data", with([&](test::Bytes& p) { p[pixelData] = 0xFF, p[pixelData + 1] = 0xFF; }),
       true, kMessageNotSupported},
      {"packbits overrun", with([&](test::Bytes& p) { p[pixelData + 2] = 0x81; }), true, kMessageNotSupported},
      {"opcode length past the end", loop.Picture(), false, 0},
      {"huge frame", hugeFrame, true, kMessageNotEnoughMemory},
  };
  SetDecodePixelLimit(int64_t(1) << 24);
  ExpectFailures("damaged.pct", cases);
  SetDecodePixelLimit(OffscreenBitmap::kMaxPixels);
}

TEST_F(PictReaderTest, PreviewPictureInTheResourceForkIsTheFilesPreview) {
  // A JPEG copied from a Macintosh, its preview in "._photo.jpg".
  test::JpegRecipe recipe;
  recipe.Width = 200;
  recipe.Height = 100;
  const std::string photo = dir_.File("photo.jpg");
  ASSERT_TRUE(test::WriteBytes(photo, test::MakeJpeg(recipe)));
  PictBuilder preview(0, 0, 10, 20);
  preview.Direct32(20, 10, 4, 3, 0, 0, [](int, int) { return 0x00FF8000u; });
  ASSERT_TRUE(test::WriteBytes(AppleDoublePath(photo), test::AppleDoubleWithPreview(preview.Picture(false))));

  ImageObject image;
  ASSERT_TRUE(ReadImageHeader(image, photo));
  image.Size = {200, 100};
  BitmapPtr shown = MakePreview(image);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Width, 20);
  EXPECT_EQ(test::RgbAt(*shown, 5, 5), 0xFF8000u);

  // Without the importer the resource fork is not looked at.
  test::ScopedExtensions none(nullptr);
  ImageObject plain;
  ASSERT_TRUE(ReadImageHeader(plain, photo));
  plain.Size = {200, 100};
  shown = MakePreview(plain);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->Width, 200);
}

}  // namespace
}  // namespace tl
