// What the writer writes: for each group of a layout file, the elements in
// writing order with their value texts, computed from the records. The
// writer turns them into XML; `tessaline-cli show` prints them, so what a
// load produced can be compared with what a file said.
#pragma once

#include <string>
#include <vector>

#include "document/layout_document.h"
#include "persistence/layout_keys.h"
#include "persistence/layout_preview.h"
#include "persistence/profile_text.h"

namespace tl {

struct ElementText {
  LayoutKey Key;
  std::string Text;
};
using ElementTexts = std::vector<ElementText>;

// File version and platform the header names.
inline constexpr int kLayoutFileVersion = 1500;
inline constexpr int kPlatformWindows = 1;

// What one write carries from element to element.
struct ElementWriteState {
  std::string FilePath;            // absolute path of the file written
  std::string CurrentImageFolder;  // the folder the last folder element named
  LayoutPreviewRenderer Renderer;  // draws Preview; none: a blank page
  bool WithPreview = true;         // false: Preview is left out
  ProfileTextCache Profiles;
};

ElementTexts HeaderElementTexts(int platform = kPlatformWindows);

// False when a field holds a value for which its element has no word (the
// save fails then).
bool LayoutElementTexts(const LayoutDocument& document, ElementWriteState& state, ElementTexts& texts);

// The elements of one object. An image's folder element depends on the
// image written before it, through state.CurrentImageFolder. False as
// above, and for an image without a file name.
bool ImageElementTexts(const LayoutDocument& document, const ImageObject& image, ElementWriteState& state,
                       ElementTexts& texts);
bool FreeTextElementTexts(const FreeTextObject& text, ElementTexts& texts);
bool FreeLineElementTexts(const FreeLineObject& line, ElementTexts& texts);

// Whether the object list is written: for live documents, unless a
// template is saved without its arranged images.
bool WritesObjects(const LayoutDocument& document);
// Whether an object gives an element: images, free lines, and free texts
// that hold a text.
bool WritesObject(const LayoutObject& object);

}  // namespace tl
