// The colour settings a new image takes from its document's input blocks,
// once its file header has been read and before it is placed.
#pragma once

namespace tl {

struct ImageObject;
struct LayoutDocument;

// RGB images take the document's source profile, intent and embedded-
// profile choice (the embedded profile only when the file has one) and,
// with capture-matching data in use, the file's capture-matching level as
// their management mode; an embedded profile or a non-zero mode makes the
// intent "Endorsed by profile". Images of other colour spaces (CMYK aside)
// have no source settings. Every image takes the simulation settings.
void ApplyInputColorSettings(ImageObject& image, const LayoutDocument& document);

}  // namespace tl
