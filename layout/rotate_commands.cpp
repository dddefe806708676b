#include "layout/rotate_commands.h"

#include <utility>

#include "layout/arrange.h"
#include "layout/orientation.h"

namespace tl {
namespace {

// The frame follows the turns of a command only; mirroring leaves the box.
int16_t TurnedFrame(int16_t frameRotate, int16_t command) {
  if (command == kToOriginalDirection) return 0;
  const Orientation turn = CommandOrientation(command);
  if (turn.flipped) return frameRotate;
  const Orientation frame = {OrientationOf(frameRotate).quarterTurns, false};
  return RotateFlipBits(Compose(frame, turn));
}

void TurnFrameBox(LayoutDocument& d, ImageObject& image, int16_t command) {
  const int16_t before = image.FrameRotate;
  image.FrameRotate = TurnedFrame(before, command);
  if (IsQuarterTurned(before) == IsQuarterTurned(image.FrameRotate)) return;
  const LSize old = image.Size;
  std::swap(image.Size.cx, image.Size.cy);
  if (d.Free) {
    // The turned box keeps its centre; automatic layout flows it anew.
    image.Origin.x = ClampCoordinate(int64_t(image.Origin.x) + old.cx / 2 - image.Size.cx / 2);
    image.Origin.y = ClampCoordinate(int64_t(image.Origin.y) + old.cy / 2 - image.Size.cy / 2);
  }
}

std::vector<ImageObject*> SelectedImages(LayoutDocument& d) {
  std::vector<ImageObject*> images;
  for (LayoutObject* o : d.Objects)
    if (ImageObject* image = AsImage(o); image && image->Selected) images.push_back(image);
  return images;
}

bool SingleSelection(const LayoutDocument& d) {
  return d.SelectedImageCount + d.SelectedOtherCount == 1 && d.CurrentImage;
}

}  // namespace

std::vector<ImageObject*> TargetImages(LayoutDocument& d) {
  if (SingleSelection(d)) return {d.CurrentImage};
  return SelectedImages(d);
}

bool RotateSelectedImages(LayoutDocument& d, int16_t command, LayoutServices& services) {
  const std::vector<ImageObject*> targets = TargetImages(d);
  if (targets.empty()) return false;
  if (!services.RecordUndo(d, kChangeImageGeometry)) return false;

  bool changed = false;
  for (ImageObject* image : targets) {
    const int16_t before = image->RotateFlip;
    const int16_t after = ApplyOrientationCommand(before, command);
    if (after == before) continue;
    services.TurnPreview(*image, before, after);
    image->RotateFlip = after;
    if (image->FrameRotation) TurnFrameBox(d, *image, command);
    services.ComposeLabel(*image);
    image->NeedsRedraw = 1;
    changed = true;
  }
  if (!changed) return false;
  ArrangeLayout(d);
  d.Modified = 1;
  return true;
}

bool ToggleRotateWithFrame(LayoutDocument& d) {
  std::vector<ImageObject*> images = SingleSelection(d) ? std::vector<ImageObject*>{d.CurrentImage} : SelectedImages(d);
  if (images.empty()) return false;

  int32_t value = !images.front()->FrameRotation;
  for (const ImageObject* image : images) {
    if (image->FrameRotation != images.front()->FrameRotation) {
      value = image->FrameRotation;  // a mixed selection is first made uniform
      break;
    }
  }
  for (ImageObject* image : images) image->FrameRotation = value;
  d.Modified = 1;
  return true;
}

int RotateWithFrameMenuString(LayoutDocument& d) {
  const std::vector<ImageObject*> images = TargetImages(d);
  const bool withFrame = !images.empty() && images.front()->FrameRotation;
  return withFrame ? kRotateWithoutFrameString : kRotateWithFrameString;
}

}  // namespace tl
