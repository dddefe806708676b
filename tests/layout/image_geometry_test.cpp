#include "layout/image_geometry.h"

#include <gtest/gtest.h>

#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::Described;

ImageObject Picture(uint16_t width, uint16_t height, int32_t resolution = 300) {
  ImageObject image;
  image.ImageDesc = Described(width, height, resolution);
  return image;
}

TEST(PictureExtent, FollowsPixelsResolutionCropAndTurn) {
  struct Case {
    const char* what;
    uint16_t w, h;
    int32_t resolution;
    int16_t rotate;
    int16_t cropMode;
    LRect crop;
    bool physical;
    LSize extent;
  } cases[] = {
      {"physical size at 300 ppi", 3000, 2000, 300, 0, kCropNone, {}, true, {3600, 2400}},
      {"pixels", 3000, 2000, 300, 0, kCropNone, {}, false, {3000, 2000}},
      {"a quarter turn exchanges the sides", 3000, 2000, 300, kRotate90, kCropNone, {}, true, {2400, 3600}},
      {"so does three quarters", 3000, 2000, 300, kRotate270, kCropNone, {}, false, {2000, 3000}},
      {"half a turn and a mirror do not", 3000, 2000, 300, kRotate180 | kFlipHorizontal, kCropNone, {}, false,
       {3000, 2000}},
      {"ten pixels cut from each side", 100, 100, 72, 0, kCropCut, {10, 10, 10, 10}, true, {400, 400}},
      {"a crop that is only drawn takes nothing", 100, 100, 72, 0, kCropDrawFrame, {10, 10, 10, 10}, true, {500, 500}},
      {"cut before the turn", 300, 100, 72, kRotate90, kCropCut, {100, 0, 0, 20}, false, {80, 200}},
      {"no resolution counts as 72", 72, 144, 0, 0, kCropNone, {}, true, {360, 720}},
      {"150000 units is the longest side", 30000, 30001, 72, 0, kCropNone, {}, true, {150000, 0}},
      {"a crop larger than the picture leaves nothing", 100, 100, 72, 0, kCropCut, {80, 0, 80, 0}, false, {0, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImageObject image = Picture(c.w, c.h, c.resolution);
    image.RotateFlip = c.rotate;
    image.CropMode = c.cropMode;
    image.CropArea = c.crop;
    EXPECT_EQ(PictureExtent(image, c.physical), c.extent);
  }
}

TEST(ImageBoxSize, ComputesTheBoxForEverySizeSetting) {
  struct Case {
    const char* what;
    uint16_t w, h;
    int16_t method;
    int32_t relative;
    int32_t ratio;
    int16_t frame;
    int16_t option;
    LSize given;
    LSize box;  // {-1, -1}: invalid
  } cases[] = {
      {"relative 100 %", 3000, 2000, kSizeRelative, 1000, 0, kFrameNone, 0, {}, {3600, 2400}},
      {"relative 1000 % is beyond 30000", 3000, 2000, kSizeRelative, 10000, 0, kFrameNone, 0, {}, {-1, -1}},
      {"relative side of exactly 30000", 25000, 100, kSizeRelative, 1000, 0, kFrameNone, 0, {}, {30000, 120}},
      {"relative side of 30001", 25001, 100, kSizeRelative, 1000, 0, kFrameNone, 0, {}, {-1, -1}},
      {"landscape into a square", 3000, 2000, kSizeFixed, 0, 1, kFrameNone, 0, {1260, 1260}, {1260, 840}},
      {"portrait into a square", 2000, 3000, kSizeFixed, 0, 1, kFrameNone, 0, {1260, 1260}, {840, 1260}},
      {"a small picture grows to touch the box", 300, 200, kSizeFixed, 0, 1, kFrameAuto, 0, {1260, 1260},
       {1260, 840}},
      {"rounded to the nearest unit", 3, 2, kSizeFixed, 0, 1, kFrameNone, 0, {100, 100}, {100, 67}},
      {"nothing said about the fill keeps the ratio", 3000, 2000, kSizeFixed, 0, 0, kFrameNone, 0, {1260, 1260},
       {1260, 840}},
      {"a frame keeps the box", 3000, 2000, kSizeFixed, 0, 0, kFrameCustom, 0, {1260, 1260}, {1260, 1260}},
      {"a fitting rule keeps the box", 3000, 2000, kSizeFixed, 0, 0, kFrameNone, kAutoFit, {1260, 1260},
       {1260, 1260}},
      {"a side of 0", 3000, 2000, kSizeFixed, 0, 0, kFrameCustom, 0, {0, 1260}, {-1, -1}},
      {"a side of 150000", 3000, 2000, kSizeFixed, 0, 0, kFrameCustom, 0, {150000, 10}, {150000, 10}},
      {"a side of 150001", 3000, 2000, kSizeFixed, 0, 0, kFrameCustom, 0, {150001, 10}, {-1, -1}},
      {"a picture without pixels", 0, 0, kSizeFixed, 0, 1, kFrameNone, 0, {1260, 1260}, {-1, -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImageObject image = Picture(c.w, c.h);
    image.SizeMethod = c.method;
    image.SizeRelative = {c.relative, c.relative};
    image.SizeRatio = c.ratio;
    image.FrameSetting = c.frame;
    image.SizeImageOption = c.option;
    LSize box;
    EXPECT_EQ(ImageBoxSize(image, c.given.cx, c.given.cy, box), c.box.cx > 0);
    EXPECT_EQ(box, c.box);
  }
}

TEST(ImageGeometry, AnAutomaticFrameIsFivePercentOfTheSmallerSide) {
  ImageObject image = Picture(3000, 2000);
  image.Size = {1260, 840};
  image.FrameSetting = kFrameAuto;
  ApplyAutomaticFrame(image);
  EXPECT_EQ(image.FrameRect, (LRect{42, 42, 42, 42}));

  image.FrameSetting = kFrameCustom;
  image.FrameRect = {1, 2, 3, 4};
  ApplyAutomaticFrame(image);
  EXPECT_EQ(image.FrameRect, (LRect{1, 2, 3, 4}));
}

TEST(ImageGeometry, ResizingFollowsTheNewPicture) {
  // A box keeping the ratio is fitted again within a square of its longer side.
  ImageObject fitted = Picture(3000, 2000);
  fitted.Size = {1260, 840};
  fitted.CropMode = kCropCut;
  fitted.CropArea = {500, 0, 500, 0};  // now square
  EXPECT_TRUE(ResizeImageBox(fitted));
  EXPECT_EQ(fitted.Size, (LSize{1260, 1260}));

  // A relative box follows the physical extent.
  ImageObject relative = Picture(3000, 2000);
  relative.SizeMethod = kSizeRelative;
  relative.SizeRelative = {1000, 1000};
  relative.CropMode = kCropCut;
  relative.CropArea = {1000, 0, 0, 0};
  EXPECT_TRUE(ResizeImageBox(relative));
  EXPECT_EQ(relative.Size, (LSize{2400, 2400}));

  // A framed box without the ratio stays; an impossible one is kept.
  ImageObject framed = Picture(3000, 2000);
  framed.SizeRatio = 0;
  framed.FrameSetting = kFrameCustom;
  framed.Size = {700, 900};
  EXPECT_TRUE(ResizeImageBox(framed));
  EXPECT_EQ(framed.Size, (LSize{700, 900}));
  relative.CropArea = {3000, 0, 0, 0};
  EXPECT_FALSE(ResizeImageBox(relative));
  EXPECT_EQ(relative.Size, (LSize{2400, 2400}));
}

}  // namespace
}  // namespace tl
