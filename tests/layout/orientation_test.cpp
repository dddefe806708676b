#include "layout/orientation.h"

#include <gtest/gtest.h>

#include <array>

#include "layout/image_geometry.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

// Orientations as 2 x 2 matrices on screen coordinates (y down): a
// clockwise quarter turn takes (x, y) to (-y, x), a horizontal mirror
// (x, y) to (-x, y). A state is its mirror followed by its turns.
using Matrix = std::array<int, 4>;

Matrix Times(const Matrix& a, const Matrix& b) {
  return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
          a[2] * b[1] + a[3] * b[3]};
}

constexpr Matrix kIdentity = {1, 0, 0, 1};
constexpr Matrix kQuarter = {0, -1, 1, 0};
constexpr Matrix kMirror = {-1, 0, 0, 1};

Matrix MatrixOf(int16_t rotateFlip) {
  const Orientation o = OrientationOf(rotateFlip);
  Matrix m = o.flipped ? kMirror : kIdentity;
  for (int i = 0; i < o.quarterTurns; ++i) m = Times(kQuarter, m);
  return m;
}

Matrix CommandMatrix(int16_t command) {
  switch (command) {
    case kTurnClockwise:
      return kQuarter;
    case kTurnHalf:
      return Times(kQuarter, kQuarter);
    case kTurnCounterClockwise:
      return Times(kQuarter, Times(kQuarter, kQuarter));
    case kMirrorHorizontal:
      return kMirror;
    default:
      return {1, 0, 0, -1};  // vertical mirror
  }
}

const int16_t kStates[] = {0, kRotate90, kRotate180, kRotate270, kFlipHorizontal, kRotate90 | kFlipHorizontal,
                           kRotate180 | kFlipHorizontal, kRotate270 | kFlipHorizontal};
const int16_t kCommands[] = {kTurnClockwise, kTurnHalf, kTurnCounterClockwise, kMirrorHorizontal, kMirrorVertical};

bool IsValidState(int16_t bits) {
  const int turns = bits & kRotateMask;
  return (bits & ~(kRotateMask | kFlipHorizontal)) == 0 && (turns == 0 || turns == kRotate90 ||
                                                             turns == kRotate180 || turns == kRotate270);
}

TEST(Orientation, EveryCommandOnEveryStateIsTheCommandAfterTheState) {
  for (const int16_t state : kStates) {
    for (const int16_t command : kCommands) {
      SCOPED_TRACE(::testing::Message() << "state " << state << " command " << command);
      const int16_t after = ApplyOrientationCommand(state, command);
      EXPECT_TRUE(IsValidState(after)) << after;
      EXPECT_EQ(MatrixOf(after), Times(CommandMatrix(command), MatrixOf(state)));
    }
    EXPECT_EQ(ApplyOrientationCommand(state, kToOriginalDirection), 0);
  }
}

TEST(Orientation, AStepLeadsFromEachStateToEachOther) {
  for (const int16_t from : kStates)
    for (const int16_t to : kStates) {
      const int16_t step = OrientationStep(from, to);
      EXPECT_TRUE(IsValidState(step));
      EXPECT_EQ(Times(MatrixOf(step), MatrixOf(from)), MatrixOf(to)) << from << " -> " << to;
    }
}

TEST(Orientation, KeepsTheExifBitAndReadsDamagedTurnBits) {
  EXPECT_EQ(ApplyOrientationCommand(kExifOrientationApplied | kRotate90, kTurnClockwise),
            kExifOrientationApplied | kRotate180);
  EXPECT_EQ(ApplyOrientationCommand(kExifOrientationApplied | kRotate180, kToOriginalDirection),
            kExifOrientationApplied);
  // Two turn bits at once (never written, but a file may carry them) count
  // as the sum of their turns.
  EXPECT_EQ(OrientationOf(kRotate90 | kRotate270), (Orientation{0, false}));
  EXPECT_EQ(ApplyOrientationCommand(kRotate90 | kRotate180, kTurnClockwise), 0);
  EXPECT_FALSE(IsQuarterTurned(kRotate90 | kRotate270));
}

TEST(Orientation, MapsRectanglesOfAPictureAsItTurns) {
  const LSize size = {10, 4};
  const LRect topLeft = {0, 0, 2, 1};
  // Turned clockwise the top-left corner goes to the top-right.
  EXPECT_EQ(MapRect({1, false}, topLeft, size), (LRect{3, 0, 4, 2}));
  EXPECT_EQ(MapRect({0, true}, topLeft, size), (LRect{8, 0, 10, 1}));
  EXPECT_EQ(MapRect({2, false}, topLeft, size), (LRect{8, 3, 10, 4}));
  for (const int16_t state : kStates) {
    const Orientation o = OrientationOf(state);
    const LSize turned = o.quarterTurns % 2 ? LSize{size.cy, size.cx} : size;
    const LRect r = {1, 1, 7, 3};
    EXPECT_EQ(MapRect(Inverse(o), MapRect(o, r, size), turned), r) << state;
  }
}

TEST(AutoRotationFor, TurnsTheShapeTheModeWants) {
  struct Case {
    int16_t mode;
    uint16_t w, h;
    int16_t turn;
  } cases[] = {
      {kAutoRotationOff, 2000, 3000, 0},
      {kWidthwaysClockwise, 2000, 3000, kTurnClockwise},
      {kWidthwaysCounterClockwise, 2000, 3000, kTurnCounterClockwise},
      {kWidthwaysClockwise, 3000, 2000, 0},
      {kLengthwaysClockwise, 3000, 2000, kTurnClockwise},
      {kLengthwaysCounterClockwise, 3000, 2000, kTurnCounterClockwise},
      {kLengthwaysClockwise, 2000, 3000, 0},
      {kWidthwaysClockwise, 2000, 2000, 0},
      {kLengthwaysCounterClockwise, 2000, 2000, 0},
      {9, 2000, 3000, 0},
  };
  for (const Case& c : cases) {
    ImageObject image;
    image.ImageDesc = fixtures::Described(c.w, c.h);
    EXPECT_EQ(AutoRotationFor(image, c.mode), c.turn) << c.mode << " " << c.w << "x" << c.h;
  }
}

TEST(AutoRotationFor, LooksAtThePictureAsShown) {
  ImageObject image;
  image.ImageDesc = fixtures::Described(3000, 2000);
  image.CropMode = kCropCut;
  image.CropArea = {1000, 0, 1000, 0};  // a portrait part of a landscape picture
  EXPECT_EQ(AutoRotationFor(image, kWidthwaysClockwise), kTurnClockwise);
  image.CropMode = kCropDrawFrame;  // only drawn: the picture stays landscape
  EXPECT_EQ(AutoRotationFor(image, kWidthwaysClockwise), 0);
  image.RotateFlip = kRotate90;  // already turned upright
  EXPECT_EQ(AutoRotationFor(image, kWidthwaysClockwise), kTurnClockwise);
}

TEST(AutoRotationFor, ReadsTheExifOrientation) {
  const int16_t turns[] = {0, 0, 0, kTurnHalf, kTurnHalf, kTurnCounterClockwise, kTurnClockwise, kTurnClockwise,
                           kTurnCounterClockwise, 0};
  for (int16_t tag = 0; tag <= 9; ++tag) {
    ImageObject image;
    image.ImageDesc = fixtures::Described(3000, 2000);
    image.Exif.Orientation = tag;
    EXPECT_EQ(AutoRotationFor(image, kAutoRotationExif), turns[tag]) << tag;
  }
}

}  // namespace
}  // namespace tl
