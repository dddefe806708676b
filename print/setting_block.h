// The stored setting block: a driver state as text, one "name=value" line
// each under a first line that says what the text is. Reading ignores
// names it does not know and keeps the given state for missing ones.
#pragma once

#include <string>

#include "print/driver_extension.h"

namespace tl {

std::string WriteSettingBlock(const DriverState& state);
// False when `text` is not a setting block; `state` is then unchanged.
bool ReadSettingBlock(const std::string& text, DriverState& state);

}  // namespace tl
