// The image information window's table: for each of the 26 image items a
// caption, the ":" column and the value, filled as far as the image has
// the item. The table is made from the image record alone, so an image
// whose file has gone still shows what was read from it.
#pragma once

#include <array>
#include <string>

#include "imaging/format_image_item.h"

namespace tl {

struct ImageObject;

struct InformationRow {
  std::string Caption;  // empty for the last row, the flash mode under "Flash"
  std::string Colon;    // ":" beside every caption
  std::string Value;    // empty where the image has no such item
};

using InformationTable = std::array<InformationRow, kImageItemCount>;

// The rows for `image`; without an image only the captions.
InformationTable ImageInformationRows(const ImageObject* image, const ProfileNames* profiles = nullptr);

}  // namespace tl
