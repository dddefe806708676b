// Replacing a file safely: the new content is written to a temporary file
// beside the target, flushed to the disk and renamed over the target only
// when it is complete, so a failed or interrupted save leaves the previous
// file as it was.
#pragma once

#include <string>
#include <string_view>

namespace tl {

// Writes `content` as the file at `path` (through a symbolic link to the
// file it names, keeping an existing file's permissions). False when
// anything fails; `error` then receives the errno value, and no temporary
// file is left behind.
bool ReplaceFileAtomically(const std::string& path, std::string_view content, int* error = nullptr);

}  // namespace tl
