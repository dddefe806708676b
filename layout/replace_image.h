// Replace Image: a selected image's file exchanged for another while the
// image keeps what the user gave it -- label and caption, tone tuning,
// simulation (and, between RGB pictures, source colour) settings, frame,
// crop, rotation, size method and, in free layout, its place. The old
// object waits on the pending list, so Undo brings it back.
#pragma once

#include <string>

#include "document/layout_document.h"
#include "layout/layout_services.h"

namespace tl {

// Replaces `old` (an image of `document`'s list) with the picture at
// `path`. False when the file cannot be described, the undo snapshot fails
// or no preview can be made; `old` then stays in the list as it was.
bool ReplaceImageFile(LayoutDocument& document, ImageObject& old, const std::string& path,
                      LayoutServices& services = NoLayoutServices());

// Replaces every selected image with the picture at `path`, one after the
// other; the number replaced.
int ReplaceSelectedImages(LayoutDocument& document, const std::string& path,
                          LayoutServices& services = NoLayoutServices());

}  // namespace tl
