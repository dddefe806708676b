// The correction of the capture-matching engine: from the statistics of
// the picture (luma and channel histograms) and the targets of a matching
// mode, a levels, mid-tone and colour-balance curve per channel followed
// by a saturation change around each pixel's luma -- an automatic
// adjustment that puts the picture's tones on the range a print holds.
#pragma once

#include <array>
#include <cstdint>

#include "imaging/capture_data.h"

namespace tl {

// The matching modes (ImageSrcManagementMode values; 0 is automatic tuning
// without capture data).
enum CaptureMode : int {
  kModeAutomaticTuning = 0,
  kModeExif = 2,
  kModeVividex = 4,
  kModeVividexExif = 6,
};

struct ToneStatistics {
  std::array<uint64_t, 256> Luma{};
  std::array<std::array<uint64_t, 256>, 3> Channel{};  // red, green, blue
  uint64_t Count = 0;

  void Add(uint8_t r, uint8_t g, uint8_t b);
};

// What a mode aims at.
struct ToneTargets {
  double ClipShadows = 0.005;     // share of pixels let go to black ...
  double ClipHighlights = 0.005;  // ... and to white when the levels are found
  int OutBlack = 0;               // where black and white land
  int OutWhite = 255;
  int MidTone = 118;              // the mean luma aimed at
  double MaxGamma = 1.35;         // the mid-tone change stays within 1/x .. x
  bool KeepShadows = false;       // night scenes: never lift the mid-tones
  double Saturation = 1.0;
  double Balance = 0.5;           // how far each channel follows its own levels
  bool FixedLevels = false;       // levels measured by the camera, not analysed
  int FixedBlack = 0;
  int FixedWhite = 255;
};

// The targets of `mode` for a file with `facts`.
ToneTargets TargetsForMode(int mode, const CaptureFacts& facts);

struct ToneCorrection {
  std::array<std::array<uint8_t, 256>, 3> Curve{};  // red, green, blue
  int32_t Saturation = 1024;                        // x 1024
};

inline constexpr int kStandardStrength = 5;
inline constexpr int kMaxStrength = 10;

// The correction for `targets` (statistics may be null: levels unchanged
// unless fixed). `strength` scales the change (5 as made, 0 none, 10
// twice); `levels` is the number of output levels of the curves (256: all).
ToneCorrection BuildCorrection(const ToneTargets& targets, const ToneStatistics* statistics,
                               int strength = kStandardStrength, int levels = 256);

// One row, 3 bytes a pixel: `in` red, green, blue (or blue, green, red
// with `bgrIn`), `out` red, green, blue. `in` and `out` may be the same.
void ApplyCorrection(const ToneCorrection& correction, const uint8_t* in, bool bgrIn, uint8_t* out, int32_t width);

}  // namespace tl
