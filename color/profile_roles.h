// Profiles by role: the source profile of an RGB or CMYK image, the CMYK
// (simulation) profile, the monitor and the printer profile, each chosen by
// a profile mode and a name.
//
//   mode > 0   the named profile
//   mode 0     the role's built-in profile: "RGB " the program RGB working
//              profile, "CMYK" the program's CMYK profile, "mntr" the
//              monitor profile, "prtr" the recommended profile the name
//              holds (the monitor profile when it holds none)
//   mode < 0   the role's system default: "CMYK" the program's CMYK
//              profile, the other roles the monitor profile
//
// A positive mode with an empty name stands for the role's default profile
// name: an empty choice never names a profile of its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "color/lcms_handles.h"
#include "document/geometry.h"

namespace tl {

enum ProfileRole : uint32_t {
  kRoleRgb = FourCC("RGB "),
  kRoleCmyk = FourCC("CMYK"),
  kRoleMonitor = FourCC("mntr"),
  kRolePrinter = FourCC("prtr"),
};

constexpr int kProfileModeBuiltIn = 0;
constexpr int kProfileModeSystemDefault = -1;

// The path of the program RGB working profile.
std::string WorkingRgbProfilePath();

// The open profile for a role; `path` receives the file it came from.
ProfilePtr OpenRoleProfile(uint32_t role, int mode, std::string_view name, std::string* path = nullptr);

// The role's default profile name: "CMYK" the program's CMYK profile,
// "mntr" and "prtr" the monitor profile, "RGB " the default RGB profile.
std::string DefaultProfileName(uint32_t role);

// The description to show for a choice. A positive mode shows the named
// profile, else the role's default profile, else the file name itself;
// other modes show the profile OpenRoleProfile opens.
std::string DescribeRoleProfile(uint32_t role, int mode, std::string_view name);

}  // namespace tl
