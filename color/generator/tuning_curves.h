// The colour change of each tone tuning profile, on CIELAB colours. Every
// change keeps white and black where they are, is smooth and monotonic,
// and grows with the strength (-3..+3).
#pragma once

#include <lcms2.h>

namespace tl {

// Bright: midtones lighter (positive) or darker (negative).
// Contrast: an S-shaped lightness curve about the middle grey.
// Vivid: chroma raised (with a soft limit) or lowered; hue kept.
cmsCIELab TuneLab(int kind, int strength, const cmsCIELab& in);

}  // namespace tl
