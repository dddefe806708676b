// Basic value types of the layout model: points, sizes and rectangles in
// layout units (1/360 inch), colours and four-character codes.
#pragma once

#include <cstdint>

namespace tl {

constexpr int32_t kLayoutUnitsPerInch = 360;

struct LPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const LPoint&, const LPoint&) = default;
};

struct LSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const LSize&, const LSize&) = default;
};

// Left, top, right, bottom; right and bottom are exclusive.
struct LRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const LRect&, const LRect&) = default;
};

// 0x00BBGGRR, as the records and files keep colours.
using ColorRef = uint32_t;

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;

constexpr ColorRef MakeColor(uint8_t r, uint8_t g, uint8_t b) {
  return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}
constexpr uint8_t ColorRed(ColorRef c) { return uint8_t(c & 0xFF); }
constexpr uint8_t ColorGreen(ColorRef c) { return uint8_t((c >> 8) & 0xFF); }
constexpr uint8_t ColorBlue(ColorRef c) { return uint8_t((c >> 16) & 0xFF); }

// A four-character code: first character in the most significant byte.
constexpr uint32_t FourCC(const char (&code)[5]) {
  return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) |
         (uint32_t(uint8_t(code[2])) << 8) | uint32_t(uint8_t(code[3]));
}

}  // namespace tl
