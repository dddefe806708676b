// Converting a bitmap through a profile chain: one LittleCMS transform for
// the whole chain, with the intent of each step, applied in place to the
// 32-bit pixels.
//
// Each step from one entry to the next uses the first entry's intent. A
// device profile inside the chain is passed twice, once to be converted
// into and once to be converted from; an abstract profile once. Pixels are
// blue, green, red, fourth byte for RGB (the fourth byte is kept) and
// cyan, magenta, yellow, black for CMYK; the fourth byte is cleared when
// CMYK becomes RGB.
#pragma once

#include "color/profile_chain.h"
#include "color/transform_cache.h"

namespace tl {

struct OffscreenBitmap;

// The chain's transform, from the shared cache or newly built (and kept;
// a chain with an entry that has no key is built every time); null when
// LittleCMS cannot build it or an end's colour space has no bitmap format.
SharedTransform ChainTransform(const ProfileChain& chain);

// Converts `bitmap` in place, its rows shared among `threads` threads (0:
// one per core); the pixels are the same for any number of threads. False
// when the chain has fewer than two entries or its transform cannot be
// built.
bool ApplyProfileChain(const ProfileChain& chain, OffscreenBitmap& bitmap, int threads = 0);

}  // namespace tl
