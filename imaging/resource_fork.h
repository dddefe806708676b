// The picture preview of a Macintosh file: the "PICT" resource with id 1
// of its resource fork. A file copied from a Macintosh to this system
// keeps its resource fork in an AppleDouble companion named "._" plus the
// file's name, in the same folder; that is where it is looked for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

class ByteSource;

// The data of the resource `type`/`id` in a resource fork; false when the
// fork has none or its maps do not read.
bool FindResource(const ByteSource& fork, uint32_t type, int16_t id, std::vector<uint8_t>& data);

// The resource fork entry of an AppleDouble (or AppleSingle) file.
bool FindResourceFork(const ByteSource& appleDouble, uint64_t& offset, uint64_t& length);

// The companion file that holds the resource fork of `path`.
std::string AppleDoublePath(const std::string& path);

// The picture bytes of the preview of `path`; false when it has none.
bool ReadPreviewPicture(const std::string& path, std::vector<uint8_t>& picture);

}  // namespace tl
