#include "color/profile_description.h"

#include <vector>

#include "color/profile_facts.h"
#include "color/profile_open.h"
#include "color/profile_places.h"

namespace tl {

std::string ProfileDescription(cmsHPROFILE profile) {
  if (!profile) return {};
  std::vector<char> text(kMaxDescriptionBytes + 1, '\0');
  const cmsUInt32Number length =
      cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text.data(), cmsUInt32Number(text.size()));
  if (length == 0) return {};
  text.back() = '\0';
  return std::string(text.data());
}

std::string FindProfileByDescription(std::string_view description) {
  for (const char* extension : {".icm", ".icc"}) {
    for (const ProfileFile& file : ListProfileFiles(extension)) {
      ProfileFacts facts;
      if (ReadProfileFacts(file.Path, facts) && EqualsIgnoringCase(facts.Description, description)) return file.Name;
    }
  }
  return {};
}

bool IsColorSpaceClassProfile(const std::string& path, std::string* description) {
  const ProfilePtr profile = OpenProfileByName(path);
  if (!profile) return false;
  if (description) *description = ProfileDescription(profile.get());
  return ProfileDeviceClass(profile.get()) == cmsSigColorSpaceClass;
}

}  // namespace tl
