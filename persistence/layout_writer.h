// SaveLayoutFile: writes a layout document (or, with SavingTemplate set, a
// layout template) as an XML layout file.
#pragma once

#include <string>

#include "persistence/layout_preview.h"

namespace tl {

struct LayoutDocument;

// Writes `document` to `path`, replacing the file only once the new one is
// complete. False, with the old file untouched and nothing shown, when a
// field holds a value its element has no word for, when an image has no
// file name, or when the file cannot be written. `renderer` draws the
// preview; without one it is a blank page. The document is not changed.
bool SaveLayoutFile(const std::string& path, const LayoutDocument& document,
                    const LayoutPreviewRenderer& renderer = {});

// The XML text SaveLayoutFile would write; false in the same cases, short
// of writing.
bool LayoutFileText(const std::string& path, const LayoutDocument& document, const LayoutPreviewRenderer& renderer,
                    std::string& xml);

}  // namespace tl
