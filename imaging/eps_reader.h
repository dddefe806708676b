// The EPS reader, for the EPS files Photoshop writes: the pixel data after
// "%ImageData:", the Photoshop resources after "%BeginPhotoshop:", the
// profile after "%%BeginICCProfile:" and the preview of a DOS EPS binary
// header.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/decode_finish.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;

// The seven numbers of the "%ImageData:" line, in the order they are kept
// after offset 86 of the 100-byte description.
struct EpsImageData {
  uint16_t Width = 0;
  uint16_t Height = 0;
  uint16_t BitsPerChannel = 0;
  uint16_t Channels = 0;
  uint16_t PadChannels = 0;
  uint16_t BlockBytes = 0;  // bytes of one channel's row
  uint16_t Encoding = 0;    // 1 binary, 2 hexadecimal, 3 and above JPEG in ASCII85
};

inline constexpr size_t kEpsImageDataOffset = 86;

// Makes the 100-byte description (codec type "raw "): pixel size, depth,
// the resolution of Photoshop resource 1005, the %ImageData numbers; sets
// the has-embedded-profile flag. False without the EPSF-3.0 line and the
// "%ImageData:" line with seven numbers.
bool ReadEpsHeader(ImageObject& image);

// The %ImageData numbers kept in an EPS description.
EpsImageData EpsImageDataOf(const ImageObject& image);

// The pixels, with the mask of the clipping path when one is asked for.
BitmapPtr DecodeEpsFile(const ImageObject& image, const DecodeRequest& request, int& message);

// The TIFF preview of a DOS EPS file, else the Photoshop thumbnail.
BitmapPtr ReadEpsPreview(const ImageObject& image);

bool ReadEpsProfile(const ImageObject& image, std::vector<uint8_t>& profile);

}  // namespace tl
