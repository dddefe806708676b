// Photoshop image resources: the "8BIM" blocks that Photoshop writes into
// JPEG files (APP13), TIFF files (tag 34377), EPS files and its own
// documents, and the thumbnail they may hold.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "imaging/offscreen_bitmap.h"

namespace tl {

class ByteSource;

struct PhotoshopResource {
  uint16_t Id = 0;
  std::string Name;
  uint64_t Offset = 0;  // of the data, in the walked source
  uint64_t Size = 0;
};

inline constexpr uint16_t kResourceResolution = 1005;
inline constexpr uint16_t kResourceThumbnailBgr = 1033;  // red and blue swapped
inline constexpr uint16_t kResourceThumbnail = 1036;
inline constexpr uint16_t kResourceIccProfile = 1039;
inline constexpr uint16_t kResourceFirstPath = 2000;
inline constexpr uint16_t kResourceLastPath = 2998;
inline constexpr uint16_t kResourceClippingPathName = 2999;

// Calls `visit` for each block, in order, until it returns false or the
// blocks are used up (a block that does not fit ends the walk).
void ForEachPhotoshopResource(const ByteSource& resources,
                              const std::function<bool(const PhotoshopResource&)>& visit);

// The thumbnail of resource 1036, or of 1033 with its red and blue bytes
// exchanged back; null when the blocks hold none that decodes.
BitmapPtr ReadPhotoshopThumbnail(const ByteSource& resources);

// Exchanges the blue and red bytes of every pixel.
void SwapRedBlue(OffscreenBitmap& bitmap);

}  // namespace tl
