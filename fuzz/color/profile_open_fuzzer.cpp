// Profile opening on arbitrary bytes: a profile either opens and can then
// be described and used at either end of a conversion, or is absent; never
// a crash, an out-of-bounds read or an unbounded allocation.
#include <cstddef>
#include <cstdint>

#include "color/chain_transform.h"
#include "color/profile_description.h"
#include "color/profile_open.h"
#include "imaging/offscreen_bitmap.h"

namespace {

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tl::ProfilePtr profile = tl::OpenProfileFromMemory(data, size);
  if (!profile) return 0;
  (void)tl::ProfileDescription(profile.get());
  (void)tl::ProfileColorSpace(profile.get());
  ConvertThrough(std::move(profile), tl::ProfilePtr(cmsCreate_sRGBProfile()));
  ConvertThrough(tl::ProfilePtr(cmsCreate_sRGBProfile()), tl::OpenProfileFromMemory(data, size));
  return 0;
}
