// The orientation of a picture: the Rotate and Flip bits of an image
// object, how the rotate and flip commands compose with them, and the
// automatic rotation of new images.
//
// A stored state means: mirror the file's picture horizontally when the
// flip bit is set, then turn it clockwise by the rotation bits. Every state
// this file produces is one of the eight valid ones (no turn, 90, 180 or
// 270 degrees, each with or without the flip bit); bit 4 (the Exif
// orientation bookkeeping of the image readers) is carried through
// unchanged.
#pragma once

#include <cstdint>

#include "document/geometry.h"
#include "document/layout_object.h"

namespace tl {

// Codes of the rotate and flip commands; the turns double as the rotation
// codes of AutoRotationFor.
enum OrientationCommand : int16_t {
  kToOriginalDirection = 0,
  kTurnClockwise = 1,         // "90 deg. CW"
  kTurnHalf = 2,              // "180 deg."
  kTurnCounterClockwise = 4,  // "90 deg. CCW"
  kMirrorHorizontal = 8,      // "Flip Horizontal"
  kMirrorVertical = 16,       // "Flip Vertical"
};

struct Orientation {
  int quarterTurns = 0;  // clockwise, 0..3
  bool flipped = false;  // mirrored horizontally before turning

  friend bool operator==(const Orientation&, const Orientation&) = default;
};

// The orientation that Rotate and Flip bits stand for. Bits that break the
// one-turn rule (from a damaged file) count as the sum of their turns.
Orientation OrientationOf(int16_t rotateFlip);
// The Rotate and Flip bits (bits 0-3) of an orientation.
int16_t RotateFlipBits(Orientation orientation);

// `first`, then `then`.
Orientation Compose(Orientation first, Orientation then);
Orientation Inverse(Orientation orientation);
// What a command does to a picture as it is shown.
Orientation CommandOrientation(int16_t command);

// The state after a rotate or flip command on a picture in `rotateFlip`;
// kToOriginalDirection clears the turn and the flip.
int16_t ApplyOrientationCommand(int16_t rotateFlip, int16_t command);

// The move that brings a picture shown in state `from` to state `to`, as
// Rotate and Flip bits (what a preview bitmap has to undergo).
int16_t OrientationStep(int16_t from, int16_t to);

// True when the state turns the picture by 90 or 270 degrees.
bool IsQuarterTurned(int16_t rotateFlip);

// A rectangle of a picture of `size` as it lies after `orientation` (the
// size of that picture has its sides exchanged for quarter turns).
LRect MapRect(Orientation orientation, const LRect& rect, LSize size);

// AutoRotation modes.
enum AutoRotationMode : int16_t {
  kAutoRotationOff = 0,
  kAutoRotationExif = 1,
  kWidthwaysClockwise = 2,
  kWidthwaysCounterClockwise = 3,
  kLengthwaysClockwise = 4,
  kLengthwaysCounterClockwise = 5,
};

// The turn that automatic rotation gives an image: kTurnClockwise,
// kTurnHalf, kTurnCounterClockwise, or 0 for none. The shape is the
// picture's as it is shown (cropped and turned).
int16_t AutoRotationFor(const ImageObject& image, int16_t mode);

}  // namespace tl
