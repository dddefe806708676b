// The TIFF reader: header, colour space, pixels (with the mask of RGBA
// files), embedded profile and thumbnail of TIFF files, and the decoder for
// uncompressed TIFF data in memory (EPS previews). Every compression, tile
// layout and planar configuration libtiff decodes is read.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/decode_finish.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;

// Makes the 86-byte description of image.ImagePath (codec type "tiff") and
// sets the has-embedded-profile flag. False for photometric
// interpretations other than 0, 1, 2, 3, 5 and 6, more than four samples,
// or a compression libtiff cannot decode.
bool ReadTiffHeader(ImageObject& image);

// The colour space named by the photometric tag of the first directory;
// true with `space` left alone when the directory has no such tag.
bool ReadTiffColorSpace(const ImageObject& image, uint32_t& space);

BitmapPtr DecodeTiffFile(const ImageObject& image, const DecodeRequest& request, int& message);

// Uncompressed TIFF data in memory at its full size, without a mask.
BitmapPtr DecodeTiffMemory(const uint8_t* data, size_t size);

bool ReadTiffProfile(const ImageObject& image, std::vector<uint8_t>& profile);

// The thumbnail the file's Exif structure holds; reads the Exif fields into
// the image on the way.
BitmapPtr ReadTiffThumbnail(ImageObject& image);

}  // namespace tl
