// The Preview element of a layout file: a 128 x 128 picture of the layout,
// JPEG-compressed and Base64-encoded.
#pragma once

#include <string>

#include "persistence/layout_preview.h"

namespace tl {

struct LayoutDocument;

// The preview text of `document`: what `renderer` draws, or a blank page in
// the paper colour without one (or when it fails). Empty when the picture
// cannot be made or compressed.
std::string LayoutPreviewText(const LayoutDocument& document, const LayoutPreviewRenderer& renderer);

}  // namespace tl
