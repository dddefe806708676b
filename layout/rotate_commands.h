// The rotate and flip commands on the selected images of a document, and
// "Rotate Image With Frame", which decides whether the frame box turns
// with the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

// Menu texts of "Rotate Image With Frame".
constexpr int kRotateWithFrameString = 15019;
constexpr int kRotateWithoutFrameString = 15020;

// The images a command acts on: the current image when exactly one object
// is selected, else every selected image.
std::vector<ImageObject*> TargetImages(LayoutDocument& document);

// Applies a rotate or flip command (OrientationCommand) to the target
// images. A box whose frame turns with the picture exchanges its sides on
// quarter turns (keeping its centre in free layout). False when nothing
// changed or the undo snapshot could not be taken.
bool RotateSelectedImages(LayoutDocument& document, int16_t command, LayoutServices& services = NoLayoutServices());

// Switches FrameRotation: for one selected image its own value; several
// selected images are first given one value (that of the first image that
// differs from the others), and switched together when they already agree.
// False when no image is selected.
bool ToggleRotateWithFrame(LayoutDocument& document);

// The menu text the command shows for the current selection.
int RotateWithFrameMenuString(LayoutDocument& document);

}  // namespace tl
