// Rendering intents: the intent codes that images and documents store (and
// the layout file keeps), and the ICC rendering intents they select.
//
// The dialogs list the intents in code order: "Perceptual", "Saturation",
// "Relative Colorimetric", "Absolute Colorimetric", "Endorsed by profile".
// Each code selects the intent its list entry names.
#pragma once

#include <cstdint>

#include "color/lcms_handles.h"

namespace tl {

enum IntentCode : int16_t {
  kIntentCodePerceptual = 1,
  kIntentCodeSaturation = 2,
  kIntentCodeRelativeColorimetric = 3,
  kIntentCodeAbsoluteColorimetric = 4,
  kIntentCodeEndorsedByProfile = 5,
};

// The rendering intent written in the profile's header: taken when it is a
// known ICC intent (below 4), else perceptual.
int ProfileHeaderIntent(cmsHPROFILE profile);

// The ICC intent of an intent code: codes 1 to 4 their own; 5 and any
// other value the profile's header intent.
int IccIntentForCode(int code, cmsHPROFILE profile);

}  // namespace tl
