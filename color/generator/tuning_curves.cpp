#include "color/generator/tuning_curves.h"

#include <algorithm>
#include <cmath>

#include "color/tuning_profile_name.h"

namespace tl {
namespace {

// Lightness lift at the middle grey per step: 0.25 x this x 100 L*.
constexpr double kBrightPerStep = 0.12;
// Slope change of the S curve at the middle grey per step (0.3: 1.45 at +3).
constexpr double kContrastPerStep = 0.3;
// Chroma gain per step.
constexpr double kVividPerStep = 0.12;
// Chroma at which raised vividness would stop growing; above any real
// colour, so the limit only softens the gain of strong colours.
constexpr double kVividSoftLimit = 200.0;

double Brighten(double x, int strength) { return x + kBrightPerStep * strength * x * (1 - x); }

double Contrast(double x, int strength) {
  return x + kContrastPerStep * strength * x * (1 - x) * (2 * x - 1);
}

double Vivid(double chroma, int strength) {
  const double gain = kVividPerStep * strength;
  if (strength < 0) return chroma * (1 + gain);
  return chroma * (1 + gain) / (1 + gain * chroma / kVividSoftLimit);
}

}  // namespace

cmsCIELab TuneLab(int kind, int strength, const cmsCIELab& in) {
  cmsCIELab out = in;
  const double x = std::clamp(in.L / 100.0, 0.0, 1.0);
  switch (kind) {
    case kTuneBright:
      out.L = 100 * Brighten(x, strength);
      break;
    case kTuneContrast:
      out.L = 100 * Contrast(x, strength);
      break;
    case kTuneVivid: {
      const double chroma = std::hypot(in.a, in.b);
      if (chroma > 0) {
        const double scale = Vivid(chroma, strength) / chroma;
        out.a = std::clamp(in.a * scale, -128.0, 127.0);
        out.b = std::clamp(in.b * scale, -128.0, 127.0);
      }
      break;
    }
    default:
      break;
  }
  return out;
}

}  // namespace tl
