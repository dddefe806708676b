// Opening ICC profiles from memory, from a file and from the program's own
// resource. Every profile is checked before it is handed out; one that fails
// the checks (wrong size field, bad tag table, unknown class or colour
// space, no usable conversion tables) is treated as absent: null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "color/lcms_handles.h"

namespace tl {

// Largest profile file read; real profiles stay far below it.
constexpr size_t kMaxProfileBytes = size_t(64) << 20;

// The profile at `data`. Its own size field (the first four bytes,
// big-endian) gives its length: it must cover the header and the tag count
// and lie within `size` (a truncated profile fails); bytes past it are
// ignored. The bytes are copied.
ProfilePtr OpenProfileFromMemory(const uint8_t* data, size_t size);
inline ProfilePtr OpenProfileFromMemory(const std::vector<uint8_t>& bytes) {
  return OpenProfileFromMemory(bytes.data(), bytes.size());
}

// The profile file at `path`, read whole; null when it cannot be read or is
// larger than kMaxProfileBytes.
ProfilePtr OpenProfileFile(const std::string& path);

// The working profile of the capture-matching path, built into the program.
ProfilePtr OpenResourceProfile();

// Header fields as four-character codes.
uint32_t ProfileColorSpace(cmsHPROFILE profile);
uint32_t ProfileDeviceClass(cmsHPROFILE profile);

// The checks every opened profile passes.
bool ProfileIsValid(cmsHPROFILE profile);

}  // namespace tl
