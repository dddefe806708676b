// Small PNG, Photoshop and PICT files made by the tests, with exactly the
// structures a test needs, an AppleDouble companion holding a picture
// preview, and an importer and matcher installed for one scope.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/layout_object.h"
#include "imaging/capture_matching.h"
#include "imaging/extended_importer.h"
#include "tests/imaging/fixtures.h"

namespace tl::test {

// Installs `importer` (and `matcher`, which may be null) and puts the
// previous ones back at the end of the scope.
class ScopedExtensions {
 public:
  explicit ScopedExtensions(ExtendedFormatImporter* importer, CaptureMatcher* matcher = nullptr)
      : importer_(SetExtendedFormatImporter(importer)), matcher_(SetCaptureMatcher(matcher)) {}
  ~ScopedExtensions() {
    SetExtendedFormatImporter(importer_);
    SetCaptureMatcher(matcher_);
  }
  ScopedExtensions(const ScopedExtensions&) = delete;
  ScopedExtensions& operator=(const ScopedExtensions&) = delete;

 private:
  ExtendedFormatImporter* importer_;
  CaptureMatcher* matcher_;
};

// A test with the built-in importer installed, a folder for its files and
// the whole import (header, then a decode) of one of them.
class ExtendedFormatTest : public ::testing::Test {
 protected:
  // Writes `bytes` as `name` and returns its path.
  std::string WriteFile(const char* name, const Bytes& bytes);
  // The header of `path` read into image_, then its pixels (null with
  // message_ set when either fails; message_ 0 for a header that does not
  // read).
  BitmapPtr DecodeFile(const std::string& path, BitmapPtr* mask = nullptr, const LSize* request = nullptr);

  // A damaged file: whether its header reads and, when it does, the
  // message its failed decode gives.
  struct Damaged {
    const char* Name;
    Bytes Data;
    bool HeaderReads;
    int Message;
  };
  void ExpectFailures(const char* fileName, const std::vector<Damaged>& cases);

  TempFolder dir_;
  BuiltInFormatImporter importer_;
  ScopedExtensions extensions_{&importer_};
  ImageObject image_;
  int message_ = 0;
};

// Sample `c` of pixel x, y in the file's own bit depth.
using SampleSource = std::function<uint32_t(int x, int y, int c)>;

struct PngRecipe {
  int Width = 24;
  int Height = 16;
  int ColorType = 2;  // PNG_COLOR_TYPE_*: 0 gray, 2 RGB, 3 palette, 4 gray+alpha, 6 RGBA
  int BitDepth = 8;
  bool Interlaced = false;
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  std::vector<uint8_t> PaletteAlpha;  // tRNS of a palette picture
  int TransparentGray = -1;           // tRNS of a gray picture
  Bytes Icc;
  uint32_t PixelsPerMetre = 0;  // pHYs when non-zero
  SampleSource Sample;          // null: a gradient
};
Bytes MakePng(const PngRecipe& recipe);

// PackBits of one row, as the writers of Photoshop and PICT files make it.
Bytes PackBits(const Bytes& row);

struct PsdRecipe {
  int Version = 1;  // 2: large document
  int Width = 12;
  int Height = 9;
  int Channels = 3;
  int Depth = 8;
  int Mode = 3;
  int Compression = 0;  // 0 raw, 1 PackBits
  int LayerCount = 0;   // written in a layer section when non-zero
  Bytes ColorModeData;
  Bytes Resources;  // image resource blocks
  SampleSource Sample;  // null: a gradient
};
Bytes MakePsd(const PsdRecipe& recipe);

// A PICT picture, built opcode by opcode.
class PictBuilder {
 public:
  // Top, left, bottom, right of the frame.
  PictBuilder(int top, int left, int bottom, int right);
  void ExtendedHeader(int dpi, int top, int left, int bottom, int right);
  // A 32-bit DirectBitsRect (or Rgn with `region` non-empty: size, box, data).
  void Direct32(int width, int height, int packType, int components, int dstLeft, int dstTop,
                const std::function<uint32_t(int, int)>& argb, const Bytes& region = {});
  void Direct16(int width, int height, int packType, const std::function<uint16_t(int, int)>& pixel);
  // An indexed PackBitsRect (packed) or BitsRect (not packed) with a table.
  void Indexed(int width, int height, int bits, bool packed, const std::vector<uint32_t>& colors,
               const std::function<int(int, int)>& index);
  // A black-and-white BitMap (no pixel map), set bits black.
  void BlackWhite(int width, int height, const std::function<bool(int, int)>& black);
  void Opcode(uint16_t op, const Bytes& data);  // any opcode with its data as given
  void Comment(const Bytes& text);
  Bytes Picture(bool fileHeader = true) const;  // with the end opcode

  // A region: its bounding box and, when `rows` is given, inversion points
  // per row: {y, x0, x1, ...}.
  static Bytes Region(int top, int left, int bottom, int right, const std::vector<std::vector<int>>& rows = {});

 private:
  void Put16(int v);
  void Put32(uint32_t v);
  void PutRect(int top, int left, int bottom, int right);
  void PixMapFields(int packType, int pixelSize, int components, int componentSize);
  void Align();
  Bytes body_;
  int frame_[4];
};

// An AppleDouble file whose resource fork holds `picture` as PICT id 1.
Bytes AppleDoubleWithPreview(const Bytes& picture);

// The APP5 body of a capture record.
Bytes CaptureRecordMarker(uint16_t scene, uint8_t black, uint8_t white, uint8_t midTone, uint8_t saturation,
                          uint16_t flags);

// The pixel's alpha when `mask` holds 255 - alpha.
inline int AlphaAt(const OffscreenBitmap& mask, int x, int y) { return 255 - mask.Row(y)[size_t(x) * 4]; }

}  // namespace tl::test
