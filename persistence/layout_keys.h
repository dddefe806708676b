// LayoutKeyTable and the ElementOrderLists: the one vocabulary of layout
// and template files. A name's position in the table is its element kind;
// each group lists the kinds of its children in writing order, and the
// reader accepts in a group exactly the names its list holds.
#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>

namespace tl {

enum class LayoutKey : int16_t {
#define TL_LAYOUT_KEY(name) name,
#include "persistence/layout_keys.def"
#undef TL_LAYOUT_KEY
};

inline constexpr int kLayoutKeyCount = 179;

// The element name of a kind.
std::string_view LayoutKeyName(LayoutKey key);

enum class ElementGroup { Root, Header, Layout, Image, FreeText, FreeLine };

// The kinds of a group's children in writing order.
std::span<const LayoutKey> ElementOrderList(ElementGroup group);

// The kind of `name` when the group lists it; false for any other name.
bool FindGroupKey(ElementGroup group, std::string_view name, LayoutKey& key);

// The image element that a layout element of the default image settings
// stands for (ImageSize -> Size, ImageLabelFontName -> LabelFontName, ...);
// false for the other layout elements.
bool DefaultImageElement(LayoutKey layoutKey, LayoutKey& imageKey);

// The seen flags a reader keeps while it reads one group.
class SeenKeys {
 public:
  void Mark(LayoutKey key) { seen_.set(size_t(key)); }
  bool Seen(LayoutKey key) const { return seen_.test(size_t(key)); }

 private:
  std::bitset<kLayoutKeyCount> seen_;
};

}  // namespace tl
