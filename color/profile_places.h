// Where profiles live and how a profile name becomes a file.
//
//   colour folders       the freedesktop ICC folders, then the program's own
//                        <data>/icc (the default RGB and CMYK profiles), in
//                        search order; a bare name is the first file of
//                        that name among them
//   application folder   <data>/LabLab: the program RGB working profile and
//                        the tone tuning profiles
//
// A name holding a "/" is a path and is used as it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "color/lcms_handles.h"

namespace tl {

// String ids of the program's profile names.
constexpr int kApplicationProfileFolderId = 10034;  // "LabLab"
constexpr int kDefaultCmykProfileId = 10044;        // "Tessaline_CMYK.icc"
constexpr int kWorkingRgbProfileId = 10466;         // "OX_sRGB"

// The default RGB profile, also the standard colour space profile of the
// screen when it reports none.
inline constexpr std::string_view kDefaultRgbProfileName = "sRGB Color Space Profile.ICM";

struct ProfilePlaces {
  std::vector<std::string> ColorFolders;
  std::string ApplicationFolder;
};

// The places of an installed program or a build tree.
ProfilePlaces DefaultProfilePlaces();
// The places in force: DefaultProfilePlaces() unless a scope set others.
ProfilePlaces CurrentProfilePlaces();

// Puts other places in force for one scope (tests, tools).
class ScopedProfilePlaces {
 public:
  explicit ScopedProfilePlaces(ProfilePlaces places);
  ~ScopedProfilePlaces();
  ScopedProfilePlaces(const ScopedProfilePlaces&) = delete;
  ScopedProfilePlaces& operator=(const ScopedProfilePlaces&) = delete;

 private:
  bool hadPrevious_;
  ProfilePlaces previous_;
};

bool IsProfilePath(std::string_view name);

// The file a profile name stands for: a path as it is, a bare name in the
// first colour folder that holds it; empty when there is none.
std::string ResolveProfileName(std::string_view name);

// The name to keep for a profile file: the bare file name when the colour
// folders find this very file by it, else the full path.
std::string ProfileNameForPath(const std::string& path);

// Opens a profile by name or path; `path` receives the file it came from.
ProfilePtr OpenProfileByName(std::string_view name, std::string* path = nullptr);

// A file in the application folder.
std::string ApplicationProfilePath(std::string_view name);

// The profile files of the colour folders whose extension is `extension`
// (".icm", ".icc"; case ignored), by name within each folder; a name
// already found in an earlier folder is left out, as opening by that name
// would not reach it.
struct ProfileFile {
  std::string Name;
  std::string Path;
};
std::vector<ProfileFile> ListProfileFiles(std::string_view extension);

// ASCII case-insensitive equality, as profile names and descriptions are
// compared.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tl
