// The Photoshop reader of the extended-formats importer: documents (and
// large documents) read from their merged composite image, raw or
// PackBits-packed, 8 or 16 bits a sample, in bitmap, gray, indexed, RGB,
// multichannel, duotone and Lab modes, with the transparency of the
// composite; the image resources give the resolution, the thumbnail and
// the ICC profile. CMYK documents are described but not drawn (they are
// refused as every CMYK image is).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "imaging/offscreen_bitmap.h"
#include "imaging/row_target.h"

namespace tl {

class ByteSource;

// Colour modes of the header.
enum PhotoshopMode : uint16_t {
  kPsdBitmap = 0,
  kPsdGray = 1,
  kPsdIndexed = 2,
  kPsdRgb = 3,
  kPsdCmyk = 4,
  kPsdMultichannel = 7,
  kPsdDuotone = 8,
  kPsdLab = 9,
};

struct PhotoshopHeader {
  uint16_t Version = 0;  // 1 document, 2 large document
  uint16_t Channels = 0;
  uint32_t Height = 0;
  uint32_t Width = 0;
  uint16_t Depth = 0;  // bits per sample
  uint16_t Mode = 0;
};

// Where the sections of a document lie, and what the header and the layer
// section say.
struct PhotoshopLayout {
  PhotoshopHeader Header;
  uint64_t ColorModeOffset = 0, ColorModeSize = 0;
  uint64_t ResourcesOffset = 0, ResourcesSize = 0;
  // A negative layer count says that the composite's first extra channel
  // holds its transparency.
  int16_t LayerCount = 0;
  uint64_t ImageDataOffset = 0;
};

// True when `file` starts with the document signature.
bool HasPhotoshopSignature(const ByteSource& file);

// Reads the 26-byte header and finds the sections; false when the file is
// not a document or a section length runs past its end.
bool ReadPhotoshopLayout(const ByteSource& file, PhotoshopLayout& layout);

// The colour space and bits per pixel (channels x depth) by the colour
// mode; false for modes that have neither.
bool PhotoshopColorSpace(const PhotoshopHeader& header, uint32_t& space, int16_t& bitsPerPixel);

// Whether the composite carries transparency that the drawing keeps.
bool PhotoshopHasTransparency(const PhotoshopLayout& layout);

// Bits per pixel of the drawing: 1 bitmap, 8 gray and indexed, 24 colour,
// 32 with transparency.
int16_t PhotoshopDrawingDepth(const PhotoshopLayout& layout);

// Whole dots per inch from resource 1005; 72 when it is missing.
void PhotoshopResolution(const ByteSource& file, const PhotoshopLayout& layout, int32_t& x, int32_t& y);

// The composite at `size`, 4 bytes a pixel: blue, green, red and the
// alpha (0 without transparency), which `alpha` may clear or move into
// `mask`. Null with `message` 10401 (unsupported mode, depth or
// compression, bad data), 10413 (memory or the decode limit).
BitmapPtr DecodePhotoshopPixels(const ByteSource& file, const PhotoshopLayout& layout, LSize size, AlphaRows alpha,
                                BitmapPtr& mask, int& message);

// Resource 1039; false when the document has none.
bool ReadPhotoshopProfile(const ByteSource& file, const PhotoshopLayout& layout, std::vector<uint8_t>& profile);

}  // namespace tl
