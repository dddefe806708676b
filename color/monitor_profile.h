// The screen's colour profile. The X server publishes it as the
// _ICC_PROFILE property of the default screen's root window (the colour
// daemons set it); a screen without one is taken as sRGB.
#pragma once

#include <string>

namespace tl {

// The monitor profile's name: the screen's own profile (kept as a file in
// the cache folder, named by its content) or, when the screen has none or
// it is not a valid profile, the default RGB profile name. Also keeps the
// monitor's name for MonitorName().
std::string FindMonitorProfile();

// The name of the screen FindMonitorProfile last asked (the X display);
// empty when it asked none.
std::string MonitorName();

}  // namespace tl
