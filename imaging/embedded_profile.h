// The ICC profile an image file carries, for the colour layer.
#pragma once

#include <cstdint>
#include <vector>

namespace tl {

struct ImageObject;

// The embedded profile of the image's file, by its kind (JPEG, TIFF, EPS,
// or through the extended-formats importer). False when the file has none;
// a gray image never has one.
bool ReadEmbeddedProfile(const ImageObject& image, std::vector<uint8_t>& profile);

}  // namespace tl
