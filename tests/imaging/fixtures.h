// Small image files made by the tests: JPEG, TIFF, bitmap and EPS files
// with exactly the structures a test needs, and the Exif and Photoshop
// blocks inside them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "document/message_box.h"
#include "imaging/offscreen_bitmap.h"

namespace tl::test {

using Bytes = std::vector<uint8_t>;

// A folder under the build tree (or /tmp) removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

bool WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

// A pixel's components (1, 3 or 4 of them) for position x, y.
using PixelSource = std::function<void(int x, int y, uint8_t* components)>;

// A smooth test picture: red grows to the right, green downwards, blue is
// constant; the fourth component, if any, is x + y.
void GradientPixel(int x, int y, uint8_t* c);

struct JpegRecipe {
  int Width = 64;
  int Height = 48;
  int Components = 3;  // 1 gray, 3 colour, 4 stored as is (CMYK or the mask variant)
  int Quality = 95;
  bool Progressive = false;
  bool Jfif = true;
  int DensityUnit = 1;
  int XDensity = 72;
  int YDensity = 72;
  std::vector<std::pair<int, Bytes>> Markers;  // code, data; written after the JFIF marker
  PixelSource Pixel = GradientPixel;
};
Bytes MakeJpeg(const JpegRecipe& recipe);

// An ICC-profile marker body: "ICC_PROFILE", sequence number, count, data.
Bytes IccSegment(int sequence, int count, const Bytes& data);

// The Exif structure of a file, built directory by directory.
class ExifBuilder {
 public:
  enum Directory { kIfd0, kExifIfd, kIfd1 };
  explicit ExifBuilder(bool bigEndian) : big_(bigEndian) {}

  void Ascii(Directory d, uint16_t tag, const std::string& text);
  void Short(Directory d, uint16_t tag, uint16_t value);
  void Long(Directory d, uint16_t tag, uint32_t value);
  void Rational(Directory d, uint16_t tag, uint32_t numerator, uint32_t denominator);
  void SRational(Directory d, uint16_t tag, int32_t numerator, int32_t denominator);
  void Undefined(Directory d, uint16_t tag, const Bytes& data);
  // An entry whose fields are given as they stand (for bogus offsets).
  void Raw(Directory d, uint16_t tag, uint16_t type, uint32_t count, uint32_t field);
  // A JPEG thumbnail in the thumbnail directory (compression 6).
  void Thumbnail(const Bytes& jpeg) { thumbnail_ = jpeg; }

  Bytes Tiff() const;  // the structure, byte-order mark first
  Bytes App1() const;  // "Exif\0\0" and the structure

 private:
  struct Entry {
    uint16_t Tag, Type;
    uint32_t Count;
    Bytes Value;          // data that goes to the value area (or inline)
    bool RawField = false;
    uint32_t Field = 0;
  };
  void Put16(Bytes& b, uint16_t v) const;
  void Put32(Bytes& b, uint32_t v) const;
  void Add(Directory d, Entry e) { entries_[d].push_back(std::move(e)); }

  bool big_;
  std::vector<Entry> entries_[3];
  Bytes thumbnail_;
};

// A Photoshop resource block ("8BIM", id, name, size, data padded to even).
Bytes PhotoshopBlock(uint16_t id, const std::string& name, const Bytes& data);
// Resource 1036 (or 1033) holding `jpeg` after the 28-byte thumbnail header.
Bytes PhotoshopThumbnailBlock(uint16_t id, const Bytes& jpeg);

struct TiffRecipe {
  int Width = 40;
  int Height = 30;
  int Samples = 3;
  int Bits = 8;
  int Photometric = 2;
  int Compression = 1;
  int Planar = 1;
  int RowsPerStrip = 8;
  int TileWidth = 0;  // non-zero: tiled, with TileHeight
  int TileHeight = 0;
  int ResolutionUnit = 2;
  float XResolution = 300;
  float YResolution = 300;
  std::vector<uint16_t> ColorMap;  // red, then green, then blue entries
  Bytes Icc;
  int ExtraSamples = 0;  // 1: the fourth sample is unassociated alpha
  // Sample `s` of pixel x, y (already in the file's bit depth).
  std::function<uint32_t(int x, int y, int s)> Sample;
};
bool WriteTiff(const std::string& path, const TiffRecipe& recipe);

// A Windows bitmap with a 40-byte (or 12-byte core) header.
struct BmpRecipe {
  int Width = 13;
  int Height = 7;
  int Bits = 24;
  bool TopDown = false;
  bool CoreHeader = false;
  uint32_t Compression = 0;
  uint32_t PixelsPerMetre = 2835;
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  Bytes RleData;                  // the run-length data when compressed
  std::function<uint32_t(int x, int y)> Pixel;  // palette index or 0x00RRGGBB (16-bit: 5-5-5)
};
Bytes MakeBmp(const BmpRecipe& recipe);

// A Photoshop-style EPS file: %ImageData with binary, hexadecimal or
// ASCII85-encoded JPEG data, optional resources and an ICC profile.
struct EpsRecipe {
  int Width = 6, Height = 4, Channels = 3, Pad = 0, Bits = 8, Encoding = 1;
  int BlockBytes = 0;       // 0: the width
  Bytes Resources;          // Photoshop resource blocks
  Bytes Profile;            // with its size in the first four bytes
  Bytes JpegData;           // for encoding 3
  bool WithImageData = true;
};
// Sample `c` of pixel x, y in the files MakeEps writes.
uint8_t EpsChannelValue(int x, int y, int c);
std::string MakeEps(const EpsRecipe& recipe);
// A DOS EPS file: the binary header, the PostScript, a TIFF preview.
Bytes DosEps(const std::string& postscript, const Bytes& tiffPreview);
// A Photoshop path resource: one subpath of four corner knots whose control
// points lie on their anchors (fractions of the picture).
Bytes RectanglePath(double top, double left, double bottom, double right);

// Keeps the text of every message shown.
class RecordingSink : public MessageSink {
 public:
  MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons, MessageAnswer headless) override {
    texts.emplace_back(text);
    return headless;
  }
  std::vector<std::string> texts;
};

// The pixel at x, y as 0x00RRGGBB.
uint32_t RgbAt(const OffscreenBitmap& b, int x, int y);

}  // namespace tl::test
