// The budgets of the fuzz targets, set by the targets only: the program
// keeps the readers' own limits and LittleCMS's own grid sizes.
//
// Pixels: the most pixels one decode may produce while fuzzing. A few bytes
// of a mutated header can claim a picture of the readers' full size, and
// decoding that takes far longer than reading any structure of the file; a
// 128 x 128 picture still has room for every tile, strip, block and
// interlace pass the readers know.
//
// Grid points: the grid LittleCMS samples a transform into. Its own choice
// (up to 33 points per input channel) costs tens of thousands of pipeline
// evaluations per transform, whatever the fuzzed profile holds.
#pragma once

#include <cstdint>

namespace tl::fuzz {

inline constexpr int64_t kFuzzPixelBudget = int64_t(128) * 128;
inline constexpr int kFuzzGridPoints = 5;

}  // namespace tl::fuzz
