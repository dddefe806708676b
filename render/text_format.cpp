#include "render/text_format.h"

namespace tl {

std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  auto next = values.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      text += c;
      continue;
    }
    const char kind = pattern[i + 1];
    // "%ld" is "%d" with the long modifier the table's status texts carry.
    if (kind == 'l' && i + 2 < pattern.size() && pattern[i + 2] == 'd') {
      if (next != values.end()) text += *next++;
      i += 2;
    } else if (kind == 's' || kind == 'd') {
      if (next != values.end()) text += *next++;
      ++i;
    } else if (kind == '%') {
      text += '%';
      ++i;
    } else {
      text += c;
    }
  }
  return text;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace tl
