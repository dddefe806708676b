// The choices the text dialogs offer: font sizes in points (stored as
// layout units, five to the point) and line heights as a percentage of
// the size. A value a file brings that is no preset is offered too, so a
// dialog shows it and gives it back unchanged.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tl {

constexpr int16_t kUnitsPerPoint = 5;

// Labels, captions, the header and footer.
std::span<const int> TextPointSizes();
// Free texts: the same and larger ones.
std::span<const int> FreeTextPointSizes();
// Line heights, percent of the font size.
std::span<const int> LineHeightPercents();

// The sizes (layout units) of `points`, with `current` among them when it
// is positive and no preset; ascending.
std::vector<int16_t> FontSizeChoices(std::span<const int> points, int16_t current);

// A size in layout units as points: "10", or "10.4" for sizes between.
std::string PointText(int16_t size);

// The line height of `percent` for a font of `size`: percent x size / 100.
int16_t LineHeightFor(int percent, int16_t size);

// The preset percentage nearest to a line height for a font of `size`.
int NearestLineHeightPercent(int16_t lineHeight, int16_t size);

}  // namespace tl
