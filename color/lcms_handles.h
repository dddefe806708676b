// Owning handles for LittleCMS objects: every profile and transform the
// colour layer opens is closed by the handle that holds it.
#pragma once

#include <lcms2.h>

#include <memory>
#include <type_traits>

namespace tl {

struct ProfileCloser {
  void operator()(void* profile) const { cmsCloseProfile(profile); }
};
struct TransformDeleter {
  void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
struct PipelineDeleter {
  void operator()(cmsPipeline* pipeline) const { cmsPipelineFree(pipeline); }
};
struct ToneCurveDeleter {
  void operator()(cmsToneCurve* curve) const { cmsFreeToneCurve(curve); }
};

using ProfilePtr = std::unique_ptr<std::remove_pointer_t<cmsHPROFILE>, ProfileCloser>;
using TransformPtr = std::unique_ptr<std::remove_pointer_t<cmsHTRANSFORM>, TransformDeleter>;
using PipelinePtr = std::unique_ptr<cmsPipeline, PipelineDeleter>;
using ToneCurvePtr = std::unique_ptr<cmsToneCurve, ToneCurveDeleter>;

}  // namespace tl
