#include "persistence/value_syntax.h"

#include <strings.h>

#include <algorithm>
#include <climits>

#include "document/fixed_string.h"

namespace tl {
namespace {

constexpr int16_t kPointsFactor = 5;

struct NamedBit {
  std::string_view name;
  int32_t bit;
};

constexpr NamedBit kFaceWords[] = {{"Bold", 0x100}, {"Italic", 0x200}, {"Underline", 0x400}};

// LabelItems bit 1 << i is named kLabelItemNames[i].
constexpr std::string_view kLabelItemNames[] = {
    "Number",          "Name",          "Created",       "Modified",         "Size",
    "Image Type",      "Pixels",        "Resolution",    "Source Profile",   "Simulation Profile",
    "Maker",           "Model",         "Exif Version",  "Data Time Original", "Data Time Digitized",
    "Light Source",    "Exposure Time", "Exposure Bias Value", "F Value",    "ISO Speed Ratings",
    "White Balance",   "Color Space",   "Contrast",      "Saturation",       "Flash"};
constexpr std::string_view kNoLabelItems = "Off";
constexpr std::string_view kNormalFace = "Normal";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Joined(const std::string& a, std::string_view b) { return a.empty() ? std::string(b) : a + "+" + std::string(b); }

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`; false (and one byte consumed) for an
// invalid, overlong or surrogate sequence.
bool DecodeUtf8(std::string_view s, size_t& i, uint32_t& cp) {
  const auto c = uint8_t(s[i]);
  size_t n = 0;
  uint32_t min = 0;
  if (c < 0x80) {
    cp = c;
    ++i;
    return true;
  }
  if ((c & 0xE0) == 0xC0) n = 2, cp = c & 0x1F, min = 0x80;
  else if ((c & 0xF0) == 0xE0) n = 3, cp = c & 0x0F, min = 0x800;
  else if ((c & 0xF8) == 0xF0) n = 4, cp = c & 0x07, min = 0x10000;
  if (n == 0 || i + n > s.size()) {
    ++i;
    return false;
  }
  for (size_t k = 1; k < n; ++k) {
    const auto t = uint8_t(s[i + k]);
    if ((t & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    cp = (cp << 6) | (t & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += n;
  return true;
}

bool XmlCarries(uint32_t cp) {
  if (cp < 0x20) return cp == '\t' || cp == '\n';
  return cp != 0xFFFE && cp != 0xFFFF;
}

}  // namespace

std::string IntegerText(int64_t value) { return std::to_string(value); }

size_t ScanIntegers(std::string_view text, int32_t* values, size_t count) {
  size_t found = 0;
  size_t i = 0;
  while (i < text.size() && found < count) {
    if (!IsDigit(text[i])) {
      ++i;
      continue;
    }
    const bool negative = i > 0 && text[i - 1] == '-';
    int64_t v = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) v = std::min<int64_t>(v * 10 + (text[i] - '0'), int64_t(INT32_MAX) + 1);
    v = negative ? -v : v;
    values[found++] = int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  }
  return found;
}

int32_t ReadInteger(std::string_view text) { return ReadIntegers<1>(text)[0]; }

std::string_view BoolText(bool value) { return value ? "true" : "false"; }

bool ReadBool(std::string_view text) { return text.size() == 4 && strncasecmp(text.data(), "true", 4) == 0; }

bool ReadStrictBool(std::string_view text, bool& value) {
  if (text == "true") value = true;
  else if (text == "false") value = false;
  else return false;
  return true;
}

std::string PairText(int32_t vertical, int32_t horizontal) {
  return std::to_string(vertical) + "," + std::to_string(horizontal);
}

LPoint ReadPoint(std::string_view text) {
  const auto v = ReadIntegers<2>(text);
  return {v[1], v[0]};
}

LSize ReadSize(std::string_view text) {
  const auto v = ReadIntegers<2>(text);
  return {v[1], v[0]};
}

std::string RectText(const LRect& r) {
  return std::to_string(r.top) + "," + std::to_string(r.left) + "," + std::to_string(r.bottom) + "," +
         std::to_string(r.right);
}

LRect ReadRect(std::string_view text) {
  const auto v = ReadIntegers<4>(text);
  return {v[1], v[0], v[3], v[2]};
}

std::string ColorText(ColorRef c) {
  return std::to_string(ColorRed(c)) + "," + std::to_string(ColorGreen(c)) + "," + std::to_string(ColorBlue(c));
}

ColorRef ReadColor(std::string_view text) {
  // A component outside 0..255 would spill into its neighbour; it is held
  // to the range instead.
  const auto v = ReadIntegers<3>(text);
  const auto component = [](int32_t x) { return uint8_t(std::clamp(x, 0, 255)); };
  return MakeColor(component(v[0]), component(v[1]), component(v[2]));
}

std::string DateText(const std::array<int16_t, 3>& d) {
  return std::to_string(d[0]) + "-" + std::to_string(d[1]) + "-" + std::to_string(d[2]);
}

std::array<int16_t, 3> ReadDate(std::string_view text) {
  // The separators are minus signs; only the first number may be negative.
  const auto v = ReadIntegers<3>(text);
  return {Low16(v[0]), Low16(std::abs(v[1])), Low16(std::abs(v[2]))};
}

std::string PointsText(int16_t size) { return std::to_string(size / kPointsFactor); }

int16_t ReadPoints(std::string_view text) { return Low16(int32_t(int64_t(ReadInteger(text)) * kPointsFactor)); }

std::string FaceText(int16_t face) {
  std::string text;
  for (const NamedBit& w : kFaceWords)
    if (face & w.bit) text = Joined(text, w.name);
  return text.empty() ? std::string(kNormalFace) : text;
}

int16_t ReadFace(std::string_view text) {
  int32_t face = 0;
  for (const NamedBit& w : kFaceWords)
    if (text.find(w.name) != std::string_view::npos) face |= w.bit;
  return int16_t(face);
}

std::string LabelItemsText(int32_t items) {
  std::string text;
  for (size_t i = 0; i < std::size(kLabelItemNames); ++i)
    if (items & (int32_t(1) << i)) text = Joined(text, kLabelItemNames[i]);
  return text.empty() ? std::string(kNoLabelItems) : text;
}

int32_t ReadLabelItems(std::string_view text) {
  if (text.find(kNoLabelItems) != std::string_view::npos) return 0;
  int32_t items = 0;
  for (size_t i = 0; i < std::size(kLabelItemNames); ++i)
    if (text.find(kLabelItemNames[i]) != std::string_view::npos) items |= int32_t(1) << i;
  return items;
}

std::string QuotedText(std::string_view text) {
  std::string out = "\"";
  for (char c : text)
    if (c != '\r') out += c;
  out += '"';
  return out;
}

std::string ReadQuotedText(std::string_view text) {
  const size_t first = text.find('"');
  const size_t last = text.rfind('"');
  if (first == std::string_view::npos || last == first) return {};
  std::string out;
  for (char c : text.substr(first + 1, last - first - 1)) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string ReadQuotedTextCut(std::string_view text) {
  return std::string(Utf8Prefix(ReadQuotedText(text), kMaxFileTextBytes));
}

std::string XmlSafeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    uint32_t cp = 0;
    if (!DecodeUtf8(text, i, cp)) cp = 0xFFFD;
    if (XmlCarries(cp)) AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace tl
