#include "color/chain_transform.h"

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "color/profile_open.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {
namespace {

constexpr unsigned kMaxConversionThreads = 16;
// Below this many pixels per thread a thread costs more than it saves.
constexpr int64_t kPixelsPerThread = 256 * 1024;

// One profile as LittleCMS sees it in a multi-profile transform.
struct Step {
  cmsHPROFILE Profile;
  cmsUInt32Number Intent;
};

bool PassedOnce(cmsHPROFILE profile) {
  const uint32_t deviceClass = ProfileDeviceClass(profile);
  return deviceClass == cmsSigAbstractClass || deviceClass == cmsSigLinkClass;
}

// Step k -> k+1 reads both profiles with entry k's intent; a device profile
// between them is read once as a destination and once as a source.
std::vector<Step> ChainSteps(const ProfileChain& chain) {
  const auto& entries = chain.Entries;
  std::vector<Step> steps;
  steps.push_back({entries[0].Profile.get(), cmsUInt32Number(entries[0].Intent)});
  for (size_t k = 1; k < entries.size(); ++k) {
    cmsHPROFILE profile = entries[k].Profile.get();
    const bool last = k + 1 == entries.size();
    if (PassedOnce(profile) && !last) {
      steps.push_back({profile, cmsUInt32Number(entries[k].Intent)});
      continue;
    }
    steps.push_back({profile, cmsUInt32Number(entries[k - 1].Intent)});
    if (!last) steps.push_back({profile, cmsUInt32Number(entries[k].Intent)});
  }
  return steps;
}

// The 32-bit bitmap layout of a colour space; 0 for spaces it cannot hold.
cmsUInt32Number BitmapFormat(cmsHPROFILE profile, bool asSource) {
  const uint32_t space = asSource || ProfileDeviceClass(profile) != cmsSigLinkClass
                             ? ProfileColorSpace(profile)
                             : uint32_t(cmsGetPCS(profile));
  switch (space) {
    case cmsSigRgbData:
      return TYPE_BGRA_8;
    case cmsSigCmykData:
      return TYPE_CMYK_8;
    default:
      return 0;
  }
}

std::string TransformKey(const ProfileChain& chain, const std::vector<Step>& steps, cmsUInt32Number input,
                         cmsUInt32Number output) {
  std::string key = std::to_string(input) + ">" + std::to_string(output);
  size_t entry = 0;
  for (const Step& step : steps) {
    while (entry + 1 < chain.Entries.size() && chain.Entries[entry].Profile.get() != step.Profile) ++entry;
    key += "|" + chain.Entries[entry].Key + "@" + std::to_string(step.Intent);
  }
  return key;
}

// RGB pixels have no fourth channel: clear what was the black ink.
void ClearFourthBytes(OffscreenBitmap& bitmap) {
  uint8_t* p = bitmap.Pixels.get();
  const size_t count = size_t(bitmap.Width) * size_t(bitmap.Height);
  for (size_t i = 0; i < count; ++i) p[i * OffscreenBitmap::kBytesPerPixel + 3] = 0;
}

// Rows follow each other without padding: each thread converts one band of
// whole rows in a single call. Small bitmaps (previews) are not worth a
// thread.
void ConvertRows(cmsHTRANSFORM transform, OffscreenBitmap& bitmap, int threads) {
  const int64_t pixels = int64_t(bitmap.Width) * bitmap.Height;
  const int64_t bands = std::clamp<int64_t>(std::min<int64_t>(threads, pixels / kPixelsPerThread), 1, bitmap.Height);
  const auto convert = [&](int64_t band) {
    const int64_t first = bitmap.Height * band / bands, last = bitmap.Height * (band + 1) / bands;
    uint8_t* start = bitmap.Row(int32_t(first));
    cmsDoTransform(transform, start, start, cmsUInt32Number((last - first) * bitmap.Width));
  };
  std::vector<std::thread> workers;
  for (int64_t band = 1; band < bands; ++band) workers.emplace_back(convert, band);
  convert(0);
  for (std::thread& worker : workers) worker.join();
}

int ConversionThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return int(std::clamp(cores, 1u, kMaxConversionThreads));
}

}  // namespace

SharedTransform ChainTransform(const ProfileChain& chain) {
  if (chain.Entries.size() < 2) return nullptr;
  for (const ProfileChainEntry& entry : chain.Entries)
    if (!entry.Profile) return nullptr;
  const cmsUInt32Number input = BitmapFormat(chain.Entries.front().Profile.get(), true);
  const cmsUInt32Number output = BitmapFormat(chain.Entries.back().Profile.get(), false);
  if (!input || !output) return nullptr;

  const std::vector<Step> steps = ChainSteps(chain);
  bool cacheable = true;
  for (const ProfileChainEntry& entry : chain.Entries) cacheable = cacheable && !entry.Key.empty();
  const std::string key = cacheable ? TransformKey(chain, steps, input, output) : std::string();
  TransformCache& cache = TransformCache::Shared();
  if (cacheable)
    if (SharedTransform kept = cache.Find(key)) return kept;

  std::vector<cmsHPROFILE> profiles;
  std::vector<cmsUInt32Number> intents;
  std::vector<cmsBool> blackPoint(steps.size(), FALSE);
  std::vector<cmsFloat64Number> adaptation(steps.size(), cmsSetAdaptationState(-1));
  for (const Step& step : steps) {
    profiles.push_back(step.Profile);
    intents.push_back(step.Intent);
  }
  // Without the one-pixel cache a transform may convert rows on several
  // threads at once.
  cmsHTRANSFORM built = cmsCreateExtendedTransform(nullptr, cmsUInt32Number(steps.size()), profiles.data(),
                                                  blackPoint.data(), intents.data(), adaptation.data(), nullptr, 0,
                                                  input, output, cmsFLAGS_NOCACHE);
  if (!built) return nullptr;
  SharedTransform transform(built, TransformDeleter());
  if (cacheable) cache.Keep(key, transform);
  return transform;
}

bool ApplyProfileChain(const ProfileChain& chain, OffscreenBitmap& bitmap, int threads) {
  if (!bitmap.Pixels || bitmap.Width <= 0 || bitmap.Height <= 0) return false;
  const SharedTransform transform = ChainTransform(chain);
  if (!transform) return false;
  ConvertRows(transform.get(), bitmap, threads > 0 ? threads : ConversionThreads());
  const bool cmykToRgb = cmsGetTransformInputFormat(transform.get()) == TYPE_CMYK_8 &&
                         cmsGetTransformOutputFormat(transform.get()) == TYPE_BGRA_8;
  if (cmykToRgb) ClearFourthBytes(bitmap);
  return true;
}

}  // namespace tl
