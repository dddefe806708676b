#include "color/profile_list.h"

#include "color/profile_facts.h"
#include "color/profile_places.h"
#include "color/profile_roles.h"
#include "resources/string_table.h"

namespace tl {
namespace {

// A list's first entry: the named profile's description, or its name when
// it does not open.
ProfileListEntry NamedEntry(const std::string& name) {
  const std::string path = ResolveProfileName(name);
  ProfileFacts facts;
  if (path.empty() || !ReadProfileFacts(path, facts) || facts.Description.empty()) return {name, name};
  return {facts.Description, name};
}

// Whether `file` is the profile a list's first entry names.
bool SameProfile(const ProfileFile& file, const std::string& name) { return file.Name == name || file.Path == name; }

}  // namespace

ProfileLists ListProfiles(ProfileListSet set, std::string_view printerProfile) {
  ProfileLists lists;
  const bool input = set == ProfileListSet::Input;
  const std::string rgbDefault = DefaultProfileName(kRoleRgb);
  const std::string cmykDefault = DefaultProfileName(kRoleCmyk);
  std::string monitorDefault, printerDefault;
  if (input) {
    lists.Rgb.push_back(NamedEntry(rgbDefault));
    lists.Cmyk.push_back(NamedEntry(cmykDefault));
  } else {
    monitorDefault = DefaultProfileName(kRoleMonitor);
    printerDefault = DefaultProfileName(kRolePrinter);
    lists.Monitor.push_back(NamedEntry(monitorDefault));
    lists.Printer.push_back({StringCopy(kRecommendedPrinterProfileId), std::string(printerProfile)});
    lists.Printer.push_back(NamedEntry(printerDefault));
  }

  for (const char* extension : {".icm", ".icc"}) {
    for (const ProfileFile& file : ListProfileFiles(extension)) {
      ProfileFacts facts;
      if (!ReadProfileFacts(file.Path, facts)) continue;
      const uint32_t space = facts.ColorSpace, deviceClass = facts.DeviceClass;
      const ProfileListEntry entry = {facts.Description, file.Name};
      if (input) {
        if (space == cmsSigRgbData && !EqualsIgnoringCase(file.Name, rgbDefault)) lists.Rgb.push_back(entry);
        if (space == cmsSigCmykData && !EqualsIgnoringCase(file.Name, cmykDefault)) lists.Cmyk.push_back(entry);
        continue;
      }
      if (deviceClass == cmsSigDisplayClass && !SameProfile(file, monitorDefault)) lists.Monitor.push_back(entry);
      if ((deviceClass == cmsSigOutputClass || deviceClass == cmsSigDisplayClass) && space == cmsSigRgbData &&
          !SameProfile(file, printerDefault))
        lists.Printer.push_back(entry);
    }
  }
  return lists;
}

}  // namespace tl
