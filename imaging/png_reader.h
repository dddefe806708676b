// The PNG reader of the extended-formats importer, over libpng: the facts
// of a file's header, its pixels at a wanted size and its ICC profile.
// Palette, gray, gray with alpha, RGB and RGBA pictures of every bit depth,
// interlaced or not, are read; the samples are taken as stored (no gamma
// correction), 16-bit ones scaled to 8 bits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"
#include "imaging/row_target.h"

namespace tl {

struct PngFacts {
  int32_t Width = 0;
  int32_t Height = 0;
  // Bits per pixel of the drawing: 1 for black-and-white, 8 for gray and
  // palette pictures, 24 for RGB, 32 whenever the picture has transparency
  // (an alpha channel or a transparent colour).
  int16_t Depth = 0;
  bool HasAlpha = false;
  int32_t XResolution = 0;  // whole dots per inch; 72 when the file gives none
  int32_t YResolution = 0;
  bool HasProfile = false;
};

// The signature every PNG file starts with.
constexpr size_t kPngSignatureBytes = 8;
bool IsPngSignature(const uint8_t (&head)[kPngSignatureBytes]);

// False when the file is not a PNG or its header does not read.
bool ReadPngFacts(const std::string& path, PngFacts& facts);

// The picture at `size`, 4 bytes a pixel: blue, green, red and the alpha
// (255 where there is no transparency; 0 for pictures without any), which
// `alpha` may clear or move into `mask`. Null with `message` 10417 (the
// file does not open), 10413 (memory, or the picture exceeds the decode
// limit) or 10401 (the data does not decode).
BitmapPtr DecodePngPixels(const std::string& path, LSize size, AlphaRows alpha, BitmapPtr& mask, int& message);

// The profile of the iCCP chunk; false when there is none or it does not
// decompress.
bool ReadPngProfile(const std::string& path, std::vector<uint8_t>& profile);

}  // namespace tl
