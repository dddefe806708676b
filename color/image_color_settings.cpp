#include "color/image_color_settings.h"

#include "color/intents.h"
#include "color/profile_roles.h"
#include "document/layout_document.h"

namespace tl {

void ApplyInputColorSettings(ImageObject& image, const LayoutDocument& document) {
  if (image.ColorSpace == kRoleRgb) {
    image.SrcProfileState = document.InputSrcProfileState;
    image.ImageSrcProfile = document.InputSrcProfile;
    image.ImageSrcIntent = document.InputSrcIntent;
    image.ImageSrcUseEmbedProfile = (document.InputSrcUseEmbedProfile && image.HasEmbeddedProfile) ? 1 : 0;
    image.ImageSrcManagementMode = document.InputSrcUseVdx == 1 ? image.CaptureMatchingLevel : 0;
    if (image.ImageSrcUseEmbedProfile) image.ImageSrcManagementMode = 0;
    if (image.ImageSrcManagementMode != 0 || image.ImageSrcUseEmbedProfile)
      image.ImageSrcIntent = kIntentCodeEndorsedByProfile;
  } else if (image.ColorSpace != kRoleCmyk) {
    image.ImageSrcIntent = 0;
    image.SrcProfileState = 0;
    image.ImageSrcUseEmbedProfile = 0;
    image.ImageSrcManagementMode = 0;
  }
  image.ImageSimMethod = document.InputSimMethod;
  image.SimProfileState = document.InputSimProfileState;
  image.ImageSimProfile = document.InputSimProfile;
  image.ImageSimIntent = document.InputSimIntent;
}

}  // namespace tl
