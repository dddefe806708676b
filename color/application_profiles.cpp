#include "color/application_profiles.h"

#include <utility>

#include "color/match_bitmap.h"
#include "color/profile_open.h"
#include "color/profile_places.h"
#include "color/profile_roles.h"
#include "color/tuning_profile.h"
#include "document/message_box.h"
#include "resources/string_table.h"

namespace tl {

std::vector<std::string> MissingApplicationProfiles() {
  std::vector<std::string> missing;
  auto require = [&](const std::string& name, bool opens) {
    if (!opens) missing.push_back(name);
  };
  const std::string working = WorkingRgbProfilePath();
  require(working, OpenProfileFile(working) != nullptr);
  require(std::string(kDefaultRgbProfileName), OpenProfileByName(kDefaultRgbProfileName) != nullptr);
  const std::string cmyk = StringCopy(kDefaultCmykProfileId);
  require(cmyk, OpenProfileByName(cmyk) != nullptr);
  for (int kind = kTuneBright; kind <= kTuneVivid; ++kind)
    for (int level = kTuningLevelMin; level <= kTuningLevelMax; ++level)
      if (level != 0) require(TuningProfilePath(kind, level), OpenTuningProfile(kind, level) != nullptr);
  require("resource ICC 208", OpenResourceProfile() != nullptr);
  return missing;
}

bool CheckApplicationProfiles(std::vector<std::string>* missing) {
  std::vector<std::string> absent = MissingApplicationProfiles();
  const bool complete = absent.empty();
  if (missing) *missing = std::move(absent);
  if (complete) return true;
  ShowMessage(kMissingProfilesMessage, MessageIcon::Stop);
  return false;
}

}  // namespace tl
