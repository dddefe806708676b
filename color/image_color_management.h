// The "Image Color Management" dialog without its widgets: how the current
// image's colour is handled (capture-matching data, embedded profile or an
// RGB profile, print simulation) as the dialog shows it, which choices the
// image allows, "Reset by Input settings." and what OK writes.
#pragma once

#include "color/input_color_management.h"

namespace tl {

struct ImageObject;
struct LayoutDocument;

enum class ImageSource { Vividex, ExifPrint, EmbeddedProfile, RgbProfile };

struct ImageColorChoice {
  ImageSource Source = ImageSource::RgbProfile;
  ProfileIntentChoice Rgb;
  SimulationChoice Simulation;
};

// Which source choices the image allows, by its capture-matching level and
// whether its file carries a profile; the RGB lists only with "RGB Profile".
struct ImageSourceControls {
  bool Vividex = false;
  bool ExifPrint = false;
  bool EmbeddedProfile = false;
  bool RgbLists = false;
};
ImageSourceControls ImageSourceAvailability(const ImageObject& image, ImageSource chosen);

// Whether the dialog opens: not for a selection holding a grayscale image
// (message 10449, stop icon), not without a current image (no message).
bool ImageColorDialogAllowed(const LayoutDocument& document);

// What the dialog shows for the image's settings.
ImageColorChoice InitialImageColorChoice(const ImageObject& image, const ProfileLists& lists);

// "Reset by Input settings.": what the document's input settings would
// give this image.
ImageColorChoice InputSettingsChoice(const ImageObject& image, const LayoutDocument& document,
                                     const ProfileLists& lists);

// OK: the image takes the choice; false (nothing written) for a source the
// image does not allow. The caller records the undo snapshot first, then
// reads the image again and redraws it.
bool ConfirmImageColorChoice(ImageObject& image, const ProfileLists& lists, const ImageColorChoice& choice);

}  // namespace tl
