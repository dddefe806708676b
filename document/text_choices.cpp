#include "document/text_choices.h"

#include <algorithm>
#include <cstdlib>

namespace tl {
namespace {

constexpr int kTextPoints[] = {4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 24, 28, 32, 40};
constexpr int kFreeTextPoints[] = {4,  5,  6,  7,  8,  9,  10, 12,  14,  16,  18,  20,
                                   24, 28, 32, 40, 56, 78, 110, 150, 210, 300, 420};
constexpr int kLineHeights[] = {110, 125, 150, 175, 200, 225, 250};
constexpr int kPercent = 100;

}  // namespace

std::span<const int> TextPointSizes() { return kTextPoints; }
std::span<const int> FreeTextPointSizes() { return kFreeTextPoints; }
std::span<const int> LineHeightPercents() { return kLineHeights; }

std::vector<int16_t> FontSizeChoices(std::span<const int> points, int16_t current) {
  std::vector<int16_t> sizes;
  for (int p : points) sizes.push_back(int16_t(p * kUnitsPerPoint));
  if (current > 0 && std::find(sizes.begin(), sizes.end(), current) == sizes.end()) {
    sizes.push_back(current);
    std::sort(sizes.begin(), sizes.end());
  }
  return sizes;
}

std::string PointText(int16_t size) {
  std::string text = std::to_string(size / kUnitsPerPoint);
  if (const int fifths = std::abs(size % kUnitsPerPoint)) text += "." + std::to_string(fifths * 2);
  return text;
}

int16_t LineHeightFor(int percent, int16_t size) { return int16_t(int32_t(percent) * size / kPercent); }

int NearestLineHeightPercent(int16_t lineHeight, int16_t size) {
  const int64_t actual = size > 0 ? int64_t(lineHeight) * kPercent * 10 / size : 0;  // tenths of a percent
  int best = kLineHeights[0];
  for (int p : kLineHeights)
    if (std::llabs(int64_t(p) * 10 - actual) < std::llabs(int64_t(best) * 10 - actual)) best = p;
  return best;
}

}  // namespace tl
