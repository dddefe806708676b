// PackBits run-length data, as Photoshop composites and PICT pixel maps
// store their rows: a count byte n, then n + 1 literal bytes (n < 128) or
// one byte repeated 257 - n times (n > 128); 128 is a no-op. The 16-bit
// form of PICT's 16-bit pixel maps counts and repeats two-byte words.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tl {

// Unpacks exactly `outSize` bytes from the `inSize` bytes at `in`; `used`
// receives the input consumed. False when the input ends first or a run
// or literal would reach past the end of the output.
bool UnpackBits(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t& used);

// The same with runs and literals of two-byte words; `outSize` is in bytes
// and even.
bool UnpackWords(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t& used);

}  // namespace tl
