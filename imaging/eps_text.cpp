#include "imaging/eps_text.h"

#include <cstring>

namespace tl {
namespace {

constexpr size_t kBlockBytes = 512;

}  // namespace

bool FindKeyword(FILE* file, const char* keyword) {
  const size_t length = std::strlen(keyword);
  if (length == 0 || length > kBlockBytes) return false;
  char buffer[kBlockBytes * 2];
  size_t kept = 0;  // bytes carried over from the previous block
  off_t start = ftello(file);
  if (start < 0) return false;
  for (;;) {
    const size_t got = std::fread(buffer + kept, 1, kBlockBytes, file);
    const size_t have = kept + got;
    for (size_t i = 0; i + length <= have; ++i) {
      if (std::memcmp(buffer + i, keyword, length) == 0) {
        // `buffer` begins at file offset start - kept.
        return fseeko(file, start - off_t(kept) + off_t(i + length), SEEK_SET) == 0;
      }
    }
    if (got == 0) return false;
    kept = have < length - 1 ? have : length - 1;
    std::memmove(buffer, buffer + have - kept, kept);
    start += off_t(got);
  }
}

bool ReadKeywordLine(FILE* file, int lineEnds, int64_t& number) {
  number = 0;
  bool digits = true;  // still on the keyword's own line
  int passed = 0;
  while (passed < lineEnds) {
    const int c = std::fgetc(file);
    if (c == EOF) return false;
    if (c == '\r' || c == '\n') {
      digits = false;
      if (++passed == lineEnds) break;
      if (c == '\r') {
        const int next = std::fgetc(file);
        if (next != '\n' && next != EOF) std::ungetc(next, file);
      }
      continue;
    }
    if (digits && c >= '0' && c <= '9' && number < (INT64_MAX - 9) / 10) number = number * 10 + (c - '0');
  }
  return true;
}

int HexReader::NextDigit() {
  for (;;) {
    const int c = std::fgetc(file_);
    if (c == EOF) return -1;
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  }
}

bool HexReader::Read(uint8_t* out, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const int high = NextDigit();
    const int low = high < 0 ? -1 : NextDigit();
    if (low < 0) return false;
    out[i] = uint8_t((high << 4) | low);
  }
  return true;
}

void DecodeAscii85(const uint8_t* text, size_t size, std::vector<uint8_t>& out) {
  uint32_t group = 0;
  int count = 0;
  for (size_t i = 0; i < size; ++i) {
    const uint8_t c = text[i];
    if (c == '~') break;
    if (c < '!') continue;
    if (c == 'z' && count == 0) {
      out.insert(out.end(), 4, 0);
      continue;
    }
    if (c > 'u') continue;
    group = group * 85 + uint32_t(c - '!');
    if (++count == 5) {
      for (int k = 3; k >= 0; --k) out.push_back(uint8_t(group >> (8 * k)));
      group = 0;
      count = 0;
    }
  }
  if (count > 1) {
    // Pad with the highest digit; the group then gives count - 1 bytes.
    for (int k = count; k < 5; ++k) group = group * 85 + 84;
    for (int k = 3; k > 4 - count; --k) out.push_back(uint8_t(group >> (8 * k)));
  }
}

}  // namespace tl
