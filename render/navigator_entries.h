// What the navigator bar's boxes show and what typing in them means: the
// zoom box holds a percentage ("%.2f%%" unless a preset matches), the page
// box entries "%d / %d".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/view_zoom.h"

namespace tl {

// A typed zoom: a percentage x, a trailing "%" ignored, becomes
// floor(x) : 100 from 100 % up and 100 : round(10000 / x) below, in lowest
// terms. False for 0, a negative number, text or an absurd size; the box
// then shows its previous entry again.
bool ParseZoomEntry(std::string_view text, ZoomRatio& zoom);

// The zoom as the box shows it when no preset matches: "%.2f%%".
std::string ZoomEntryText(ZoomRatio zoom);

// A typed page: a number from 1 to `count`, optionally followed by
// "/ count" as the entries read; `page` is counted from 0. False for
// anything else.
bool ParsePageEntry(std::string_view text, int32_t count, int32_t& page);

// The entry of page `page` (from 0): "%d / %d".
std::string PageEntryText(int32_t page, int32_t count);

}  // namespace tl
