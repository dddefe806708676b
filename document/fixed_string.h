// FixedString<N>: a text field of at most N - 1 bytes, for the record fields
// whose length the file formats rely on (font names). Assigning a longer
// text cuts it, never inside a UTF-8 sequence.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace tl {

// The longest prefix of `text` of at most `maxBytes` bytes that does not end
// inside a UTF-8 sequence.
inline std::string_view Utf8Prefix(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t n = maxBytes;
  // Back up over continuation bytes (10xxxxxx) to the start of the cut character.
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return text.substr(0, n);
}

template <size_t N>
class FixedString {
  static_assert(N >= 2);

 public:
  static constexpr size_t kMaxBytes = N - 1;

  FixedString() = default;
  FixedString(std::string_view text) { assign(text); }  // NOLINT: implicit by design
  FixedString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }

  void assign(std::string_view text) {
    std::string_view kept = Utf8Prefix(text, kMaxBytes);
    std::memcpy(bytes_, kept.data(), kept.size());
    bytes_[kept.size()] = '\0';
  }

  const char* c_str() const { return bytes_; }
  std::string_view view() const { return std::string_view(bytes_); }
  std::string str() const { return std::string(bytes_); }
  bool empty() const { return bytes_[0] == '\0'; }
  size_t size() const { return std::strlen(bytes_); }
  operator std::string_view() const { return view(); }  // NOLINT: implicit by design

  friend bool operator==(const FixedString& a, const FixedString& b) { return a.view() == b.view(); }
  friend bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }

 private:
  char bytes_[N] = {};
};

// Font names: 31 bytes, as the file formats keep them.
using FontNameField = FixedString<32>;

}  // namespace tl
