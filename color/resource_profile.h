// The ICC profile built into the program (resource type "ICC", id 208): the
// working profile of the capture-matching path. Its bytes are written by the
// profile generator at build time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tl {

extern const uint8_t kCaptureWorkingProfile[];
extern const size_t kCaptureWorkingProfileSize;

}  // namespace tl
