#include "persistence/settings_text.h"

#include <array>

#include "document/fixed_string.h"
#include "persistence/value_syntax.h"

namespace tl {
namespace {

constexpr std::array<std::string_view, kSettingKeyCount> kSettingKeys = {
#define TL_SETTING_KEY(identifier, key) key,
#include "persistence/settings_keys.def"
#undef TL_SETTING_KEY
};
static_assert(kSettingKeys.back() == "cutterMark", "the table has exactly kSettingKeyCount keys");

constexpr char kLineBreakMark = 16;  // a carriage return inside a text value
constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// A key ends at ":" or at the first character whose code is 48 or less.
bool EndsKey(char c) { return c == ':' || static_cast<unsigned char>(c) <= '0'; }

}  // namespace

std::string_view SettingKeyName(SettingKey key) {
  const auto i = size_t(key);
  return i < kSettingKeys.size() ? kSettingKeys[i] : std::string_view();
}

bool ParseSettingsLine(std::string_view line, SettingsLine& parsed) {
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  line.remove_prefix(i);
  if (line.empty() || line[0] == '#') return false;
  size_t end = 0;
  while (end < line.size() && !EndsKey(line[end])) ++end;
  const std::string_view key = line.substr(0, end);
  for (size_t k = 0; k < kSettingKeys.size(); ++k) {
    if (kSettingKeys[k] != key) continue;
    parsed.Key = SettingKey(k);
    parsed.Value = end < line.size() && line[end] == ':' ? line.substr(end + 1) : std::string_view();
    return true;
  }
  return false;
}

std::vector<std::string_view> SettingsLines(std::string_view text) {
  text = text.substr(0, std::min(text.size(), kMaxSettingsBytes));
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    if (i > start) lines.push_back(text.substr(start, std::min(i - start, kMaxSettingsLineBytes)));
    start = i + 1;
  }
  return lines;
}

void SettingsTextWriter::Section(SettingKey section) {
  text_ += SettingKeyName(section);
  text_ += kLineEnd;
}

void SettingsTextWriter::Marker(SettingKey key) {
  text_ += '\t';
  text_ += SettingKeyName(key);
  text_ += kLineEnd;
}

void SettingsTextWriter::Value(SettingKey key, std::string_view value) {
  text_ += '\t';
  text_ += SettingKeyName(key);
  text_ += ':';
  text_ += value;
  text_ += kLineEnd;
}

std::string SettingBool(bool value) { return std::string(BoolText(value)); }

std::string SettingPair(int32_t vertical, int32_t horizontal) { return PairText(vertical, horizontal); }

std::string SettingRect(const LRect& r) { return RectText(r); }

std::string SettingColor(ColorRef c) {
  constexpr int kWiden = 257;
  return std::to_string(ColorRed(c) * kWiden) + "," + std::to_string(ColorGreen(c) * kWiden) + "," +
         std::to_string(ColorBlue(c) * kWiden);
}

std::string SettingText(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') continue;
    out += c == '\r' ? kLineBreakMark : c;
  }
  out += '"';
  return out;
}

bool ReadSettingBool(std::string_view value) { return ReadBool(value); }

ColorRef ReadSettingColor(std::string_view value) {
  const auto v = ReadIntegers<3>(value);
  const auto upper = [](int32_t component) { return uint8_t((uint32_t(component) >> 8) & 0xFF); };
  return MakeColor(upper(v[0]), upper(v[1]), upper(v[2]));
}

std::string ReadSettingText(std::string_view value, size_t maxBytes) {
  const size_t first = value.find('"');
  const size_t last = value.rfind('"');
  if (first == std::string_view::npos || last == first) return {};
  std::string out;
  for (char c : value.substr(first + 1, last - first - 1)) {
    if (c == kLineBreakMark) out += "\r\n";
    else out += c;
  }
  return std::string(Utf8Prefix(out, maxBytes));
}

}  // namespace tl
