#include "color/profile_chain.h"

#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>

#include "color/content_hash.h"
#include "color/intents.h"
#include "color/profile_open.h"
#include "color/profile_roles.h"
#include "color/tone_tuning.h"
#include "color/tuning_profile.h"
#include "document/layout_document.h"
#include "imaging/capture_matching.h"
#include "imaging/embedded_profile.h"
#include "imaging/pixel_matcher.h"

namespace tl {
namespace {

constexpr char kResourceProfileKey[] = "resource:ICC/208";

// A file profile is the same profile while its path, size and time stay.
std::string FileKey(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return "file:" + path;
  char tail[80];
  std::snprintf(tail, sizeof tail, "|%jd|%jd.%09ld", intmax_t(info.st_size), intmax_t(info.st_mtim.tv_sec),
                long(info.st_mtim.tv_nsec));
  return "file:" + path + tail;
}

std::string MemoryKey(const std::vector<uint8_t>& bytes) {
  char key[64];
  std::snprintf(key, sizeof key, "memory:%016" PRIx64 ":%zu", ContentHash(bytes.data(), bytes.size()),
                bytes.size());
  return key;
}

bool Append(ProfileChain& chain, ProfilePtr profile, int intent, std::string path, std::string key) {
  if (!profile || chain.Entries.size() >= ProfileChain::kMaxEntries) return false;
  chain.Entries.push_back({std::move(profile), intent, std::move(path), std::move(key)});
  return true;
}

bool AppendFile(ProfileChain& chain, ProfilePtr profile, int intentCode, const std::string& path) {
  if (!profile) return false;
  const int intent = IccIntentForCode(intentCode, profile.get());
  return Append(chain, std::move(profile), intent, path, FileKey(path));
}

// The file's own profile: one that does not open or does not describe the
// image's colour space counts as absent, as if the file had none.
bool AppendEmbeddedSource(const ImageObject& image, const ColorMatchHooks& hooks, ProfileChain& chain) {
  std::vector<uint8_t> bytes;
  if (!hooks.ReadEmbeddedProfile || !hooks.ReadEmbeddedProfile(image, bytes)) return false;
  ProfilePtr profile = OpenProfileFromMemory(bytes);
  if (!profile || ProfileColorSpace(profile.get()) != image.ColorSpace) return false;
  const int intent = IccIntentForCode(image.ImageSrcIntent, profile.get());
  return Append(chain, std::move(profile), intent, {}, MemoryKey(bytes));
}

bool AppendSource(const ImageObject& image, const ColorMatchHooks& hooks, ProfileChain& chain) {
  if (image.ImageSrcManagementMode != 0) {
    ProfilePtr resource = OpenResourceProfile();
    if (!resource) return false;
    const int intent = IccIntentForCode(image.ImageSrcIntent, resource.get());
    return Append(chain, std::move(resource), intent, {}, kResourceProfileKey);
  }
  if (image.HasEmbeddedProfile && image.ImageSrcUseEmbedProfile && AppendEmbeddedSource(image, hooks, chain))
    return true;
  std::string path;
  ProfilePtr chosen = OpenRoleProfile(image.ColorSpace, image.SrcProfileState, image.ImageSrcProfile, &path);
  if (!chosen || ProfileColorSpace(chosen.get()) != image.ColorSpace) return false;
  return AppendFile(chain, std::move(chosen), image.ImageSrcIntent, path);
}

bool AppendTuning(const ImageObject& image, ProfileChain& chain) {
  for (const TuningStep& step : TuningSteps(image)) {
    std::string path;
    ProfilePtr profile = OpenTuningProfile(step.Kind, step.Level, &path);
    if (!AppendFile(chain, std::move(profile), kIntentCodeEndorsedByProfile, path)) return false;
  }
  return true;
}

bool AppendSimulation(const ImageObject& image, ProfileChain& chain) {
  std::string path;
  ProfilePtr profile = OpenRoleProfile(kRoleCmyk, image.SimProfileState, image.ImageSimProfile, &path);
  return AppendFile(chain, std::move(profile), image.ImageSimIntent, path);
}

bool AppendOutput(const LayoutDocument* document, int purpose, ProfileChain& chain) {
  std::string path;
  ProfilePtr profile;
  if (purpose != kMatchOutput) {
    profile = document ? OpenRoleProfile(kRoleMonitor, document->OutputMonitorProfileState,
                                         document->OutputMonitorProfile, &path)
                       : OpenRoleProfile(kRoleMonitor, kProfileModeSystemDefault, {}, &path);
  } else {
    switch (document ? int(document->OutputPrinterControls) : int(kByPrinterDriver)) {
      case kByApplication:
        profile = OpenRoleProfile(kRolePrinter, document->OutputPrinterProfileState, document->OutputPrinterProfile,
                                  &path);
        break;
      case kByMonitorSimulation:
        profile = OpenRoleProfile(kRoleMonitor, kProfileModeSystemDefault, {}, &path);
        break;
      default:
        profile = OpenRoleProfile(kRoleRgb, kProfileModeBuiltIn, {}, &path);
        break;
    }
  }
  return AppendFile(chain, std::move(profile), kIntentCodeEndorsedByProfile, path);
}

}  // namespace

ColorMatchHooks DefaultColorMatchHooks() {
  ColorMatchHooks hooks;
  hooks.ReadEmbeddedProfile = ReadEmbeddedProfile;
  hooks.ProcessAutoTuningPreview = ProcessAutoTuningPreview;
  return hooks;
}

bool BuildProfileChain(const ImageObject& image, int purpose, const ColorMatchHooks& hooks, ProfileChain& chain) {
  chain.Entries.clear();
  if (image.ColorTuneMode == kTuningAutomatic && hooks.ProcessAutoTuningPreview) hooks.ProcessAutoTuningPreview(image);
  if (!AppendSource(image, hooks, chain)) return false;
  const bool tuned = purpose == kMatchScreenTuned || purpose == kMatchOutput;
  if (tuned && image.ImageSrcManagementMode == 0 && !AppendTuning(image, chain)) return false;
  if (image.ImageSimMethod != 0 && image.ColorSpace == kRoleRgb && !AppendSimulation(image, chain)) return false;
  return AppendOutput(image.Owner, purpose, chain);
}

}  // namespace tl
