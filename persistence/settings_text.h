// SettingsTextFormat: the line format of the preferences file. Lines end
// with CR LF; a section line is a section name at the start of a line; a
// value line is a tab, a key and optionally ":" and a value; lines that
// start with "#" are comments. This file holds the key table, the line
// reader and writer, and the value forms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/geometry.h"

namespace tl {

enum class SettingKey : int16_t {
#define TL_SETTING_KEY(identifier, key) identifier,
#include "persistence/settings_keys.def"
#undef TL_SETTING_KEY
};

inline constexpr int kSettingKeyCount = 130;

std::string_view SettingKeyName(SettingKey key);

// The sections: the keys of kinds 0 to 5.
inline bool IsSettingsSection(SettingKey key) { return int16_t(key) <= int16_t(SettingKey::Header); }

// One line of a settings text, taken apart. False for comments, blank lines
// and unknown keys, which the reader passes over.
struct SettingsLine {
  SettingKey Key = SettingKey::User;
  std::string_view Value;  // after the ":"; empty without one
};
bool ParseSettingsLine(std::string_view line, SettingsLine& parsed);

// The lines of a text: split at carriage returns and line feeds, leading
// white space skipped. Text past kMaxSettingsBytes, and the part of a line
// beyond kMaxSettingsLineBytes, is not read.
inline constexpr size_t kMaxSettingsBytes = size_t(1) << 20;
inline constexpr size_t kMaxSettingsLineBytes = 4096;
std::vector<std::string_view> SettingsLines(std::string_view text);

// Builds a settings text line by line.
class SettingsTextWriter {
 public:
  void Section(SettingKey section);
  // A value line without a value ("default", "done").
  void Marker(SettingKey key);
  void Value(SettingKey key, std::string_view value);

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Value forms. Pairs hold the vertical value first, rectangles are top,
// left, bottom, right; colours are three 16-bit components (each 8-bit
// component times 257); texts are quoted, with line feeds dropped and
// carriage returns stored as byte 16.
std::string SettingBool(bool value);
std::string SettingPair(int32_t vertical, int32_t horizontal);
std::string SettingRect(const LRect& r);
std::string SettingColor(ColorRef color);
std::string SettingText(std::string_view text);

bool ReadSettingBool(std::string_view value);
ColorRef ReadSettingColor(std::string_view value);
// The text between the first and the last double quote, byte 16 turned
// into CR LF, cut to `maxBytes` (never inside a character).
std::string ReadSettingText(std::string_view value, size_t maxBytes);

}  // namespace tl
