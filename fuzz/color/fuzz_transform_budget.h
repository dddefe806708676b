// Makes LittleCMS sample every transform of a fuzz target into a grid of
// kFuzzGridPoints per channel: an optimisation plug-in that only lowers
// the grid size and leaves the optimising itself to LittleCMS.
#pragma once

#include <lcms2.h>
#include <lcms2_plugin.h>

#include "fuzz/fuzz_budget.h"

namespace tl::fuzz {

inline cmsBool UseSmallGrid(cmsPipeline**, cmsUInt32Number, cmsUInt32Number*, cmsUInt32Number*,
                            cmsUInt32Number* flags) {
  constexpr cmsUInt32Number kGridPointsField = 0x00FF0000;
  *flags = (*flags & ~kGridPointsField) | cmsFLAGS_GRIDPOINTS(kFuzzGridPoints);
  return FALSE;  // not optimised here: LittleCMS goes on with its own
}

inline void LimitTransformGrids() {
  static cmsPluginOptimization plugin = {{cmsPluginMagicNumber, LCMS_VERSION, cmsPluginOptimizationSig, nullptr},
                                         UseSmallGrid};
  cmsPlugin(&plugin);
}

}  // namespace tl::fuzz
