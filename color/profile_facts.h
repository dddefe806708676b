// What the profile lists and description lookups need from a profile
// file, read once per version of the file.
//
// Lists and lookups walk every installed profile, and printer profiles run
// to megabytes; opening each one in full for every side panel refresh or
// every profile named in a layout cost far more than the answer. The
// facts are kept for the life of the process, keyed by the file's path and
// checked against its identity, size and times, so a replaced or edited
// profile is read again; a file changed in the last moments is always read.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

struct ProfileFacts {
  std::string Description;  // the "desc" tag's ASCII text; may be empty
  uint32_t ColorSpace;      // cmsSigRgbData, cmsSigCmykData, ...
  uint32_t DeviceClass;     // cmsSigDisplayClass, cmsSigOutputClass, ...
};

// The facts of the profile at `path`; false when the file is missing or
// does not open as a profile.
bool ReadProfileFacts(const std::string& path, ProfileFacts& facts);

}  // namespace tl
