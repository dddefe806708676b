// Profile opening on arbitrary bytes: a profile either opens and can then
// be described and used at either end of a conversion, or is absent; never
// a crash, an out-of-bounds read or an unbounded allocation. The other end
// of each conversion is linear RGB with tabulated curves: LittleCMS drops
// such curves instead of evaluating them thousands of times per transform,
// so the time goes to the fuzzed profile.
#include <cstddef>
#include <cstdint>

#include "color/chain_transform.h"
#include "color/profile_description.h"
#include "color/profile_open.h"
#include "fuzz/color/fuzz_transform_budget.h"
#include "imaging/offscreen_bitmap.h"

namespace {

tl::ProfilePtr LinearRgb() {
  static const cmsCIExyY kD65 = {0.3127, 0.3290, 1.0};
  static const cmsCIExyYTRIPLE kPrimaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
  static const cmsUInt16Number kLinear[] = {0, 65535};
  cmsToneCurve* curve = cmsBuildTabulatedToneCurve16(nullptr, 2, kLinear);
  cmsToneCurve* curves[3] = {curve, curve, curve};
  tl::ProfilePtr profile(cmsCreateRGBProfile(&kD65, &kPrimaries, curves));
  cmsFreeToneCurve(curve);
  return profile;
}

void ConvertThrough(tl::ProfilePtr first, tl::ProfilePtr second) {
  tl::ProfileChain chain;
  // No keys: every input builds its own transform.
  chain.Entries.push_back({std::move(first), INTENT_PERCEPTUAL, {}, {}});
  chain.Entries.push_back({std::move(second), INTENT_RELATIVE_COLORIMETRIC, {}, {}});
  tl::BitmapPtr bitmap = tl::OffscreenBitmapNew(16, 2);
  for (size_t i = 0; i < bitmap->ByteSize(); ++i) bitmap->Pixels[i] = uint8_t(i * 37);
  tl::ApplyProfileChain(chain, *bitmap);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tl::fuzz::LimitTransformGrids();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tl::ProfilePtr profile = tl::OpenProfileFromMemory(data, size);
  if (!profile) return 0;
  (void)tl::ProfileDescription(profile.get());
  (void)tl::ProfileColorSpace(profile.get());
  ConvertThrough(std::move(profile), LinearRgb());
  ConvertThrough(LinearRgb(), tl::OpenProfileFromMemory(data, size));
  return 0;
}
