// The file names of the tone tuning profiles: the kind's name (strings
// 10461 to 10463, "Bright", "Contrast", "Vivid"), then the strength's sign
// and digit: "Bright+2", "Vivid-1". Shared by the profile generator.
#pragma once

#include <string>

#include "resources/string_table.h"

namespace tl {

enum ToneTuningKind : int { kTuneBright = 1, kTuneContrast = 2, kTuneVivid = 3 };
constexpr int kTuningKindCount = 3;
constexpr int kTuningLevelMin = -3;
constexpr int kTuningLevelMax = 3;
constexpr int kTuningKindFirstNameId = 10461;

// Empty for strength 0 (no profile) and for a kind or strength out of range.
inline std::string TuningProfileName(int kind, int strength) {
  if (kind < kTuneBright || kind > kTuneVivid || strength == 0 || strength < kTuningLevelMin ||
      strength > kTuningLevelMax)
    return {};
  std::string name = StringCopy(kTuningKindFirstNameId + kind - 1);
  name += strength > 0 ? '+' : '-';
  name += char('0' + (strength > 0 ? strength : -strength));
  return name;
}

}  // namespace tl
