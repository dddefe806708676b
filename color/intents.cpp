#include "color/intents.h"

namespace tl {
namespace {

constexpr int kIccIntentCount = 4;

}  // namespace

int ProfileHeaderIntent(cmsHPROFILE profile) {
  const cmsUInt32Number intent = cmsGetHeaderRenderingIntent(profile);
  return intent < kIccIntentCount ? int(intent) : INTENT_PERCEPTUAL;
}

int IccIntentForCode(int code, cmsHPROFILE profile) {
  switch (code) {
    case kIntentCodePerceptual:
      return INTENT_PERCEPTUAL;
    case kIntentCodeSaturation:
      return INTENT_SATURATION;
    case kIntentCodeRelativeColorimetric:
      return INTENT_RELATIVE_COLORIMETRIC;
    case kIntentCodeAbsoluteColorimetric:
      return INTENT_ABSOLUTE_COLORIMETRIC;
    default:
      return ProfileHeaderIntent(profile);
  }
}

}  // namespace tl
