// Builds the application profiles with LittleCMS and returns each as the
// bytes of an ICC file (version 4.3, with its profile ID set).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

// An sRGB display profile (IEC 61966-2-1 primaries and tone curve).
std::vector<uint8_t> MakeSrgbProfile(const std::string& description);

// An abstract Lab profile applying TuneLab(kind, strength).
std::vector<uint8_t> MakeTuningProfile(int kind, int strength);

// The default CMYK output profile: the ink model of ink_model.h, with
// perceptual and colorimetric separations, a 300 % total ink limit and a
// gamut tag.
std::vector<uint8_t> MakeCmykProfile();

}  // namespace tl
