// The Image Size dialog without its widgets: the box of one image, of
// several and of new images, by dimensions or ratio, the frame, the
// refusals, and OK without a change leaving everything as it was.
#include <gtest/gtest.h>

#include "document/undo_store.h"
#include "layout/image_geometry.h"
#include "layout/image_size_settings.h"
#include "layout/typed_length.h"
#include "layout/units.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::Described;
using fixtures::EditingTest;
using fixtures::NewDocument;

constexpr int kOutOfRange = 10410;

class ImageSizeDialog : public EditingTest {
 protected:
  ImageSizeDialog() { d->Free = 1; }

  // A picture of w x h pixels at `resolution` in a box of its own.
  ImageObject* Picture(uint16_t w, uint16_t h, int32_t resolution, LSize box, bool selected = true) {
    ImageObject* image = AddBox(*d, box.cx, box.cy);
    image->Owner = d.get();
    image->ImageDesc = Described(w, h, resolution);
    image->Selected = selected;
    if (selected) d->CurrentImage = image;
    RecountSelection(*d);
    return image;
  }

  bool Apply(ImageSizeValues& v, int& bad) { return ApplyImageSize(v, *d, bad); }

  DocumentPtr d = NewDocument();
};

TEST_F(ImageSizeDialog, RatioOfOneImageIsAShareOfItsPhysicalSize) {
  ImageObject* image = Picture(3000, 2000, 300, {1000, 700});
  ImageSizeValues v;
  ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
  v.Method = kSizeRelative;
  v.WidthPercent = v.HeightPercent = "100";
  int bad = -2;
  ASSERT_TRUE(Apply(v, bad));
  EXPECT_EQ(image->Size, (LSize{3600, 2400}));
  EXPECT_EQ(image->SizeMethod, kSizeRelative);
  EXPECT_EQ(image->SizeRelative, (LSize{1000, 1000}));
  EXPECT_EQ(image->EffectiveImageOption, kAutoFit);
  EXPECT_EQ(UndoChangeCode(*d), kUndoImageGeometry);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(image->Size, (LSize{1000, 700}));
  EXPECT_EQ(image->SizeMethod, kSizeFixed);
}

TEST_F(ImageSizeDialog, DimensionsOfOneImageAreTheBox) {
  ImageObject* image = Picture(3000, 2000, 300, {1000, 700});
  ImageSizeValues v;
  ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
  EXPECT_EQ(v.Width, LengthText(1000, kUnitMillimetre));
  v.Width = "100";
  v.Height = "150";
  v.FrameSetting = kFrameAuto;
  int bad = -2;
  ASSERT_TRUE(Apply(v, bad));
  EXPECT_EQ(image->Size, (LSize{1417, 2126}));
  EXPECT_EQ(image->SizeAbsolute, (LSize{1417, 2126}));
  EXPECT_EQ(image->FrameRect, (LRect{70, 70, 70, 70})) << "5 % of the smaller side";
}

TEST_F(ImageSizeDialog, SeveralImagesEachKeepTheirPicturesProportions) {
  ImageObject* wide = Picture(3000, 2000, 300, {1000, 700});
  ImageObject* tall = Picture(2000, 3000, 300, {700, 1000});
  ImageSizeValues v;
  ASSERT_TRUE(OpenImageSize(*d, kSizeSeveralImages, v));
  EXPECT_EQ(v.Width, LengthText(700, kUnitMillimetre)) << "the current image's values";
  v.Width = v.Height = LengthText(1260, kUnitMillimetre);
  v.Constrain = 1;
  int bad = -2;
  ASSERT_TRUE(Apply(v, bad));
  EXPECT_EQ(wide->Size, (LSize{1260, 840}));
  EXPECT_EQ(tall->Size, (LSize{840, 1260}));
}

TEST_F(ImageSizeDialog, TheDefaultsTakeTheBoxAndForgetTheSnapshot) {
  Picture(3000, 2000, 300, {1000, 700});
  ASSERT_TRUE(UndoRecord(*d, kUndoBackground));
  ImageSizeValues v;
  ASSERT_TRUE(OpenImageSize(*d, kSizeDefaults, v));
  EXPECT_EQ(v.Width, LengthText(kDefaultImageSide, kUnitMillimetre));
  v.Method = kSizeRelative;
  v.WidthPercent = v.HeightPercent = "50";
  v.ImageOption = kAutoCrop;
  int bad = -2;
  ASSERT_TRUE(Apply(v, bad));
  const ImageObject& m = *d->DefaultImageSettings;
  EXPECT_EQ(m.SizeMethod, kSizeRelative);
  EXPECT_EQ(m.SizeRelative, (LSize{500, 500}));
  EXPECT_EQ(m.SizeImageOption, kAutoCrop);
  EXPECT_EQ(m.Size, (LSize{kDefaultImageSide, kDefaultImageSide})) << "a second OK must not shrink the box again";
  EXPECT_FALSE(UndoAvailable(*d));
}

TEST_F(ImageSizeDialog, RefusalsNameTheirEditAndChangeNothing) {
  ImageObject* image = Picture(3000, 2000, 300, {1000, 700});
  struct Case {
    const char* what;
    std::function<void(ImageSizeValues&)> change;
    int bad;
  } cases[] = {
      {"a width below 141 units", [](ImageSizeValues& v) { v.Width = LengthText(140, v.Unit); }, kSizeWidthField},
      {"a height above 212598 units", [](ImageSizeValues& v) { v.Height = "16000"; }, kSizeHeightField},
      {"letters in the width", [](ImageSizeValues& v) { v.Width = "10cm"; }, kSizeWidthField},
      {"an empty height", [](ImageSizeValues& v) { v.Height = ""; }, kSizeHeightField},
      {"a ratio of 0", [](ImageSizeValues& v) { v.Method = kSizeRelative, v.WidthPercent = "0"; },
       kSizeWidthPercentField},
      {"a ratio that makes the box too large",
       [](ImageSizeValues& v) { v.Method = kSizeRelative, v.WidthPercent = v.HeightPercent = "1000"; },
       kSizeWidthPercentField},
      {"a negative frame width", [](ImageSizeValues& v) { v.FrameSetting = kFrameCustom, v.Frame[2] = "-1"; },
       kFrameRightField},
      {"a frame that leaves no picture",
       [](ImageSizeValues& v) { v.FrameSetting = kFrameCustom, v.Frame[0] = v.Frame[2] = "40"; }, kFrameLeftField},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImageSizeValues v;
    ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
    c.change(v);
    sink.shown.clear();
    int bad = -2;
    EXPECT_FALSE(Apply(v, bad));
    EXPECT_EQ(bad, c.bad);
    EXPECT_TRUE(sink.Showed(kOutOfRange));
    EXPECT_EQ(image->Size, (LSize{1000, 700}));
    EXPECT_FALSE(UndoAvailable(*d));
  }
}

TEST_F(ImageSizeDialog, OkWithoutAChangeKeepsEverything) {
  ImageObject* one = Picture(3000, 2000, 300, {1001, 667});
  one->FrameSetting = kFrameCustom;
  one->FrameRect = {11, 12, 13, 14};
  one->FrameColorValid = 1;
  one->FrameColor = MakeColor(1, 2, 3);
  one->SizeRelative = {333, 334};
  one->SizeImageOption = kAutoCrop;
  one->SizeRatio = 0;
  const ImageObject before = *one;
  for (int unit : {int(kUnitMillimetre), int(kUnitInch)}) {
    ImageSizeValues v;
    ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
    ChooseImageSizeUnit(v, unit);
    ChooseFrameUnit(v, unit);
    int bad = -2;
    ASSERT_TRUE(Apply(v, bad));
    EXPECT_EQ(one->Size, before.Size);
    EXPECT_EQ(one->FrameRect, before.FrameRect);
    EXPECT_EQ(one->SizeRelative, before.SizeRelative);
    EXPECT_EQ(one->SizeImageOption, before.SizeImageOption);
    EXPECT_EQ(one->FrameColor, before.FrameColor);
    EXPECT_EQ(one->SizeRatio, 0);
  }
  // A frame that was off keeps the band it had.
  one->FrameSetting = kFrameNone;
  ImageSizeValues v;
  ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
  int bad = -2;
  ASSERT_TRUE(Apply(v, bad));
  EXPECT_EQ(one->FrameRect, before.FrameRect);
  // Turning it off takes it away.
  one->FrameSetting = kFrameCustom;
  ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
  v.FrameSetting = kFrameNone;
  ASSERT_TRUE(Apply(v, bad));
  EXPECT_EQ(one->FrameRect, LRect{});
}

TEST_F(ImageSizeDialog, ConstrainedFieldsFollowThePicture) {
  Picture(3000, 2000, 300, {1000, 700});
  ImageSizeValues v;
  ASSERT_TRUE(OpenImageSize(*d, kSizeOneImage, v));
  ChooseImageSizeUnit(v, kUnitInch);
  v.Constrain = 1;
  v.Width = "6";
  KeepSizeProportions(v, kSizeWidthField);
  EXPECT_EQ(v.Height, "4");
  v.Height = "3";
  KeepSizeProportions(v, kSizeHeightField);
  EXPECT_EQ(v.Width, "4.500");
  v.WidthPercent = "50";
  KeepSizeProportions(v, kSizeWidthPercentField);
  EXPECT_EQ(v.HeightPercent, "50");
  v.Width = "oops";
  KeepSizeProportions(v, kSizeWidthField);
  EXPECT_EQ(v.Height, "3") << "nothing follows a text that is no number";
  v.Constrain = 0;
  v.Width = "1";
  KeepSizeProportions(v, kSizeWidthField);
  EXPECT_EQ(v.Height, "3") << "unconstrained sides are free";
}

TEST_F(ImageSizeDialog, NothingToShowWithoutASelectedImage) {
  Picture(3000, 2000, 300, {1000, 700}, false);
  ImageSizeValues v;
  EXPECT_FALSE(OpenImageSize(*d, kSizeOneImage, v));
  EXPECT_TRUE(OpenImageSize(*d, kSizeDefaults, v));
}

}  // namespace
}  // namespace tl
