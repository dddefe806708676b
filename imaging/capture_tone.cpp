#include "imaging/capture_tone.h"

#include <algorithm>
#include <cmath>

namespace tl {
namespace {

// Luma weights in 256ths (0.30, 0.59, 0.11).
constexpr int kLumaRed = 77, kLumaGreen = 150, kLumaBlue = 29;
// Levels never stretch a narrower range than this over the whole scale.
constexpr int kMinLevelRange = 64;
constexpr int kMaxBlackPoint = 96;
constexpr int kMinWhitePoint = 160;

enum SceneType : int16_t { kSceneStandard = 0, kSceneLandscape = 1, kScenePortrait = 2, kSceneNight = 3 };

int LumaOf(int r, int g, int b) { return (kLumaRed * r + kLumaGreen * g + kLumaBlue * b + 128) >> 8; }

// The value below which `share` of the histogram's pixels lie (from the top
// with `fromTop`).
int Percentile(const std::array<uint64_t, 256>& histogram, uint64_t count, double share, bool fromTop) {
  const uint64_t limit = uint64_t(double(count) * share);
  uint64_t seen = 0;
  for (int i = 0; i < 256; ++i) {
    const int v = fromTop ? 255 - i : i;
    seen += histogram[size_t(v)];
    if (seen > limit) return v;
  }
  return fromTop ? 0 : 255;
}

void ApplyScene(int16_t scene, ToneTargets& t) {
  switch (scene) {
    case kSceneLandscape: t.Saturation *= 1.12; break;
    case kScenePortrait:
      t.Saturation *= 0.94;
      t.MidTone += 8;
      break;
    case kSceneNight:
      t.KeepShadows = true;
      t.MidTone = 92;
      break;
  }
}

// The Exif tags that tell how the camera rendered the picture.
void ApplyExifRendering(const ExifPrintFields& e, ToneTargets& t) {
  if (e.Presence & kPrintHasContrast) {
    if (e.Contrast == 1) {  // soft: keep the ends
      t.ClipShadows = t.ClipHighlights = 0.0005;
      t.OutBlack += 4;
      t.OutWhite -= 4;
    } else if (e.Contrast == 2) {  // hard
      t.ClipShadows = t.ClipHighlights = 0.01;
    }
  }
  if (e.Presence & kPrintHasSaturation) {
    if (e.Saturation == 1) t.Saturation *= 0.93;
    if (e.Saturation == 2) t.Saturation *= 1.07;
  }
  // A white balance set by hand is the photographer's: no cast is removed.
  if ((e.Presence & kPrintHasWhiteBalance) && e.WhiteBalance == 1) t.Balance = 0;
}

}  // namespace

void ToneStatistics::Add(uint8_t r, uint8_t g, uint8_t b) {
  ++Luma[size_t(LumaOf(r, g, b))];
  ++Channel[0][r];
  ++Channel[1][g];
  ++Channel[2][b];
  ++Count;
}

ToneTargets TargetsForMode(int mode, const CaptureFacts& facts) {
  ToneTargets t;
  const ExifPrintFields& e = facts.Exif;
  const CaptureRecord& r = facts.Record;
  switch (mode) {
    case kModeExif:
      // Print-safe ends: paper white and the deepest ink keep a little detail.
      t.ClipShadows = t.ClipHighlights = 0.002;
      t.OutBlack = 6;
      t.OutWhite = 250;
      t.MidTone = 122;
      t.MaxGamma = 1.25;
      t.Saturation = 1.05;
      t.Balance = 0.35;
      if (e.Presence & kPrintHasSceneCaptureType) ApplyScene(e.SceneCaptureType, t);
      ApplyExifRendering(e, t);
      // The photographer chose the exposure: the mid-tones move little.
      if (((e.Presence & kPrintHasExposureMode) && e.ExposureMode == 1) ||
          ((e.Presence & kPrintHasCustomRendered) && e.CustomRendered == 1))
        t.MaxGamma = 1.1;
      // Adobe RGB data is already saturated on an sRGB-like working space.
      if (e.InteropIndex == "R03" || ((e.Presence & kPrintHasColorSpace) && e.ColorSpace == -1))
        t.Saturation *= 0.92;
      break;
    case kModeVividex:
    case kModeVividexExif:
      t.ClipShadows = t.ClipHighlights = 0.001;
      t.OutBlack = 4;
      t.OutWhite = 252;
      t.MidTone = r.MidTone ? r.MidTone : 124;
      t.MaxGamma = 1.4;
      t.Saturation = r.SaturationPercent ? r.SaturationPercent / 100.0 : 1.0;
      t.Balance = 0.6;
      ApplyScene(int16_t(r.Scene), t);
      if (r.Flags & kRecordLevelsMeasured) {
        t.FixedLevels = true;
        t.FixedBlack = r.Black;
        t.FixedWhite = r.White;
      }
      if (mode == kModeVividexExif && facts.HasExif) ApplyExifRendering(e, t);
      break;
    default:  // automatic tuning
      t.Saturation = 1.10;
      break;
  }
  t.MidTone = std::clamp(t.MidTone, 32, 224);
  return t;
}

ToneCorrection BuildCorrection(const ToneTargets& targets, const ToneStatistics* statistics, int strength,
                               int levels) {
  const bool analysed = statistics && statistics->Count > 0;
  // Levels from the luma, each channel pulled towards its own by Balance.
  int black = 0, white = 255;
  if (targets.FixedLevels) {
    black = targets.FixedBlack;
    white = targets.FixedWhite;
  } else if (analysed) {
    black = Percentile(statistics->Luma, statistics->Count, targets.ClipShadows, false);
    white = Percentile(statistics->Luma, statistics->Count, targets.ClipHighlights, true);
  }
  black = std::min(black, kMaxBlackPoint);
  white = std::max(white, kMinWhitePoint);
  if (white - black < kMinLevelRange) {
    const int middle = (white + black) / 2;
    black = std::max(0, middle - kMinLevelRange / 2);
    white = std::min(255, black + kMinLevelRange);
  }
  double channelBlack[3], channelWhite[3];
  for (int c = 0; c < 3; ++c) {
    int b = black, w = white;
    if (analysed && !targets.FixedLevels) {
      b = std::min(Percentile(statistics->Channel[size_t(c)], statistics->Count, targets.ClipShadows, false),
                   kMaxBlackPoint);
      w = std::max(Percentile(statistics->Channel[size_t(c)], statistics->Count, targets.ClipHighlights, true),
                   kMinWhitePoint);
      if (w - b < kMinLevelRange) b = black, w = white;
    }
    channelBlack[c] = black + (b - black) * targets.Balance;
    channelWhite[c] = white + (w - white) * targets.Balance;
  }
  auto stretch = [](double v, double b, double w) { return std::clamp((v - b) / (w - b), 0.0, 1.0); };

  // The mid-tone: the gamma that brings the mean luma after the levels to
  // the aim.
  double gamma = 1.0;
  if (analysed) {
    double sum = 0;
    for (int v = 0; v < 256; ++v) sum += double(statistics->Luma[size_t(v)]) * stretch(v, black, white);
    const double mean = std::clamp(sum / double(statistics->Count), 0.02, 0.98);
    gamma = std::log(targets.MidTone / 255.0) / std::log(mean);
    gamma = std::clamp(gamma, 1.0 / targets.MaxGamma, targets.MaxGamma);
    if (targets.KeepShadows) gamma = std::max(gamma, 1.0);
  }

  const double weight = double(std::clamp(strength, 0, kMaxStrength)) / kStandardStrength;
  const int steps = std::clamp(levels, 2, 256) - 1;
  ToneCorrection correction;
  for (int c = 0; c < 3; ++c) {
    for (int v = 0; v < 256; ++v) {
      const double x = std::pow(stretch(v, channelBlack[c], channelWhite[c]), 1.0 / gamma);
      const double corrected = targets.OutBlack + (targets.OutWhite - targets.OutBlack) * x;
      const double blended = std::clamp(v + (corrected - v) * weight, 0.0, 255.0);
      const double quantized = std::round(std::round(blended * steps / 255.0) * 255.0 / steps);
      correction.Curve[size_t(c)][size_t(v)] = uint8_t(quantized);
    }
  }
  correction.Saturation = int32_t(std::lround((1.0 + (targets.Saturation - 1.0) * weight) * 1024));
  return correction;
}

void ApplyCorrection(const ToneCorrection& k, const uint8_t* in, bool bgrIn, uint8_t* out, int32_t width) {
  const int ri = bgrIn ? 2 : 0, bi = bgrIn ? 0 : 2;
  for (int32_t x = 0; x < width; ++x, in += 3, out += 3) {
    const int r = k.Curve[0][in[ri]], g = k.Curve[1][in[1]], b = k.Curve[2][in[bi]];
    const int y = LumaOf(r, g, b);
    out[0] = uint8_t(std::clamp(y + (((r - y) * k.Saturation) >> 10), 0, 255));
    out[1] = uint8_t(std::clamp(y + (((g - y) * k.Saturation) >> 10), 0, 255));
    out[2] = uint8_t(std::clamp(y + (((b - y) * k.Saturation) >> 10), 0, 255));
  }
}

}  // namespace tl
