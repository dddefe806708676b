// The profile lists of the colour dialogs. Each entry shows a profile's
// description and carries its file name. The input dialogs list RGB and
// CMYK profiles; the output dialog lists monitor and printer profiles.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tl {

// String id of the first printer-list entry, "Recommended by ORVEX".
constexpr int kRecommendedPrinterProfileId = 32832;

struct ProfileListEntry {
  std::string Description;
  std::string FileName;
};
using ProfileList = std::vector<ProfileListEntry>;

enum class ProfileListSet {
  Input,   // RGB and CMYK lists
  Output,  // monitor and printer lists
};

struct ProfileLists {
  ProfileList Rgb;
  ProfileList Cmyk;
  ProfileList Monitor;
  ProfileList Printer;
};

// Fills the two lists of `set`, opening every profile of the colour
// folders once (".icm" files, then ".icc"). `printerProfile` is the printer
// profile name stored in the document: the item data of the printer list's
// first entry.
//
//   RGB      the default RGB profile, then every other RGB profile
//   CMYK     the default CMYK profile, then every other CMYK profile
//   monitor  DefaultProfileName("mntr"), then every other display profile
//   printer  "Recommended by ORVEX", DefaultProfileName("prtr"), then every
//            other RGB printer or display profile
ProfileLists ListProfiles(ProfileListSet set, std::string_view printerProfile = {});

}  // namespace tl
