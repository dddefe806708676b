// The files a user's choice of image files and folders stands for: a file
// as it is, a folder walked for every file in it and in its sub-folders.
#pragma once

#include <string>
#include <vector>

namespace tl {

// The files of `names`, in the order given. A folder's entries are taken
// in file name order, files and sub-folders alike, each sub-folder walked
// where it comes; a link to a folder the walk is inside of is skipped. A
// name that is not a folder is taken as a file, even when it does not
// exist: adding it then fails like any file that cannot be read.
std::vector<std::string> CollectImageFiles(const std::vector<std::string>& names);

}  // namespace tl
