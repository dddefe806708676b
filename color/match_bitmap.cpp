#include "color/match_bitmap.h"

#include "color/chain_transform.h"
#include "color/profile_roles.h"
#include "document/layout_document.h"

namespace tl {

bool MatchBitmap(OffscreenBitmap& bitmap, const ImageObject& image, int purpose, const ColorMatchHooks& hooks) {
  if (image.ColorSpace != kRoleRgb && image.ColorSpace != kRoleCmyk) return true;
  const LayoutDocument* document = image.Owner;
  if (purpose == kMatchOutput && image.ImageSrcManagementMode != 0 && document &&
      document->LeaveCaptureMatchedUnmatched)
    return true;
  ProfileChain chain;
  return BuildProfileChain(image, purpose, hooks, chain) && ApplyProfileChain(chain, bitmap);
}

}  // namespace tl
