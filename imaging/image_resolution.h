// Resolutions as the image description keeps them: whole dots per inch,
// 72 when a file gives none, gives them in no physical unit, or gives 0.
#pragma once

#include <cstdint>

#include "document/image_desc.h"

namespace tl {

enum class ResolutionUnit { None, Inch, Centimetre };

inline constexpr int32_t kDefaultResolution = 72;

// Per inch the value truncated; per centimetre times 2.54, truncated.
int32_t DotsPerInch(double value, ResolutionUnit unit);

// Stores both resolutions; when either is not positive both become 72.
void SetDescResolution(ImageDescBlock& desc, double x, double y, ResolutionUnit unit);

}  // namespace tl
