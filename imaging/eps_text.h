// Reading the text parts of an EPS file: keyword search, the numbers after
// a keyword, hexadecimal and ASCII85 data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace tl {

// Searches from the current position for `keyword` in 512-byte blocks that
// overlap by the keyword's length; on success the file position is just
// behind the keyword.
bool FindKeyword(FILE* file, const char* keyword);

// Reads on until `lineEnds` line ends have passed (a carriage return, a
// line feed, or the pair of them), keeping the decimal digits met before
// the first as `number`. The file position is then just behind the last
// line end: after a carriage return a following line feed is only taken
// when another line end is still to come, because Photoshop starts binary
// data right after a lone carriage return.
bool ReadKeywordLine(FILE* file, int lineEnds, int64_t& number);

// Decodes hexadecimal text from a file: characters below "0" (spaces, line
// ends, the "%" of comment lines) are skipped, other non-hex characters too.
class HexReader {
 public:
  explicit HexReader(FILE* file) : file_(file) {}
  // Decodes `count` bytes; false when the text ends first.
  bool Read(uint8_t* out, size_t count);

 private:
  int NextDigit();
  FILE* file_;
};

// ASCII85 text: groups of five characters "!" to "u" give four bytes, "z"
// gives four zero bytes, characters below "!" are skipped, "~>" ends the
// data and a final partial group gives the bytes it covers.
void DecodeAscii85(const uint8_t* text, size_t size, std::vector<uint8_t>& out);

}  // namespace tl
