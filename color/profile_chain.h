// The profile chain of one image for one matching purpose: which profiles
// convert its pixels, in which order, with which rendering intents.
//
//   source       the capture-matching working profile (management mode
//                non-zero), else the file's embedded profile (when chosen),
//                else the chosen source profile
//   tuning       custom tuning only, for the tuned view and for output:
//                one profile per non-zero level (brightness, contrast,
//                vividness)
//   simulation   when simulation is on, for RGB images
//   output       the monitor profile on screen; for output by the
//                document's output mode: the printer profile (1), the
//                monitor profile (2), the program RGB working profile (3)
//
// Each entry's intent comes from its intent code; tuning profiles use
// their own. The output entry is last and its intent is never used.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "color/lcms_handles.h"

namespace tl {

struct ImageObject;

// What the chain needs from the image import, which lies below this layer
// and is handed in by the caller.
struct ColorMatchHooks {
  // Copies the ICC profile embedded in the image's file; false when it has
  // none.
  std::function<bool(const ImageObject&, std::vector<uint8_t>&)> ReadEmbeddedProfile;
  // Runs the capture-matching preview path over the image's preview
  // (automatic tuning).
  std::function<void(const ImageObject&)> ProcessAutoTuningPreview;
};

// The hooks of a normal run: the embedded profile read from the image
// file, and the preview call of the installed capture matcher.
ColorMatchHooks DefaultColorMatchHooks();

struct ProfileChainEntry {
  ProfilePtr Profile;
  int Intent = 0;     // ICC rendering intent
  std::string Path;   // the file; empty for a profile held in memory
  std::string Key;    // what the profile is, for reusing transforms; empty: never reused
};

struct ProfileChain {
  static constexpr size_t kMaxEntries = 6;
  std::vector<ProfileChainEntry> Entries;
};

// Builds the chain; false when a profile it needs does not open, is not
// valid, or does not fit the image's colour space.
bool BuildProfileChain(const ImageObject& image, int purpose, const ColorMatchHooks& hooks, ProfileChain& chain);

}  // namespace tl
