// The label text of a picture, composed from its LabelItems and the texts of
// its file facts and Exif values, the automatic label and caption sizes, and
// the numbering that the "Number" item shows.
#pragma once

namespace tl {

struct ImageObject;
struct LayoutDocument;
class ProfileNames;

// Rebuilds LabelText from LabelItems (empty when no item is set), sets the
// automatic label size when its flag is set, and marks the image for redraw.
void ComposeLabelText(ImageObject& image, const ProfileNames* profiles = nullptr);

// With the caption's automatic size flag set: a third of the frame width on
// the caption's side.
void UpdateAutomaticCaptionSize(ImageObject& image);

// Free layout: images without a number get one more than the highest.
// Automatic layout: images are numbered 1, 2, 3 ... in list order. Images
// whose number changes get their label composed again.
void RenumberImages(LayoutDocument& document, const ProfileNames* profiles = nullptr);

}  // namespace tl
