// The Windows bitmap reader: a reader object for one file whose operations
// (in this order) tell the picture's facts, begin reading, deliver rows as
// 24-bit red, green, blue pixels top row first, and end reading. Depths 1,
// 4 and 8 go through the palette (run-length forms expanded), 16-bit rows
// are 5-5-5 colour, 24-bit rows are taken as they are.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "imaging/buffer.h"
#include "imaging/decode_finish.h"
#include "imaging/file_handle.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;

enum BitmapReaderResult : int {
  kBitmapOk = 0,
  kBitmapNotUsable = -10001,
  kBitmapNotOffered = -10002,
  kBitmapReadFailed = -10101,
  kBitmapWriteFailed = -10102,
};

struct BitmapFacts {
  int32_t Width = 0;
  int32_t Height = 0;
  int16_t BitsPerPixel = 0;
  int32_t XDotsPerInch = 0;
  int32_t YDotsPerInch = 0;
};

class BitmapReader {
 public:
  // A reader for `path`, made only when the file starts with "BM" and its
  // header has one plane, a depth of 1, 4, 8, 16 or 24 and compression
  // none, 8-bit or 4-bit run length (matching the depth).
  static int Make(const std::string& path, std::unique_ptr<BitmapReader>& reader);

  int GetInfo(BitmapFacts& facts) const;
  int BeginRead();
  // Rows first .. first + count - 1 (0 is the top row), 3 bytes a pixel.
  int ReadLines(int32_t first, int32_t count, uint8_t* rgb);
  int EndRead();

  // Whether every palette entry is gray (false for bitmaps without one).
  bool HasGrayPalette() const;

 private:
  BitmapReader() = default;
  int ReadHeader();
  int ExpandRunLengths();
  void PaletteRow(const uint8_t* indices, uint8_t* rgb) const;
  // The bytes of a row without its padding (a last row may lack it).
  size_t StoredRowBytes() const { return (size_t(width_) * bits_ + 7) / 8; }

  FilePtr file_;
  int64_t fileLength_ = 0;
  uint32_t dataOffset_ = 0;
  uint32_t compression_ = 0;
  int32_t width_ = 0, height_ = 0;
  bool topDown_ = false;
  uint16_t bits_ = 0;
  uint32_t xPerMetre_ = 0, yPerMetre_ = 0;
  uint32_t paletteSize_ = 0;
  uint8_t palette_[256][3] = {};  // red, green, blue
  size_t stride_ = 0;              // bytes of a stored row
  Buffer<uint8_t> row_;            // one stored row
  Buffer<uint8_t> indices_;        // run-length data expanded, top row first
};

// Whole dots per inch of a pixels-per-metre value, halves rounded down; 72
// for 0.
int32_t BitmapDotsPerInch(uint32_t pixelsPerMetre);

// Makes the 86-byte description (codec type "WRLE"); clears the
// has-embedded-profile flag.
bool ReadBmpHeader(ImageObject& image);

// Whether the bitmap's palette holds only gray entries.
bool BmpHasGrayPalette(const ImageObject& image);

BitmapPtr DecodeBmpFile(const ImageObject& image, const DecodeRequest& request, int& message);

}  // namespace tl
