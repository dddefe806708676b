// The profiles the program ships and cannot work without: the program RGB
// working profile, the default RGB and CMYK profiles, the 18 tone tuning
// profiles and the built-in capture-matching working profile. Start-up
// checks them (message 10409 and the program ends when any is missing).
#pragma once

#include <string>
#include <vector>

namespace tl {

// The ones that do not open (as names or paths); empty when all are there.
std::vector<std::string> MissingApplicationProfiles();

// True when every application profile opens; otherwise shows message
// 10409, "Missing application profiles." (stop icon), and returns false.
// `missing` receives what is missing.
bool CheckApplicationProfiles(std::vector<std::string>* missing = nullptr);

}  // namespace tl
