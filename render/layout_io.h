// Layout files as the program reads and writes them once pages can be
// drawn: free texts are measured and free lines bounded while a file is
// read, and a saved file carries the page preview.
#pragma once

#include <string>

#include "document/layout_document.h"
#include "persistence/layout_reader.h"

namespace tl {

// `options` with the text and line measurements of the renderer filled in.
LayoutReadOptions RenderReadOptions(LayoutReadOptions options = {});

// LoadLayoutFile with RenderReadOptions.
DocumentPtr LoadRenderedLayoutFile(const std::string& path, LayoutReadOptions options = {});

// SaveLayoutFile with the page thumbnail as the file's preview. Needs a
// QGuiApplication (EnsureGuiApplication) for the drawing.
bool SaveLayoutFileWithPreview(const std::string& path, const LayoutDocument& document);

}  // namespace tl
