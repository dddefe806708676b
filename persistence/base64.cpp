#include "persistence/base64.h"

namespace tl {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int kPadding = 64;
constexpr int kInvalid = -1;

int SextetOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  if (c == '=') return kPadding;
  return kInvalid;
}

}  // namespace

std::string Base64Encode(const uint8_t* data, size_t size) {
  std::string text;
  text.reserve((size + 2) / 3 * 4);
  for (size_t i = 0; i < size; i += 3) {
    const size_t n = size - i < 3 ? size - i : 3;
    uint32_t group = uint32_t(data[i]) << 16;
    if (n > 1) group |= uint32_t(data[i + 1]) << 8;
    if (n > 2) group |= data[i + 2];
    text += kAlphabet[(group >> 18) & 63];
    text += kAlphabet[(group >> 12) & 63];
    text += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    text += n > 2 ? kAlphabet[group & 63] : '=';
  }
  return text;
}

bool Base64Decode(std::string_view text, std::vector<uint8_t>& bytes) {
  bytes.clear();
  const size_t groups = text.size() / 4;
  bytes.reserve(groups * 3);
  for (size_t g = 0; g < groups; ++g) {
    uint32_t value = 0;
    for (size_t k = 0; k < 4; ++k) {
      const int s = SextetOf(text[g * 4 + k]);
      const bool paddingAllowed = g + 1 == groups && k >= 2;
      if (s == kInvalid || (s == kPadding && !paddingAllowed) ||
          (s != kPadding && k == 3 && SextetOf(text[g * 4 + 2]) == kPadding)) {
        bytes.clear();
        return false;
      }
      value = (value << 6) | uint32_t(s == kPadding ? 0 : s);
    }
    bytes.push_back(uint8_t(value >> 16));
    bytes.push_back(uint8_t(value >> 8));
    bytes.push_back(uint8_t(value));
  }
  return true;
}

}  // namespace tl
