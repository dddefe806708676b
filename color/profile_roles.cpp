#include "color/profile_roles.h"

#include "color/monitor_profile.h"
#include "color/profile_description.h"
#include "color/profile_open.h"
#include "color/profile_places.h"
#include "resources/string_table.h"

namespace tl {
namespace {

bool KnownRole(uint32_t role) {
  return role == kRoleRgb || role == kRoleCmyk || role == kRoleMonitor || role == kRolePrinter;
}

std::string FileNamePart(std::string_view name) {
  const size_t slash = name.find_last_of('/');
  return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

}  // namespace

std::string WorkingRgbProfilePath() { return ApplicationProfilePath(StringText(kWorkingRgbProfileId)); }

ProfilePtr OpenRoleProfile(uint32_t role, int mode, std::string_view name, std::string* path) {
  if (path) path->clear();
  if (!KnownRole(role)) return nullptr;
  if (mode > 0) return OpenProfileByName(name.empty() ? DefaultProfileName(role) : std::string(name), path);
  if (role == kRoleCmyk) return OpenProfileByName(StringText(kDefaultCmykProfileId), path);
  if (role == kRoleRgb && mode == kProfileModeBuiltIn) {
    const std::string working = WorkingRgbProfilePath();
    if (path) *path = working;
    return OpenProfileFile(working);
  }
  // The first printer-list entry (mode 0) carries the profile the driver
  // recommends for the media; it is the one to print with.
  if (role == kRolePrinter && mode == kProfileModeBuiltIn && !name.empty())
    if (ProfilePtr recommended = OpenProfileByName(name, path)) return recommended;
  return OpenProfileByName(FindMonitorProfile(), path);
}

std::string DefaultProfileName(uint32_t role) {
  switch (role) {
    case kRoleCmyk:
      return StringCopy(kDefaultCmykProfileId);
    case kRoleMonitor:
    case kRolePrinter: {
      std::string monitor = FindMonitorProfile();
      return monitor.empty() ? std::string(kDefaultRgbProfileName) : monitor;
    }
    case kRoleRgb:
      return std::string(kDefaultRgbProfileName);
    default:
      return {};
  }
}

std::string DescribeRoleProfile(uint32_t role, int mode, std::string_view name) {
  if (mode > 0) {
    if (const ProfilePtr named = OpenProfileByName(name)) return ProfileDescription(named.get());
    if (const ProfilePtr fallback = OpenProfileByName(DefaultProfileName(role)))
      return ProfileDescription(fallback.get());
    const std::string found = ResolveProfileName(name);
    return FileNamePart(found.empty() ? name : std::string_view(found));
  }
  const ProfilePtr profile = OpenRoleProfile(role, mode, name);
  return profile ? ProfileDescription(profile.get()) : std::string();
}

}  // namespace tl
