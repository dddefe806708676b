// The tone tuning profiles of the application folder: abstract Lab profiles
// named by kind and strength (tuning_profile_name.h).
#pragma once

#include <string>

#include "color/lcms_handles.h"
#include "color/tuning_profile_name.h"

namespace tl {

// The file of kind 1..3 at `strength`; empty for strength 0.
std::string TuningProfilePath(int kind, int strength);

// The open profile and its path; null for strength 0, when the file does
// not open, or when it is not an abstract Lab profile.
ProfilePtr OpenTuningProfile(int kind, int strength, std::string* path = nullptr);

}  // namespace tl
