// Image folders in layout files: the folder an image path is stored under,
// folders relative to the layout file ("./../Photos/2004/") and their
// resolution, and the joining of a folder with a file name. Paths are
// native ("/"); folders written with "\" by other systems are read too.
// Every folder these give is normal: no "." or ".." parts.
#pragma once

#include <string>
#include <string_view>

namespace tl {

inline bool IsFolderSeparator(char c) { return c == '/' || c == '\\'; }

// The absolute folder of an image path without a final separator ("/" for
// the root); empty when the path has no file name part.
std::string ImageFolderOf(const std::string& imagePath);

// The file name part of a path (after its last separator of either kind).
std::string FileNamePart(std::string_view path);

// `folder` (ending with a separator) relative to the folder of the layout
// file `layoutPath`: "./", one "../" per folder to climb, then the rest of
// `folder` with "/" separators. Empty when the two share no folder at all.
std::string MakeRelativeFolder(std::string_view layoutPath, std::string_view folder);

// A relative folder text as a folder: the leading dots count the folders
// to climb from the layout file ("." its own folder, ".." its parent); the
// rest follows with native separators. A text that starts with neither
// is taken under the layout file's folder, an absolute one as it is.
std::string ResolveRelativeFolder(std::string_view layoutPath, std::string_view text);

// A folder read from a file: "\" separators become "/".
std::string NativeFolder(std::string_view folder);

// `folder`, a separator unless it ends with one, and `file`.
std::string JoinFolderAndFile(std::string_view folder, std::string_view file);

}  // namespace tl
