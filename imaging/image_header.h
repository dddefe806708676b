// Reading an image file's header into an image object: what kind of file
// it is, its description (pixel size, resolution, depth), colour space,
// file size and dates, embedded profile and capture-matching level.
#pragma once

#include <string>

namespace tl {

struct ImageObject;

// Fills every image-source field of `image` (a freshly made image object)
// except the preview, its mask and the Exif fields only the preview reader
// sets. False means the image is not taken: the kind is not recognised, the
// file cannot be opened (its system message is shown), its header does not
// read, or it is a CMYK image (refused without a message).
bool ReadImageHeader(ImageObject& image, const std::string& path);

// Sets the colour space and bits per pixel from the description's codec
// type, reading the file where the codec needs it. False when the file's
// own header does not name a colour space (the fields are then left alone).
bool DetectColorSpace(ImageObject& image);

}  // namespace tl
