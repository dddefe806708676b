// Recognising an image file: by its extension for EPS and EFF files, by its
// first bytes for JPEG, TIFF and Windows bitmaps.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

// 0 and the kind when the file is recognised, -1 otherwise (also when it
// cannot be opened).
int DetectFileKind(const std::string& path, uint32_t& kind);

// The extension of `path` (without the "."), empty when there is none. A
// "\" that is the trail byte of a double-byte character does not end the
// search, so such paths still find their extension.
std::string PathExtension(const std::string& path);

}  // namespace tl
