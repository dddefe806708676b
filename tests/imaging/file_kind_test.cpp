#include "imaging/file_kind.h"

#include <gtest/gtest.h>

#include "imaging/image_codes.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::Bytes;

// A bitmap file header and 40 bytes of information header.
Bytes BitmapHead(uint32_t headerSize, uint16_t bitCount) {
  Bytes b(54, 0);
  b[0] = 'B', b[1] = 'M';
  b[14] = uint8_t(headerSize);
  b[28] = uint8_t(bitCount);
  return b;
}

TEST(DetectFileKind, RecognisesContentAndExtensions) {
  test::TempFolder dir;
  const struct {
    const char* name;
    Bytes content;
    int result;
    uint32_t kind;
  } cases[] = {
      {"photo.jpg", {0xFF, 0xD8, 0xFF, 0xE0}, 0, kKindJpeg},
      {"intel.tif", {'I', 'I', 42, 0}, 0, kKindTiff},
      {"motorola.tif", {'M', 'M', 0, 42}, 0, kKindTiff},
      {"mixed.tif", {'I', 'M', 42, 0}, -1, 0},
      // The extension decides for EPS and EFF; the content is not looked at.
      {"photo.eps", {'n', 'o', 't'}, 0, kKindEps},
      {"photo.EfF", {'I', 'I'}, 0, kKindEff},
      {"plain.bmp", BitmapHead(40, 24), 0, kKindBmp},
      {"core.bmp", BitmapHead(12, 8), 0, kKindBmp},
      {"v4.bmp", BitmapHead(108, 24), -1, 0},
      {"v5.bmp", BitmapHead(124, 8), -1, 0},
      {"alpha.bmp", BitmapHead(40, 32), -1, 0},
      {"short.bmp", {'B', 'M', 0}, -1, 0},
      {"text.jpg", {'h', 'e', 'l', 'l', 'o'}, -1, 0},
      {"empty.jpg", {}, -1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(test::WriteBytes(dir.File(c.name), c.content));
    uint32_t kind = 0;
    EXPECT_EQ(DetectFileKind(dir.File(c.name), kind), c.result);
    if (c.result == 0) {
      EXPECT_EQ(FourCCText(kind), FourCCText(c.kind));
    }
  }
  uint32_t kind = 0;
  EXPECT_EQ(DetectFileKind(dir.File("missing.jpg"), kind), -1);
}

TEST(PathExtension, FindsTheExtensionAfterTheLastSeparator) {
  EXPECT_EQ(PathExtension("/photos/a.b/picture.JPG"), "JPG");
  EXPECT_EQ(PathExtension("/photos/a.b/picture"), "");
  EXPECT_EQ(PathExtension("C:\\photos.old\\picture"), "");
  // 0x95 0x5C is one double-byte character: its "\" is no separator.
  EXPECT_EQ(PathExtension("C:\\a.\x95\\"), "\x95\\");
  // A plain "\" after a single-byte character still is.
  EXPECT_EQ(PathExtension("C:\\a.x\\b"), "");
}

}  // namespace
}  // namespace tl
