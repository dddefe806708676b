#include "color/image_color_management.h"

#include "color/selection_refusals.h"
#include "document/layout_document.h"

namespace tl {
namespace {

// Capture-matching levels of an image and the management modes they give.
constexpr int16_t kLevelExif = 2;
constexpr int16_t kLevelVdx = 4;
constexpr int16_t kLevelVdxExif = 6;
constexpr int16_t kModeRgbProfile = 0;
constexpr int16_t kModeExif = 2;

bool OffersVividex(int16_t level) { return level == kLevelVdxExif || level == kLevelVdx; }
bool OffersExifPrint(int16_t level) { return level == kLevelVdxExif || level == kLevelExif; }

ImageSource FileSource(const ImageObject& image, bool useEmbedded) {
  return useEmbedded && image.HasEmbeddedProfile ? ImageSource::EmbeddedProfile : ImageSource::RgbProfile;
}

}  // namespace

ImageSourceControls ImageSourceAvailability(const ImageObject& image, ImageSource chosen) {
  ImageSourceControls c;
  c.Vividex = OffersVividex(image.CaptureMatchingLevel);
  c.ExifPrint = OffersExifPrint(image.CaptureMatchingLevel);
  c.EmbeddedProfile = image.HasEmbeddedProfile != 0;
  c.RgbLists = chosen == ImageSource::RgbProfile;
  return c;
}

bool ImageColorDialogAllowed(const LayoutDocument& document) {
  if (!SelectionAllowsColorDialog(document)) return false;
  return document.CurrentImage != nullptr;
}

ImageColorChoice InitialImageColorChoice(const ImageObject& image, const ProfileLists& lists) {
  ImageColorChoice choice;
  switch (image.ImageSrcManagementMode) {
    case kModeExif: choice.Source = ImageSource::ExifPrint; break;
    case kLevelVdx:
    case kLevelVdxExif: choice.Source = ImageSource::Vividex; break;
    default: choice.Source = FileSource(image, image.ImageSrcUseEmbedProfile != 0); break;
  }
  choice.Rgb = {RgbProfilePosition(lists, image.ImageSrcProfile), IntentPosition(image.ImageSrcIntent)};
  choice.Simulation = SimulationChoiceFor(lists, image.ImageSimMethod, image.ImageSimProfile, image.ImageSimIntent);
  return choice;
}

ImageColorChoice InputSettingsChoice(const ImageObject& image, const LayoutDocument& d, const ProfileLists& lists) {
  ImageColorChoice choice;
  const int16_t level = image.CaptureMatchingLevel;
  if (d.InputSrcUseVdx && OffersVividex(level))
    choice.Source = ImageSource::Vividex;
  else if (d.InputSrcUseVdx && level == kLevelExif)
    choice.Source = ImageSource::ExifPrint;
  else
    choice.Source = FileSource(image, d.InputSrcUseEmbedProfile != 0);
  choice.Rgb = {RgbProfilePosition(lists, d.InputSrcProfile), IntentPosition(d.InputSrcIntent)};
  choice.Simulation = SimulationChoiceFor(lists, d.InputSimMethod, d.InputSimProfile, d.InputSimIntent);
  return choice;
}

bool ConfirmImageColorChoice(ImageObject& image, const ProfileLists& lists, const ImageColorChoice& choice) {
  const ImageSourceControls allowed = ImageSourceAvailability(image, choice.Source);
  switch (choice.Source) {
    case ImageSource::Vividex:
      if (!allowed.Vividex) return false;
      image.ImageSrcManagementMode = image.CaptureMatchingLevel;
      image.ImageSrcUseEmbedProfile = 0;
      break;
    case ImageSource::ExifPrint:
      if (!allowed.ExifPrint) return false;
      image.ImageSrcManagementMode = kModeExif;
      image.ImageSrcUseEmbedProfile = 0;
      break;
    case ImageSource::EmbeddedProfile:
      if (!allowed.EmbeddedProfile) return false;
      image.ImageSrcManagementMode = kModeRgbProfile;
      image.ImageSrcUseEmbedProfile = 1;
      break;
    case ImageSource::RgbProfile: {
      image.ImageSrcManagementMode = kModeRgbProfile;
      image.ImageSrcUseEmbedProfile = 0;
      const StoredProfile source = StoredRgbProfile(lists, choice.Rgb);
      if (source.State > 0) {
        image.SrcProfileState = source.State;
        image.ImageSrcProfile = source.Name;
      }
      image.ImageSrcIntent = source.Intent;
      break;
    }
  }
  image.ImageSimMethod = choice.Simulation.Method;
  if (choice.Simulation.Method != kSimulationOff) {
    const StoredProfile simulation = StoredSimulation(lists, choice.Simulation);
    image.SimProfileState = simulation.State;
    image.ImageSimProfile = simulation.Name;
    image.ImageSimIntent = simulation.Intent;
  }
  image.NeedsRedraw = 1;
  if (image.Owner) image.Owner->Modified = 1;
  return true;
}

}  // namespace tl
