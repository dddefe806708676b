// The selection commands of the Edit menu, and the selection counts every
// change of the selection keeps up to date.
#pragma once

#include <cstdint>
#include <string_view>

#include "document/layout_document.h"

namespace tl {

enum SelectMode : int16_t {
  kSelectAll = 1,             // images, free texts and free lines
  kSelectAllImages = 2,       // images only
  kSelectImagesInPage = 3,    // images on the pages of the selected images
  kSelectImagesInFolder = 4,  // images in the folders of the selected images
  kSelectFreeTexts = 5,
  kSelectFreeLines = 6,
  kSelectInverse = 7,
  kSelectNone = 8,
};

// Changes the selection as `mode` says, recounts it and repaints the view.
// True when any object's selection changed (always for kSelectInverse).
bool SelectObjects(LayoutDocument& document, int16_t mode);

// SelectedImageCount and SelectedOtherCount from the objects' flags.
void RecountSelection(LayoutDocument& document);

// Whether any object of the list is selected.
bool HasSelection(const LayoutDocument& document);

// The folder part of an image path: everything before the last separator
// (empty for a bare file name).
std::string_view FolderOf(std::string_view path);
// The file name part: everything after the last separator.
std::string_view FileNameOf(std::string_view path);

}  // namespace tl
