// Filling the "%s" and "%d" places of a text from the string table with
// values the caller has already turned into text. Nothing in the pattern
// is read as a format of its own, so a damaged table or an odd value can
// never make the formatting read beyond its arguments.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tl {

// Each "%s", "%d" or "%ld" in `pattern` takes the next value, in order; places
// beyond the values stay empty, "%%" gives "%".
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> values);

// The lines of a multi-line text: a line ends at a carriage return (a line
// feed after it is skipped) or at a lone line feed, and the text counts as
// ending in one, so an empty text is one empty line and a text that ends
// with a line break has an empty last line. The views point into `text`.
std::vector<std::string_view> SplitTextLines(std::string_view text);

}  // namespace tl
