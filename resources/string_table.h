// The string table: every message, menu text and name the program shows,
// looked up by its string id. The texts live in strings.def.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tl {

// The text of string `id`; empty when the table has no such id.
std::string_view StringText(int id);

// StringText(id) as an owned string, for callers that format or store it.
std::string StringCopy(int id);

// String `id` with its "%s" places filled by `values` in order; places
// without a value are left empty. The values are taken as they are.
std::string StringWith(int id, std::initializer_list<std::string_view> values);

}  // namespace tl
