// The local files a drag carries ("text/uri-list"), as paths.
#pragma once

#include <string>
#include <vector>

class QMimeData;

namespace tl {

std::vector<std::string> DroppedFiles(const QMimeData* data);

}  // namespace tl
