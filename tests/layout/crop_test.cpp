#include "layout/crop.h"

#include <gtest/gtest.h>

#include "layout/image_geometry.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::Described;
using fixtures::NewDocument;
using fixtures::RecordingServices;
using fixtures::RecordingSink;

ImageObject* AddPicture(LayoutDocument& d, uint16_t w, uint16_t h, int32_t resolution, bool selected = true) {
  ImageObject* image = AddBox(d, 1260, 1260);
  image->ImageDesc = Described(w, h, resolution);
  image->SizeMethod = kSizeRelative;
  image->SizeRelative = {kRelativeFull, kRelativeFull};
  image->Selected = selected;
  if (selected) {
    ++d.SelectedImageCount;
    if (!d.CurrentImage) d.CurrentImage = image;
  }
  return image;
}

TEST(CropRectFromPreview, ScalesToPicturePixelsAndNormalises) {
  EXPECT_EQ(CropRectFromPreview({80, 60, 20, 15}, {100, 75}, {4000, 3000}), (LRect{800, 600, 3200, 2400}));
  EXPECT_EQ(CropRectFromPreview({0, 0, 100, 75}, {100, 75}, {4000, 3000}), (LRect{0, 0, 4000, 3000}));
  EXPECT_TRUE(CropRectFromPreview({1, 1, 5, 5}, {0, 75}, {4000, 3000}).IsEmpty());
}

TEST(CropRefusal, RefusesWhatCannotBeCut) {
  const LSize picture = {4000, 3000};
  struct Case {
    const char* what;
    LRect kept;
    int32_t resolution;
    int message;
  } cases[] = {
      {"an ordinary crop", {100, 100, 2000, 1500}, 300, 0},
      {"the whole picture", {0, 0, 4000, 3000}, 300, 0},
      {"no width", {100, 100, 100, 1500}, 300, kCropEmptySide},
      {"no height", {100, 100, 900, 100}, 300, kCropEmptySide},
      {"beyond the right edge", {100, 100, 4001, 1500}, 300, kCropBeyondPicture},
      {"before the top edge", {100, -1, 900, 1500}, 300, kCropBeyondPicture},
      {"exactly 1:50", {0, 0, 2500, 50}, 300, 0},
      {"beyond 1:50", {0, 0, 2550, 50}, 300, kCropRatioTooLow},
      {"0.004 inch", {0, 0, 4, 4}, 1000, 0},
      {"below 0.004 inch", {0, 0, 3, 3}, 1000, kCropLengthTooShort},
      {"no resolution", {100, 100, 2000, 1500}, 0, kCropBadResolution},
      {"an absurd resolution", {100, 100, 2000, 1500}, 100000, kCropBadResolution},
  };
  for (const Case& c : cases) EXPECT_EQ(CropRefusal(c.kept, picture, c.resolution), c.message) << c.what;
}

TEST(ApplyCrop, CutsEverySelectedImageAndSizesItsBoxAgain) {
  DocumentPtr d = NewDocument();
  ImageObject* current = AddPicture(*d, 100, 100, 72);
  ImageObject* larger = AddPicture(*d, 200, 300, 72);
  ImageObject* untouched = AddPicture(*d, 100, 100, 72, false);
  RecordingServices services;

  ASSERT_TRUE(ApplyCrop(*d, {10, 10, 90, 90}, 72, kCropCut, services));
  EXPECT_EQ(current->CropMode, kCropCut);
  EXPECT_EQ(current->CropArea, (LRect{10, 10, 10, 10}));
  EXPECT_EQ(PictureExtent(*current, true), (LSize{400, 400}));
  EXPECT_EQ(current->Size, (LSize{400, 400}));
  // The same share of a picture of another size.
  EXPECT_EQ(larger->CropArea, (LRect{20, 30, 20, 30}));
  EXPECT_EQ(untouched->CropMode, kCropNone);
  EXPECT_EQ(services.recorded, std::vector<int16_t>{kChangeAddObject});
  EXPECT_EQ(services.labels, 2);
  EXPECT_EQ(d->Modified, 1);
  EXPECT_EQ(current->Origin.y, 45 + 1260 - 400);  // arranged in one row with the others
}

TEST(ApplyCrop, ACropOfATurnedPictureCutsTheMatchingSideOfTheFile) {
  DocumentPtr d = NewDocument();
  ImageObject* image = AddPicture(*d, 200, 100, 72);
  image->RotateFlip = kRotate90;  // shown 100 x 200: the file's bottom edge is on the left
  ASSERT_TRUE(ApplyCrop(*d, {20, 0, 100, 200}, 72, kCropCut));
  EXPECT_EQ(image->CropArea, (LRect{0, 0, 0, 20}));
  EXPECT_EQ(PictureExtent(*image, false), (LSize{80, 200}));
}

TEST(ApplyCrop, ARefusedCropShowsWhyAndChangesNothing) {
  DocumentPtr d = NewDocument();
  ImageObject* image = AddPicture(*d, 100, 100, 72);
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  RecordingServices services;
  EXPECT_FALSE(ApplyCrop(*d, {10, 10, 10, 90}, 72, kCropCut, services));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kCropEmptySide));
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(image->CropMode, kCropNone);
  EXPECT_TRUE(services.recorded.empty());

  image->Selected = 0;  // nothing to crop
  EXPECT_FALSE(ApplyCrop(*d, {10, 10, 90, 90}, 72, kCropCut));
}

TEST(ConfirmCropOverAutoCrop, AsksBeforeTurningAutoCropOff) {
  ImageObject image;
  image.SizeRatio = 0;
  image.SizeImageOption = kAutoCrop;
  UpdateEffectiveImageOption(image);
  RecordingSink sink;
  ScopedMessageSink scope(&sink);

  sink.answer = MessageAnswer::No;
  EXPECT_FALSE(ConfirmCropOverAutoCrop(image));
  EXPECT_EQ(image.SizeImageOption, kAutoCrop);

  sink.answer = MessageAnswer::Yes;
  EXPECT_TRUE(ConfirmCropOverAutoCrop(image));
  EXPECT_EQ(image.SizeImageOption, kImageOptionNone);
  EXPECT_EQ(image.EffectiveImageOption, kImageOptionNone);
  EXPECT_EQ(image.SizeRatio, 1);
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_TRUE(sink.Showed(kCropOverAutoCrop));
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::YesNo);

  EXPECT_TRUE(ConfirmCropOverAutoCrop(image));  // no longer AutoCropped: no question
  EXPECT_EQ(sink.shown.size(), 2u);
}

}  // namespace
}  // namespace tl
