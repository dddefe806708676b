// LittleCMS's reference tools as test oracles: tificc converts a TIFF,
// transicc converts colour values (in floating point). The tests convert the
// same pixels through the program's chain and compare.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/offscreen_bitmap.h"

namespace tl::test {

// Whether a program of that name is on the PATH.
bool HaveTool(const char* name);

// Writes the RGB of a BGRX bitmap as an 8-bit RGB TIFF, with `icc` as its
// embedded profile when given.
bool WriteRgbTiff(const std::string& path, const OffscreenBitmap& bitmap, const std::vector<uint8_t>* icc = nullptr);
// The RGB bytes of an 8-bit RGB TIFF of the given size; empty on mismatch.
std::vector<uint8_t> ReadRgbTiff(const std::string& path, int32_t width, int32_t height);

// Runs tificc with `arguments` (already quoted) on `input` into `output`.
bool RunTificc(const std::string& arguments, const std::string& input, const std::string& output);

// Runs transicc (-n: no interactive prompts) on rows of values; each
// result row holds the output values as transicc prints them.
std::vector<std::vector<double>> RunTransicc(const std::string& arguments, const std::vector<std::vector<double>>& rows);

// The largest difference between the RGB of a BGRX bitmap and RGB bytes.
int LargestRgbDifference(const OffscreenBitmap& bitmap, const std::vector<uint8_t>& rgb);

std::string Quoted(const std::string& text);

}  // namespace tl::test
