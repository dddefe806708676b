// The crop dialog without its widgets: the part to keep shown in pixels,
// millimetres or inches, drawn and typed, its refusals with the edit each
// points at, and the question before AutoCrop goes.
#include <gtest/gtest.h>

#include "document/undo_store.h"
#include "layout/crop_settings.h"
#include "layout/image_geometry.h"
#include "layout/units.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::Described;
using fixtures::EditingTest;
using fixtures::NewDocument;

class CropDialog : public EditingTest {
 protected:
  CropDialog() {
    image = AddBox(*d, 1260, 840);
    image->Owner = d.get();
    image->ImageDesc = Described(400, 300, 100);
    image->Selected = 1;
    d->CurrentImage = image;
    RecountSelection(*d);
  }
  DocumentPtr d = NewDocument();
  ImageObject* image = nullptr;
};

TEST_F(CropDialog, OpensOnTheWholePictureOrItsCropAsShown) {
  CropValues v;
  ASSERT_TRUE(OpenCrop(*d, v));
  EXPECT_EQ(v.Picture, (LSize{400, 300}));
  EXPECT_EQ(v.Kept, (LRect{0, 0, 400, 300}));
  EXPECT_EQ(v.Resolution, "100") << "a picture never cropped is measured at its own resolution";
  EXPECT_EQ(v.Unit, kUnitInch);
  EXPECT_EQ(v.Texts, (std::array<std::string, 4>{"0", "0", "4", "3"}));

  image->CropMode = kCropCut;
  image->CropArea = {10, 20, 30, 40};  // cut from left, top, right, bottom
  image->RotateFlip = kRotate90;
  image->CropDialogResolution = 200;
  image->CropDialogUnit = kUnitPixels;
  ASSERT_TRUE(OpenCrop(*d, v));
  EXPECT_EQ(v.Picture, (LSize{300, 400}));
  // Turned clockwise, the file's bottom edge is the shown picture's left.
  EXPECT_EQ(v.Kept, (LRect{40, 10, 280, 370}));
  EXPECT_EQ(v.Resolution, "200");
  EXPECT_EQ(v.Texts, (std::array<std::string, 4>{"40", "10", "240", "360"}));

  image->Selected = 0;
  RecountSelection(*d);
  EXPECT_FALSE(OpenCrop(*d, v));
}

TEST_F(CropDialog, UnitsShowTheSameRectangle) {
  CropValues v;
  ASSERT_TRUE(OpenCrop(*d, v));
  SetCropRect(v, {50, 25, 250, 275});
  EXPECT_EQ(v.Texts, (std::array<std::string, 4>{"0.500", "0.250", "2", "2.500"}));
  ChooseCropUnit(v, kUnitMillimetre);
  EXPECT_EQ(v.Texts, (std::array<std::string, 4>{"12.70", "6.35", "50.80", "63.50"}));
  ChooseCropUnit(v, kUnitPixels);
  EXPECT_EQ(v.Texts, (std::array<std::string, 4>{"50", "25", "200", "250"}));
  v.Texts[2] = "100";
  ASSERT_TRUE(ReadCropTexts(v));
  EXPECT_EQ(v.Kept, (LRect{50, 25, 150, 275}));
  v.Texts[2] = "1OO";
  EXPECT_FALSE(ReadCropTexts(v));
  EXPECT_EQ(v.Kept, (LRect{50, 25, 150, 275})) << "the rectangle stays while an edit is no number";
}

TEST_F(CropDialog, ADrawnRectangleIsNormalisedAndKeptOnThePicture) {
  CropValues v;
  ASSERT_TRUE(OpenCrop(*d, v));
  SetCropRect(v, {300, 250, -20, 100});
  EXPECT_EQ(v.Kept, (LRect{0, 100, 300, 250}));
  SetCropRect(v, {350, 280, 500, 400});
  EXPECT_EQ(v.Kept, (LRect{350, 280, 400, 300}));
  v.Choice.FixedRatio = 1;
  SetCropRect(v, {0, 0, 200, 10});  // the ratio of 50 x 20 is kept
  EXPECT_EQ(v.Kept, (LRect{0, 0, 200, 80}));
  EXPECT_EQ(CropRectWithRatio({10, 10, 110, 20}, {4, 3}), (LRect{10, 10, 110, 85}));
}

TEST_F(CropDialog, RefusalsShowTheirMessageAndNameTheirEdit) {
  struct Case {
    const char* what;
    std::array<const char*, 4> texts;  // pixels
    const char* resolution;
    int message;
    int field;
  } cases[] = {
      {"no width", {"10", "10", "0", "100"}, "100", kCropEmptySide, kCropWidthField},
      {"no height", {"10", "10", "100", "0"}, "100", kCropEmptySide, kCropHeightField},
      {"letters", {"1x", "10", "100", "100"}, "100", kCropEmptySide, kCropXField},
      {"an empty edit", {"10", "", "100", "100"}, "100", kCropEmptySide, kCropYField},
      {"beyond the right edge", {"350", "10", "100", "100"}, "100", kCropBeyondPicture, kCropWidthField},
      {"a negative top", {"0", "-5", "100", "100"}, "100", kCropBeyondPicture, kCropYField},
      {"beyond 1:50", {"0", "0", "400", "7"}, "100", kCropRatioTooLow, kCropHeightField},
      {"below 0.004 inch", {"0", "0", "3", "3"}, "1000", kCropLengthTooShort, kCropWidthField},
      {"no resolution", {"0", "0", "100", "100"}, "0", kCropBadResolution, kCropResolutionField},
      {"a resolution of letters", {"0", "0", "100", "100"}, "dpi", kCropBadResolution, kCropResolutionField},
      {"a huge resolution", {"0", "0", "100", "100"}, "70000", kCropBadResolution, kCropResolutionField},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CropValues v;
    ASSERT_TRUE(OpenCrop(*d, v));
    ChooseCropUnit(v, kUnitPixels);
    for (int i = 0; i < 4; ++i) v.Texts[i] = c.texts[i];
    v.Resolution = c.resolution;
    sink.shown.clear();
    int bad = -2;
    EXPECT_FALSE(ApplyCropValues(v, *d, bad));
    EXPECT_EQ(bad, c.field);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, StringText(c.message));
    EXPECT_EQ(image->CropMode, kCropNone);
    EXPECT_FALSE(UndoAvailable(*d));
  }
}

TEST_F(CropDialog, AcceptedCropCutsThePictureAndKeepsTheDialogsChoices) {
  CropValues v;
  ASSERT_TRUE(OpenCrop(*d, v));
  ChooseCropUnit(v, kUnitMillimetre);
  SetCropRect(v, {100, 50, 300, 250});
  v.Choice.Mode = kCropDrawFrame;
  v.Choice.FrameColor = MakeColor(255, 0, 0);
  int bad = -2;
  ASSERT_TRUE(ApplyCropValues(v, *d, bad));
  EXPECT_EQ(image->CropArea, (LRect{100, 50, 100, 50}));
  EXPECT_EQ(image->CropMode, kCropDrawFrame);
  EXPECT_EQ(image->CropFrameColor, MakeColor(255, 0, 0));
  EXPECT_EQ(image->CropDialogUnit, kUnitMillimetre);
  EXPECT_EQ(image->CropDialogResolution, 100);
  EXPECT_EQ(UndoChangeCode(*d), kUndoAddObject);
}

TEST_F(CropDialog, AutoCropGoesOnlyWhenTheUserAgreesAndComesBackWithUndo) {
  image->SizeImageOption = kAutoCrop;
  image->EffectiveImageOption = kAutoCrop;
  image->SizeRatio = 0;
  CropValues v;
  ASSERT_TRUE(OpenCrop(*d, v));
  EXPECT_TRUE(v.AutoCropped);
  SetCropRect(v, {0, 0, 200, 200});
  sink.answer = MessageAnswer::No;
  int bad = -2;
  EXPECT_FALSE(ApplyCropValues(v, *d, bad));
  EXPECT_TRUE(sink.Showed(kCropOverAutoCrop));
  EXPECT_EQ(image->SizeImageOption, kAutoCrop);
  EXPECT_EQ(image->CropMode, kCropNone);

  sink.answer = MessageAnswer::Yes;
  sink.shown.clear();
  v.Texts[2] = "0";  // refused after the question: the answer is kept
  EXPECT_FALSE(ApplyCropValues(v, *d, bad));
  EXPECT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(image->SizeImageOption, kAutoCrop) << "nothing changes before the crop is accepted";
  SetCropRect(v, {0, 0, 200, 200});
  sink.shown.clear();
  ASSERT_TRUE(ApplyCropValues(v, *d, bad));
  EXPECT_TRUE(sink.shown.empty()) << "asked once";
  EXPECT_EQ(image->SizeImageOption, kImageOptionNone);
  EXPECT_EQ(image->SizeRatio, 1);
  EXPECT_EQ(image->CropMode, kCropCut);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(image->SizeImageOption, kAutoCrop);
  EXPECT_EQ(image->EffectiveImageOption, kAutoCrop);
  EXPECT_EQ(image->CropMode, kCropNone);
}

}  // namespace
}  // namespace tl
