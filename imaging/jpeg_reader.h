// The JPEG reader: header, colour space, pixels, embedded profile and
// thumbnail of JPEG files (and of the four-channel "EFF" variant, whose
// fourth channel is a mask), and the decoder for JPEG data in memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "imaging/decode_finish.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;

// Makes the 86-byte description of image.ImagePath: codec type ("jpeg" or
// "EFF "), pixel size, resolution, depth; reads maker, model, resolution
// and orientation from the Exif block; sets the has-embedded-profile flag,
// and the colour space "CMYK" for four-channel files. False when the
// library cannot read the header.
bool ReadJpegHeader(ImageObject& image);

// The colour space and bits per pixel named by the frame header of an open
// JPEG file; "RGB " with 24 bits when no frame header comes before the scan.
bool ReadJpegColorSpace(FILE* file, uint32_t& space, int16_t& bitsPerPixel);

// Decodes image.ImagePath scaled by 1/2, 1/4 or 1/8 when that still covers
// the requested width, resamples into the requested bounds and matches the
// colours; makes the mask of an "EFF" file when one is asked for.
BitmapPtr DecodeJpegFile(const ImageObject& image, const DecodeRequest& request, int& message);

// JPEG data in memory at its full size (thumbnails, EPS data); null when it
// does not decode or has more than `maxPixels` pixels.
BitmapPtr DecodeJpegMemory(const uint8_t* data, size_t size, int64_t maxPixels = OffscreenBitmap::kMaxPixels);

// Thumbnails are small; a bigger one in a thumbnail's place is refused.
inline constexpr int64_t kMaxThumbnailPixels = int64_t(4096) * 4096;

// The ICC profile split over the file's APP2 markers; false when the file
// has none or its pieces do not make a whole profile.
bool ReadJpegProfile(const ImageObject& image, std::vector<uint8_t>& profile);

// The camera's thumbnail: the Exif thumbnail, else the Photoshop one. Reads
// the Exif fields into the image on the way.
BitmapPtr ReadJpegThumbnail(ImageObject& image);

}  // namespace tl
