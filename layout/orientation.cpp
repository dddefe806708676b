#include "layout/orientation.h"

#include <utility>

#include "layout/image_geometry.h"

namespace tl {
namespace {

constexpr int16_t kStateMask = kRotateMask | kFlipHorizontal;

int Wrap(int quarterTurns) { return ((quarterTurns % 4) + 4) % 4; }

// Exif orientation tags: 3/4 upside down, 6/7 turned a quarter clockwise,
// 5/8 a quarter counter-clockwise (the mirrored ones only turn).
int16_t ExifTurn(int16_t orientation) {
  switch (orientation) {
    case 3:
    case 4:
      return kTurnHalf;
    case 6:
    case 7:
      return kTurnClockwise;
    case 5:
    case 8:
      return kTurnCounterClockwise;
    default:
      return 0;
  }
}

}  // namespace

Orientation OrientationOf(int16_t rotateFlip) {
  int turns = 0;
  if (rotateFlip & kRotate90) turns += 1;
  if (rotateFlip & kRotate180) turns += 2;
  if (rotateFlip & kRotate270) turns += 3;
  return {Wrap(turns), (rotateFlip & kFlipHorizontal) != 0};
}

int16_t RotateFlipBits(Orientation o) {
  static constexpr int16_t kTurnBits[4] = {0, kRotate90, kRotate180, kRotate270};
  return int16_t(kTurnBits[Wrap(o.quarterTurns)] | (o.flipped ? kFlipHorizontal : 0));
}

Orientation Compose(Orientation first, Orientation then) {
  // A mirror reverses the sense of the turns made before it.
  const int carried = then.flipped ? -first.quarterTurns : first.quarterTurns;
  return {Wrap(then.quarterTurns + carried), first.flipped != then.flipped};
}

Orientation Inverse(Orientation o) {
  if (o.flipped) return o;  // a mirrored turn undoes itself
  return {Wrap(-o.quarterTurns), false};
}

Orientation CommandOrientation(int16_t command) {
  switch (command) {
    case kTurnClockwise:
      return {1, false};
    case kTurnHalf:
      return {2, false};
    case kTurnCounterClockwise:
      return {3, false};
    case kMirrorHorizontal:
      return {0, true};
    case kMirrorVertical:
      return {2, true};  // a vertical mirror is a horizontal one turned upside down
    default:
      return {};
  }
}

int16_t ApplyOrientationCommand(int16_t rotateFlip, int16_t command) {
  const int16_t kept = int16_t(rotateFlip & ~kStateMask);
  if (command == kToOriginalDirection) return kept;
  const Orientation now = Compose(OrientationOf(rotateFlip), CommandOrientation(command));
  return int16_t(kept | RotateFlipBits(now));
}

int16_t OrientationStep(int16_t from, int16_t to) {
  return RotateFlipBits(Compose(Inverse(OrientationOf(from)), OrientationOf(to)));
}

bool IsQuarterTurned(int16_t rotateFlip) { return OrientationOf(rotateFlip).quarterTurns % 2 == 1; }

LRect MapRect(Orientation o, const LRect& rect, LSize size) {
  LRect r = rect;
  if (o.flipped) r = {size.cx - rect.right, rect.top, size.cx - rect.left, rect.bottom};
  for (int i = 0; i < o.quarterTurns; ++i) {
    // A clockwise quarter turn: (x, y) goes to (height - y, x).
    r = {size.cy - r.bottom, r.left, size.cy - r.top, r.right};
    std::swap(size.cx, size.cy);
  }
  return r;
}

int16_t AutoRotationFor(const ImageObject& image, int16_t mode) {
  if (mode == kAutoRotationExif) return ExifTurn(image.Exif.Orientation);
  if (mode < kWidthwaysClockwise || mode > kLengthwaysCounterClockwise) return 0;

  const LSize shown = PictureExtent(image, false);
  if (shown.cx == shown.cy) return 0;
  const bool landscape = shown.cy < shown.cx;
  const bool wantsLandscape = mode == kWidthwaysClockwise || mode == kWidthwaysCounterClockwise;
  if (landscape == wantsLandscape) return 0;
  const bool clockwise = mode == kWidthwaysClockwise || mode == kLengthwaysClockwise;
  return clockwise ? kTurnClockwise : kTurnCounterClockwise;
}

}  // namespace tl
