// The "Automatic Rotation" dialog without its widgets: its six choices and
// what OK stores. The setting turns images added afterwards; images
// already placed keep their rotation.
#pragma once

#include <cstdint>

#include "document/layout_document.h"

namespace tl {

constexpr int kAutoRotationChoiceCount = 6;

// The string of the radio button for AutoRotation `mode` (0 ... 5).
int AutoRotationChoiceString(int mode);

// Stores the choice in the document (the active layout, or the application
// default layout when none is open). False for a mode that is no choice.
bool ApplyAutoRotation(LayoutDocument& document, int16_t mode);

}  // namespace tl
