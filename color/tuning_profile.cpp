#include "color/tuning_profile.h"

#include "color/profile_open.h"
#include "color/profile_places.h"

namespace tl {

std::string TuningProfilePath(int kind, int strength) {
  const std::string name = TuningProfileName(kind, strength);
  return name.empty() ? std::string() : ApplicationProfilePath(name);
}

ProfilePtr OpenTuningProfile(int kind, int strength, std::string* path) {
  const std::string file = TuningProfilePath(kind, strength);
  if (path) *path = file;
  if (file.empty()) return nullptr;
  ProfilePtr profile = OpenProfileFile(file);
  // Anything but a Lab-to-Lab profile would turn the chain's colours into
  // another space half way.
  if (!profile || ProfileDeviceClass(profile.get()) != cmsSigAbstractClass ||
      ProfileColorSpace(profile.get()) != cmsSigLabData || uint32_t(cmsGetPCS(profile.get())) != cmsSigLabData)
    return nullptr;
  return profile;
}

}  // namespace tl
