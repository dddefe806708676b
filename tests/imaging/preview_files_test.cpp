#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "document/message_box.h"
#include "imaging/preview_jpeg.h"
#include "imaging/temporary_files.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

TEST(PreviewJpeg, RoundTripKeepsColoursAndOrientation) {
  BitmapPtr page = OffscreenBitmapNew(kPreviewJpegSide, kPreviewJpegSide);
  for (int y = 0; y < kPreviewJpegSide; ++y)
    for (int x = 0; x < kPreviewJpegSide; ++x) {
      uint8_t* p = page->Row(y) + 4 * x;
      const bool topLeft = x < 64 && y < 64;
      p[0] = topLeft ? 0 : 255;  // top-left quarter red, the rest white
      p[1] = topLeft ? 0 : 255;
      p[2] = 255;
    }
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(EncodePreviewJpeg(*page, jpeg));
  ASSERT_GT(jpeg.size(), 100u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  BitmapPtr back = DecodePreviewJpeg(jpeg.data(), jpeg.size());
  ASSERT_TRUE(back);
  ASSERT_EQ(back->Width, kPreviewJpegSide);
  const uint32_t red = test::RgbAt(*back, 10, 10), white = test::RgbAt(*back, 100, 100);
  EXPECT_GT(red >> 16, 240u);
  EXPECT_LT(red & 0xFF, 20u);
  EXPECT_GT(white & 0xFF, 240u);
  EXPECT_EQ(back->Row(50)[4 * 10 + 3], 0);

  EXPECT_FALSE(DecodePreviewJpeg(jpeg.data(), 10));
  // A picture of another size lands in the top-left corner.
  test::JpegRecipe small;
  small.Width = 40;
  small.Height = 20;
  const test::Bytes other = test::MakeJpeg(small);
  BitmapPtr corner = DecodePreviewJpeg(other.data(), other.size());
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->Width, kPreviewJpegSide);
  EXPECT_EQ(test::RgbAt(*corner, 100, 100), 0u);
}

TEST(CleanTemporaryFiles, RemovesOnlyTheTemporaryPreviews) {
  test::TempFolder dir;
  const std::vector<std::string> gone = {"ImageTmp1.jpg", "ImageTmp.jpg", "ImageTmp_42.jpg", "temppreview.jpg"};
  const std::vector<std::string> kept = {"Image.jpg", "ImageTmp1.png", "myImageTmp1.jpg", "temppreview.jpeg"};
  for (const auto& n : gone) ASSERT_TRUE(test::WriteBytes(dir.File(n), {1}));
  for (const auto& n : kept) ASSERT_TRUE(test::WriteBytes(dir.File(n), {1}));
  std::filesystem::create_directory(dir.File("ImageTmp2.jpg"));  // a folder is left alone
  CleanTemporaryFiles(dir.Path());
  for (const auto& n : gone) EXPECT_FALSE(std::filesystem::exists(dir.File(n))) << n;
  for (const auto& n : kept) EXPECT_TRUE(std::filesystem::exists(dir.File(n))) << n;
  EXPECT_TRUE(std::filesystem::exists(dir.File("ImageTmp2.jpg")));
  CleanTemporaryFiles(dir.File("no-such-folder"));
}

}  // namespace
}  // namespace tl
