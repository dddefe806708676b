#include "layout/rotate_commands.h"

#include <gtest/gtest.h>

#include "layout/orientation.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::NewDocument;
using fixtures::RecordingServices;

void Select(LayoutDocument& d, LayoutObject* o) {
  o->Selected = 1;
  if (ImageObject* image = AsImage(o)) {
    ++d.SelectedImageCount;
    d.CurrentImage = image;
  } else {
    ++d.SelectedOtherCount;
  }
}

TEST(RotateSelectedImages, TurnsTheCurrentImageOrEverySelectedImage) {
  DocumentPtr d = NewDocument();
  ImageObject* a = AddBox(*d, 1000, 600);
  ImageObject* b = AddBox(*d, 1000, 600);
  ImageObject* c = AddBox(*d, 1000, 600);
  Select(*d, b);
  RecordingServices services;
  EXPECT_TRUE(RotateSelectedImages(*d, kTurnClockwise, services));
  EXPECT_EQ(b->RotateFlip, kRotate90);
  EXPECT_EQ(a->RotateFlip, 0);
  EXPECT_EQ(services.recorded, std::vector<int16_t>{kChangeImageGeometry});
  EXPECT_EQ(services.turns, (std::vector<std::pair<int16_t, int16_t>>{{0, kRotate90}}));
  EXPECT_EQ(services.labels, 1);
  EXPECT_EQ(d->Modified, 1);

  // With a free text selected too, every selected image is a target.
  Select(*d, c);
  Select(*d, FreeTextObjectNew(d.get(), &d->Objects));
  EXPECT_TRUE(RotateSelectedImages(*d, kMirrorHorizontal, services));
  EXPECT_EQ(b->RotateFlip, kRotate270 | kFlipHorizontal);
  EXPECT_EQ(c->RotateFlip, kFlipHorizontal);
  EXPECT_EQ(a->RotateFlip, 0);
}

TEST(RotateSelectedImages, ChangesNothingWhenNoTargetWouldChange) {
  DocumentPtr d = NewDocument();
  ImageObject* image = AddBox(*d, 1000, 600);
  RecordingServices services;
  EXPECT_FALSE(RotateSelectedImages(*d, kTurnClockwise, services));  // nothing selected
  EXPECT_TRUE(services.recorded.empty());

  Select(*d, image);
  EXPECT_FALSE(RotateSelectedImages(*d, kToOriginalDirection, services));
  EXPECT_EQ(d->Modified, 0);
  EXPECT_EQ(services.labels, 0);

  services.undoWorks = false;
  EXPECT_FALSE(RotateSelectedImages(*d, kTurnClockwise, services));
  EXPECT_EQ(image->RotateFlip, 0);
}

TEST(RotateSelectedImages, AFrameThatTurnsWithThePictureTurnsTheBox) {
  DocumentPtr d = NewDocument();
  d->Free = 1;
  ImageObject* image = AddBox(*d, 1000, 600);
  image->Origin = {500, 500};
  image->FrameRotation = 1;
  Select(*d, image);

  ASSERT_TRUE(RotateSelectedImages(*d, kTurnCounterClockwise));
  EXPECT_EQ(image->Size, (LSize{600, 1000}));
  EXPECT_EQ(image->Origin, (LPoint{700, 300}));  // same centre in free layout
  EXPECT_EQ(image->FrameRotate, kRotate270);

  ASSERT_TRUE(RotateSelectedImages(*d, kMirrorVertical));  // a mirror leaves the box
  EXPECT_EQ(image->Size, (LSize{600, 1000}));
  EXPECT_EQ(image->FrameRotate, kRotate270);

  ASSERT_TRUE(RotateSelectedImages(*d, kToOriginalDirection));
  EXPECT_EQ(image->RotateFlip, 0);
  EXPECT_EQ(image->FrameRotate, 0);
  EXPECT_EQ(image->Size, (LSize{1000, 600}));
  EXPECT_EQ(image->Origin, (LPoint{500, 500}));
}

TEST(RotateSelectedImages, WithoutFrameRotationTheBoxStaysAndTheFlowRuns) {
  DocumentPtr d = NewDocument();
  ImageObject* image = AddBox(*d, 1000, 600);
  Select(*d, image);
  ASSERT_TRUE(RotateSelectedImages(*d, kTurnClockwise));
  EXPECT_EQ(image->Size, (LSize{1000, 600}));
  EXPECT_EQ(image->Origin, (LPoint{45 + (2886 - 1000) / 2, 45}));  // arranged

  image->FrameRotation = 1;
  ASSERT_TRUE(RotateSelectedImages(*d, kTurnClockwise));
  EXPECT_EQ(image->Size, (LSize{600, 1000}));
  EXPECT_EQ(image->Origin, (LPoint{45 + (2886 - 600) / 2, 45}));  // flowed anew
}

TEST(ToggleRotateWithFrame, SwitchesOneImageAndMakesSeveralAgree) {
  DocumentPtr d = NewDocument();
  ImageObject* a = AddBox(*d, 500, 500);
  ImageObject* b = AddBox(*d, 500, 500);
  ImageObject* c = AddBox(*d, 500, 500);
  EXPECT_FALSE(ToggleRotateWithFrame(*d));

  Select(*d, b);
  EXPECT_EQ(RotateWithFrameMenuString(*d), kRotateWithFrameString);
  EXPECT_TRUE(ToggleRotateWithFrame(*d));
  EXPECT_EQ(b->FrameRotation, 1);
  EXPECT_EQ(RotateWithFrameMenuString(*d), kRotateWithoutFrameString);

  // A mixed selection takes the value of the first image that differs.
  Select(*d, a);
  Select(*d, c);
  EXPECT_TRUE(ToggleRotateWithFrame(*d));
  EXPECT_EQ(a->FrameRotation, 1);
  EXPECT_EQ(b->FrameRotation, 1);
  EXPECT_EQ(c->FrameRotation, 1);
  // An agreeing selection switches together.
  EXPECT_TRUE(ToggleRotateWithFrame(*d));
  EXPECT_EQ(a->FrameRotation + b->FrameRotation + c->FrameRotation, 0);
}

}  // namespace
}  // namespace tl
