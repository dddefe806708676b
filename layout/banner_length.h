// The "Length" dialog of banner layouts without its widgets: the length of
// the banner page in the dialog's unit, the shortest length the layout
// needs and the longest one allowed, and what OK changes.
#pragma once

#include <cstdint>
#include <string>

#include "document/layout_document.h"

namespace tl {

constexpr int32_t kMaxBannerLength = 30000;

struct BannerLengthValues {
  int Unit = 0;
  std::string Length;  // in Unit
  int32_t Current = 0;
  int32_t Min = 0;
  int32_t Max = kMaxBannerLength;
};

// The page's length along the banner: its width for a landscape roll,
// else its height.
int32_t BannerLength(const LayoutDocument& document);

// The shortest length the layout can have: one sheet of the paper, and in
// free layout the farthest object edge along the banner; in automatic
// layout the length at which the flow still fits all images.
int32_t BannerLengthMinimum(const LayoutDocument& document);

// False for a layout that is no banner.
bool OpenBannerLength(const LayoutDocument& document, BannerLengthValues& values);

void ChooseBannerLengthUnit(BannerLengthValues& values, int unit);

// OK. A length beyond the limits is replaced in the edit by the limit it
// passed (a text that is no number by the current length), with the error
// beep, and false. A new length becomes the page's, the layout is arranged
// again, the view told of the new page and the undo snapshot forgotten.
bool ApplyBannerLength(BannerLengthValues& values, LayoutDocument& document);

}  // namespace tl
