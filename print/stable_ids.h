// Identifiers for what a printer offers that stay the same from run to run
// for the same printer: fixed ids for well-known names and sizes, else a
// hash of the name moved past ids already given.
#pragma once

#include <cstdint>
#include <set>
#include <string_view>

namespace tl {

// The paper table's driver id of a paper of this size (0.1 mm, either way
// round, within a millimetre); 0 when no row matches.
int16_t PaperTableIdForSize(int32_t width, int32_t length);

// A hashed id of `keyword` in [first, last], not in `taken`; it is added.
int32_t HashedId(std::string_view keyword, int32_t first, int32_t last, std::set<int32_t>& taken);

// The fixed source id of an IPP media-source keyword; 0 when none.
int32_t FixedSourceId(std::string_view keyword);
// Whether a media-source keyword names a roll.
bool IsRollSource(std::string_view keyword);
// The fixed media type id of an IPP media-type keyword; 0 when none.
int32_t FixedMediaTypeId(std::string_view keyword);

}  // namespace tl
