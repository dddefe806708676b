// What a profile is called: its description, the profile that carries a
// description, and the colour-space-class test.
#pragma once

#include <string>
#include <string_view>

#include "color/lcms_handles.h"

namespace tl {

// Longest description read, in bytes.
constexpr size_t kMaxDescriptionBytes = 512;

// The ASCII text of the profile's "desc" tag; empty when it has none.
std::string ProfileDescription(cmsHPROFILE profile);

// The name of the first profile of the colour folders whose description
// equals `description`, ignoring case: ".icm" files first, then ".icc";
// empty when none matches.
std::string FindProfileByDescription(std::string_view description);

// True when the profile at `path` (or of that name) opens and its device
// class is "spac" (a colour space conversion profile); `description`
// receives its description when it opens.
bool IsColorSpaceClassProfile(const std::string& path, std::string* description = nullptr);

}  // namespace tl
