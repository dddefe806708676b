// Degrees to radians with the factor stored layouts were turned with
// (slightly short of pi / 180), so that turned texts and shortened line
// ends land where they always did.
#pragma once

namespace tl {

constexpr double kRadiansPerDegree = 0.01745327777777778;

}  // namespace tl
