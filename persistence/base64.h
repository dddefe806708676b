// Base64 as the layout file previews use it: "A"-"Z", "a"-"z", "0"-"9",
// "+", "/", "=" padding, no line breaks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tl {

std::string Base64Encode(const uint8_t* data, size_t size);
inline std::string Base64Encode(const std::vector<uint8_t>& bytes) { return Base64Encode(bytes.data(), bytes.size()); }

// Decodes whole groups of four characters into length / 4 x 3 bytes (the
// bytes that padding stands for are 0). False, with `bytes` empty, when a
// character is not of the alphabet or padding stands anywhere but at the
// end.
bool Base64Decode(std::string_view text, std::vector<uint8_t>& bytes);

}  // namespace tl
