#include "imaging/image_loader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "document/layout_object.h"
#include "document/message_box.h"
#include "imaging/image_codes.h"
#include "imaging/image_header.h"
#include "imaging/pixel_matcher.h"
#include "imaging/preview.h"
#include "tests/imaging/fixtures.h"

namespace tl {
namespace {

using test::ExifBuilder;
using test::JpegRecipe;

class FakeMatcher : public PixelMatcher {
 public:
  explicit FakeMatcher(bool succeed) : succeed_(succeed) {}
  bool MatchPixels(const ImageObject&, OffscreenBitmap& pixels, int purpose) override {
    purposes.push_back(purpose);
    if (succeed_) pixels.Row(0)[0] = 0xAB;
    return succeed_;
  }
  std::vector<int> purposes;

 private:
  bool succeed_;
};

class ImageLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { sink_ = std::make_unique<ScopedMessageSink>(&messages_); }
  std::string Write(const JpegRecipe& recipe, const char* name = "image.jpg") {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(test::WriteBytes(path, test::MakeJpeg(recipe)));
    return path;
  }

  test::TempFolder dir_;
  test::RecordingSink messages_;
  std::unique_ptr<ScopedMessageSink> sink_;
  ImageObject image_;
};

TEST_F(ImageLoaderTest, RequestIsTurnedAndCappedAtThePictureSize) {
  JpegRecipe recipe;
  recipe.Width = 80;
  recipe.Height = 40;
  ASSERT_TRUE(ReadImageHeader(image_, Write(recipe)));
  const LSize shown = {20, 40};  // a 90-degree turn shows it 40 x 80
  image_.RotateFlip = kRotate90;
  BitmapPtr pixels = LoadImagePixels(image_, kMatchNone, &shown, nullptr, nullptr);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->Width, 20);
  EXPECT_EQ(pixels->Height, 40);

  const LSize tooBig = {400, 400};
  image_.RotateFlip = 0;
  pixels = LoadImagePixels(image_, kMatchNone, &tooBig, nullptr, nullptr);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->Width, 80);
  EXPECT_EQ(pixels->Height, 40);
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(ImageLoaderTest, FailuresShowTheLoadsMessage) {
  ASSERT_TRUE(ReadImageHeader(image_, Write(JpegRecipe())));
  FakeMatcher failing(false);
  EXPECT_FALSE(LoadImagePixels(image_, kMatchScreen, nullptr, nullptr, &failing));
  EXPECT_EQ(failing.purposes, std::vector<int>{kMatchScreen});

  std::remove(image_.ImagePath.c_str());
  EXPECT_FALSE(LoadImagePixels(image_, kMatchNone, nullptr, nullptr, nullptr));

  image_.ImageDesc.SetCodecType(FourCC("????"));
  EXPECT_FALSE(LoadImagePixels(image_, kMatchNone, nullptr, nullptr, nullptr));
  EXPECT_EQ(messages_.texts, (std::vector<std::string>{"Missing application profiles.", "Failed to open file.",
                                                        "Not enough memory."}));
}

TEST_F(ImageLoaderTest, MatchingOnlyForAPurpose) {
  ASSERT_TRUE(ReadImageHeader(image_, Write(JpegRecipe())));
  FakeMatcher matcher(true);
  BitmapPtr raw = LoadImagePixels(image_, kMatchNone, nullptr, nullptr, &matcher);
  ASSERT_TRUE(raw);
  EXPECT_TRUE(matcher.purposes.empty());
  BitmapPtr matched = LoadImagePixels(image_, kMatchOutput, nullptr, nullptr, &matcher);
  ASSERT_TRUE(matched);
  EXPECT_EQ(matcher.purposes, std::vector<int>{kMatchOutput});
  EXPECT_EQ(matched->Row(0)[0], 0xAB);
}

TEST_F(ImageLoaderTest, PreviewPrefersTheExifThumbnail) {
  JpegRecipe thumb;
  thumb.Width = 32;
  thumb.Height = 24;
  ExifBuilder exif(false);
  exif.Thumbnail(test::MakeJpeg(thumb));
  JpegRecipe recipe;
  recipe.Width = 640;
  recipe.Height = 480;
  recipe.Markers.push_back({0xE1, exif.App1()});
  ASSERT_TRUE(ReadImageHeader(image_, Write(recipe)));
  image_.Size = {100, 75};
  image_.RotateFlip = kRotate270;
  BitmapPtr preview = MakePreview(image_);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->Width, 24);  // the thumbnail, turned
  EXPECT_EQ(preview->Height, 32);
}

TEST_F(ImageLoaderTest, PreviewWithoutThumbnailDecodesAtTheFrameSize) {
  JpegRecipe recipe;
  recipe.Width = 1200;
  recipe.Height = 800;
  recipe.Quality = 50;
  ASSERT_TRUE(ReadImageHeader(image_, Write(recipe)));
  image_.Size = {300, 200};
  BitmapPtr preview = MakePreview(image_);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->Width, 300);
  EXPECT_EQ(preview->Height, 200);

  // A cropped picture asks for enough pixels to show its part at that size.
  image_.CropMode = 1;
  image_.CropArea = {300, 0, 300, 400};  // the middle half across, the top half down
  EXPECT_EQ(PreviewRequestSize(image_), (LSize{600, 400}));
  // A frame larger than the picture asks for the picture itself.
  image_.CropMode = 0;
  image_.Size = {5000, 5000};
  EXPECT_EQ(PreviewRequestSize(image_), (LSize{1200, 800}));
  image_.RotateFlip = kRotate90;
  image_.Size = {200, 300};
  EXPECT_EQ(PreviewRequestSize(image_), (LSize{200, 300}));
}

TEST_F(ImageLoaderTest, BrightnessLeavesOutTheBorder) {
  // Bright border, dark middle: only the middle 70 % counts.
  BitmapPtr b = OffscreenBitmapNew(20, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) b->Row(y)[4 * x + 1] = (x >= 3 && x < 17 && y >= 1 && y < 9) ? 40 : 250;
  EXPECT_EQ(AverageBrightness(*b), 40);
  BitmapPtr one = OffscreenBitmapNew(1, 1);
  one->Row(0)[1] = 77;
  EXPECT_EQ(AverageBrightness(*one), 77);
}

TEST_F(ImageLoaderTest, EightBitPicturesOfGrayPixelsBecomeGray) {
  // An 8-bit palette bitmap with a gray palette is RGB until its preview shows it gray.
  test::BmpRecipe bmp;
  bmp.Bits = 8;
  bmp.Palette = {0x000000, 0x808080, 0xFFFFFF};
  bmp.Pixel = [](int x, int) { return uint32_t(x % 3); };
  const std::string path = dir_.File("gray.bmp");
  ASSERT_TRUE(test::WriteBytes(path, test::MakeBmp(bmp)));
  ASSERT_TRUE(ReadImageHeader(image_, path));
  EXPECT_EQ(image_.ColorSpace, kSpaceRgb);
  ASSERT_TRUE(MakePreview(image_));
  EXPECT_EQ(image_.ColorSpace, kSpaceGray);

  bmp.Palette[2] = 0xFF0000;
  ASSERT_TRUE(test::WriteBytes(path, test::MakeBmp(bmp)));
  ImageObject colour;
  ASSERT_TRUE(ReadImageHeader(colour, path));
  ASSERT_TRUE(MakePreview(colour));
  EXPECT_EQ(colour.ColorSpace, kSpaceRgb);

  // 24-bit pictures stay RGB even when every pixel is gray.
  JpegRecipe recipe;
  recipe.Pixel = [](int x, int, uint8_t* c) { c[0] = c[1] = c[2] = uint8_t(x); };
  ImageObject photo;
  ASSERT_TRUE(ReadImageHeader(photo, Write(recipe)));
  ASSERT_TRUE(MakePreview(photo));
  EXPECT_EQ(photo.ColorSpace, kSpaceRgb);
}

TEST_F(ImageLoaderTest, HeaderOfAFileThatCannotBeOpenedShowsTheSystemMessage) {
  // EPS files are known by their extension, so the open comes after the kind.
  EXPECT_FALSE(ReadImageHeader(image_, dir_.File("gone.eps")));
  EXPECT_EQ(messages_.texts, std::vector<std::string>{"No such file or directory"});
  // Unrecognised files are dropped without a word.
  EXPECT_FALSE(ReadImageHeader(image_, dir_.File("gone.jpg")));
  EXPECT_EQ(messages_.texts.size(), 1u);
}

}  // namespace
}  // namespace tl
