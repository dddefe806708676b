// Removal of the temporary preview files earlier runs may have left.
#pragma once

#include <string>

namespace tl {

// Deletes every "ImageTmp*.jpg" and "temppreview.jpg" in `folder`;
// failures are ignored.
void CleanTemporaryFiles(const std::string& folder);

// The same in the cache folder, where this program keeps such files.
void CleanTemporaryFiles();

}  // namespace tl
