#include "resources/string_table.h"

#include <algorithm>
#include <iterator>

namespace tl {
namespace {

struct StringEntry {
  int id;
  std::string_view text;
};

constexpr StringEntry kStrings[] = {
#define TL_STRING(id, text) {id, text},
#include "resources/strings.def"
#undef TL_STRING
};

constexpr bool IdsAscending() {
  for (size_t i = 1; i < std::size(kStrings); ++i)
    if (kStrings[i - 1].id >= kStrings[i].id) return false;
  return true;
}
static_assert(IdsAscending(), "strings.def must list each id once, in ascending order");

}  // namespace

std::string_view StringText(int id) {
  auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                             [](const StringEntry& e, int key) { return e.id < key; });
  if (it == std::end(kStrings) || it->id != id) return {};
  return it->text;
}

std::string StringCopy(int id) { return std::string(StringText(id)); }

std::string StringWith(int id, std::initializer_list<std::string_view> values) {
  const std::string_view text = StringText(id);
  std::string out;
  auto next = values.begin();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 's') {
      if (next != values.end()) out += *next++;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace tl
