// The value syntaxes of layout files: how one setting is written as the text
// of its element and read back from it. Reading never fails except where a
// syntax is strict; text that does not fit gives the syntax's neutral value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/geometry.h"

namespace tl {

// Longest text kept from a file, in bytes (never cut inside a character).
inline constexpr size_t kMaxFileTextBytes = 255;

// Integers: decimal. Reading takes each run of digits with a minus sign
// directly before it; values beyond 32 bits saturate, 16-bit fields keep the
// low 16 bits (Low16).
std::string IntegerText(int64_t value);
int32_t ReadInteger(std::string_view text);
// Fills up to `count` values from the successive runs; returns how many the
// text held.
size_t ScanIntegers(std::string_view text, int32_t* values, size_t count);
// Up to N integers; those the text lacks are 0.
template <size_t N>
std::array<int32_t, N> ReadIntegers(std::string_view text) {
  std::array<int32_t, N> values{};
  ScanIntegers(text, values.data(), N);
  return values;
}
inline int16_t Low16(int32_t value) { return int16_t(uint16_t(uint32_t(value) & 0xFFFF)); }

// Bools: "true" or "false". Lenient reading: true only for "true" in any
// case. Strict reading: exactly "true" or "false", else false is returned.
std::string_view BoolText(bool value);
bool ReadBool(std::string_view text);
bool ReadStrictBool(std::string_view text, bool& value);

// Pairs hold the vertical value first; rectangles are top, left, bottom,
// right; colours red, green, blue; dates year-month-day.
std::string PairText(int32_t vertical, int32_t horizontal);
inline std::string PointText(const LPoint& p) { return PairText(p.y, p.x); }
inline std::string SizeText(const LSize& s) { return PairText(s.cy, s.cx); }
LPoint ReadPoint(std::string_view text);
LSize ReadSize(std::string_view text);
std::string RectText(const LRect& r);
LRect ReadRect(std::string_view text);
std::string ColorText(ColorRef color);
ColorRef ReadColor(std::string_view text);
std::string DateText(const std::array<int16_t, 3>& date);
std::array<int16_t, 3> ReadDate(std::string_view text);

// Font sizes in points: layout units / 5 when writing, x 5 when reading.
std::string PointsText(int16_t size);
int16_t ReadPoints(std::string_view text);

// Faces: "Normal", or "Bold", "Italic", "Underline" joined by "+".
std::string FaceText(int16_t face);
int16_t ReadFace(std::string_view text);

// Label items: the item names of the set bits joined by "+", or "Off".
std::string LabelItemsText(int32_t items);
int32_t ReadLabelItems(std::string_view text);

// Texts are written in double quotes with every carriage return removed;
// reading takes what lies between the first and the last double quote and
// puts a carriage return before every line feed (empty without two quotes).
std::string QuotedText(std::string_view text);
std::string ReadQuotedText(std::string_view text);
// The quoted text cut to kMaxFileTextBytes.
std::string ReadQuotedTextCut(std::string_view text);

// `text` made fit for an XML text node: invalid UTF-8 becomes U+FFFD and
// the characters XML cannot carry (controls other than tab and line feed,
// U+FFFE, U+FFFF) are left out, so a saved file always parses again.
std::string XmlSafeText(std::string_view text);

}  // namespace tl
