// Sorting the images of an automatic layout by a fact of their files or of
// their boxes, or reversing their order. Only images change places: free
// texts, free lines and the crop mark set keep their places in the list.
#pragma once

#include <cstdint>

#include "document/edit_services.h"
#include "document/layout_document.h"

namespace tl {

enum SortOrder : int16_t {
  kSortFileName = 1,
  kSortFolderName = 2,
  kSortCreationTime = 3,
  kSortLastWriteTime = 4,
  kSortWidth = 5,
  kSortHeight = 6,
  kSortFileKind = 8,
  kSortFileSize = 9,
  kSortBrightness = 10,
  kSortReverse = 12,
};

// The sort commands' enabled state: an automatic layout with at least two
// images whose selected images (if any) form one unbroken run of images.
bool SortEnabled(const LayoutDocument& document);

// Sorts the selected run of images, or every image when none is selected,
// stably by `order` (ascending), or reverses it. False when sorting is not
// enabled, the order is unknown or the undo snapshot failed.
bool SortImages(LayoutDocument& document, int16_t order, EditServices& services = NoEditServices());

}  // namespace tl
