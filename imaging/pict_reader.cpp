#include "imaging/pict_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

#include "imaging/buffer.h"
#include "imaging/byte_source.h"
#include "imaging/decode_limits.h"
#include "imaging/image_codes.h"
#include "imaging/jpeg_reader.h"
#include "imaging/packbits.h"

namespace tl {
namespace {

constexpr uint64_t kFileHeaderBytes = 512;
constexpr uint16_t kVersionOp = 0x0011;
constexpr uint16_t kVersion2 = 0x02FF;
constexpr uint16_t kHeaderOp = 0x0C00;
constexpr uint16_t kEndOfPicture = 0x00FF;
constexpr uint16_t kBitsRect = 0x0090, kBitsRgn = 0x0091;
constexpr uint16_t kPackBitsRect = 0x0098, kPackBitsRgn = 0x0099;
constexpr uint16_t kDirectBitsRect = 0x009A, kDirectBitsRgn = 0x009B;
constexpr uint16_t kCompressedQuickTime = 0x8200;
constexpr uint16_t kPixMapFlag = 0x8000;
constexpr uint16_t kRowBytesMask = 0x3FFF;
constexpr uint16_t kDeviceColorTable = 0x8000;
constexpr int16_t kExtendedHeader = -2;
constexpr uint16_t kRegionEnd = 0x7FFF;
constexpr uint16_t kRectangularRegionSize = 10;
constexpr uint16_t kUnpackedBelowRowBytes = 8;
constexpr uint16_t kOneByteCountUpTo = 250;
constexpr uint16_t kPackNone = 1, kPackDropPad = 2;
constexpr uint32_t kJpegCodec = FourCC("jpeg");
constexpr int kBgra = OffscreenBitmap::kBytesPerPixel;

struct Rect16 {
  int32_t Top = 0, Left = 0, Bottom = 0, Right = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
};

// Big-endian reads at a cursor; a read outside the picture fails and
// every later one fails too.
class PictStream {
 public:
  PictStream(const ByteSource& source, uint64_t at) : source_(source), at_(at) {}

  bool Bytes(void* out, size_t n) {
    ok_ = ok_ && source_.Read(at_, out, n);
    if (ok_) at_ += n;
    return ok_;
  }
  uint8_t U8() {
    uint8_t b = 0;
    Bytes(&b, 1);
    return b;
  }
  uint16_t U16() {
    uint8_t b[2] = {};
    Bytes(b, 2);
    return Big16(b);
  }
  uint32_t U32() {
    uint8_t b[4] = {};
    Bytes(b, 4);
    return Big32(b);
  }
  int16_t I16() { return int16_t(U16()); }
  Rect16 Rect() {
    Rect16 r;
    r.Top = I16();
    r.Left = I16();
    r.Bottom = I16();
    r.Right = I16();
    return r;
  }
  void Skip(uint64_t n) {
    ok_ = ok_ && source_.Contains(at_, n);
    if (ok_) at_ += n;
  }
  // Opcodes start at even offsets from the picture's start.
  void Align(uint64_t start) {
    if ((at_ - start) & 1) Skip(1);
  }
  uint64_t At() const { return at_; }
  bool Ok() const { return ok_; }
  bool AtEnd() const { return at_ >= source_.Size(); }
  const ByteSource& Source() const { return source_; }

 private:
  const ByteSource& source_;
  uint64_t at_;
  bool ok_ = true;
};

// A region: its bounding box and, for a non-rectangular one, inversion
// points by row (the state along a row flips at each point; each record
// flips the rows from its own row down).
class Region {
 public:
  bool Read(PictStream& in) {
    const uint64_t start = in.At();
    const uint16_t size = in.U16();
    box_ = in.Rect();
    if (!in.Ok() || size < kRectangularRegionSize) return false;
    const uint64_t end = start + size;
    while (in.Ok() && in.At() + 2 <= end) {
      const uint16_t y = in.U16();
      if (y == kRegionEnd) break;
      Record record;
      record.Y = int16_t(y);
      while (in.Ok() && in.At() + 2 <= end) {
        const uint16_t x = in.U16();
        if (x == kRegionEnd) break;
        record.Points.push_back(int16_t(x));
      }
      records_.push_back(std::move(record));
    }
    if (in.At() > end) return false;
    in.Skip(end - in.At());
    return in.Ok();
  }

  // Row by row, in order from the top: which columns are inside.
  void Start() {
    next_ = 0;
    state_.clear();
  }
  void InsideRow(int32_t y, int32_t left, int32_t width, std::vector<uint8_t>& inside) {
    inside.assign(size_t(width), 0);
    if (y < box_.Top || y >= box_.Bottom) return;
    if (records_.empty()) {
      for (int32_t x = std::max(left, box_.Left); x < std::min(left + width, box_.Right); ++x)
        inside[size_t(x - left)] = 1;
      return;
    }
    while (next_ < records_.size() && records_[next_].Y <= y) Flip(records_[next_++].Points);
    for (size_t i = 0; i + 1 < state_.size(); i += 2)
      for (int32_t x = std::max<int32_t>(left, state_[i]); x < std::min<int32_t>(left + width, state_[i + 1]); ++x)
        inside[size_t(x - left)] = 1;
  }

 private:
  struct Record {
    int16_t Y = 0;
    std::vector<int16_t> Points;
  };
  void Flip(std::vector<int16_t> points) {
    std::sort(points.begin(), points.end());
    std::vector<int16_t> flipped;
    std::set_symmetric_difference(state_.begin(), state_.end(), points.begin(), points.end(),
                                  std::back_inserter(flipped));
    state_.swap(flipped);
  }

  Rect16 box_;
  std::vector<Record> records_;
  size_t next_ = 0;
  std::vector<int16_t> state_;
};

struct PixMap {
  bool IsPixMap = false;
  bool Direct = false;
  uint16_t RowBytes = 0;
  Rect16 Bounds;
  uint16_t PackType = 0;
  uint16_t PixelSize = 1;
  uint16_t ComponentCount = 1;
  std::array<uint32_t, 256> Colors{};  // 0x00RRGGBB by index
};

// The pixel map fields after the row bytes and bounds.
void ReadPixMapFields(PictStream& in, PixMap& map) {
  in.U16();  // version
  map.PackType = in.U16();
  in.Skip(4 + 4 + 4);  // pack size, horizontal and vertical resolution
  in.U16();            // pixel type
  map.PixelSize = in.U16();
  map.ComponentCount = in.U16();
  in.Skip(2 + 4 + 4 + 4);  // component size, plane bytes, table, reserved
}

void ReadColorTable(PictStream& in, PixMap& map) {
  in.U32();  // seed
  const uint16_t flags = in.U16();
  const uint32_t entries = uint32_t(in.U16()) + 1;
  for (uint32_t i = 0; i < entries && in.Ok(); ++i) {
    const uint16_t value = in.U16();
    const uint16_t r = in.U16(), g = in.U16(), b = in.U16();
    const uint32_t index = (flags & kDeviceColorTable) ? i : value;
    if (index < map.Colors.size()) map.Colors[index] = uint32_t(r >> 8) << 16 | uint32_t(g >> 8) << 8 | (b >> 8);
  }
}

bool ValidPixMap(const PixMap& map) {
  if (map.Bounds.Empty()) return false;
  const int64_t bits = int64_t(map.Bounds.Width()) * map.PixelSize;
  if (map.RowBytes == 0 || int64_t(map.RowBytes) * 8 < bits) return false;
  if (map.Direct) return map.PixelSize == 16 || (map.PixelSize == 32 && map.ComponentCount >= 3 && map.ComponentCount <= 4);
  return map.PixelSize == 1 || map.PixelSize == 2 || map.PixelSize == 4 || map.PixelSize == 8;
}

// One row of stored pixels to blue, green, red, 0.
void ConvertRow(const PixMap& map, const uint8_t* in, bool planar, uint8_t* out) {
  const int32_t width = map.Bounds.Width();
  for (int32_t x = 0; x < width; ++x, out += kBgra) {
    uint32_t rgb = 0;
    if (!map.Direct) {
      const uint32_t bits = map.PixelSize;
      const uint32_t shift = 8 - bits - (uint32_t(x) * bits) % 8;
      const uint32_t index = (in[size_t(x) * bits / 8] >> shift) & ((1u << bits) - 1);
      // A black-and-white bitmap has no table: set bits are black.
      rgb = map.IsPixMap ? map.Colors[index] : (index ? 0x000000u : 0xFFFFFFu);
    } else if (map.PixelSize == 16) {
      const uint32_t v = Big16(in + size_t(x) * 2);
      const uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
      rgb = ((r << 3) | (r >> 2)) << 16 | ((g << 3) | (g >> 2)) << 8 | ((b << 3) | (b >> 2));
    } else if (planar) {
      // Component planes, alpha first when there are four.
      const size_t plane = size_t(width), skip = map.ComponentCount == 4 ? plane : 0;
      rgb = uint32_t(in[skip + size_t(x)]) << 16 | uint32_t(in[skip + plane + size_t(x)]) << 8 |
            in[skip + 2 * plane + size_t(x)];
    } else if (map.PackType == kPackDropPad) {
      const uint8_t* p = in + size_t(x) * 3;
      rgb = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    } else {
      const uint8_t* p = in + size_t(x) * 4;
      rgb = uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
    }
    out[0] = uint8_t(rgb);
    out[1] = uint8_t(rgb >> 8);
    out[2] = uint8_t(rgb >> 16);
    out[3] = 0;
  }
}

// Reads the pixel rows of a map into a bitmap of its bounds.
BitmapPtr ReadPixels(PictStream& in, const PixMap& map, bool packedOpcode, int& message) {
  const int32_t width = map.Bounds.Width(), height = map.Bounds.Height();
  if (!WithinDecodeLimit(width, height)) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  BitmapPtr pixels = OffscreenBitmapNew(width, height);
  const bool packed = packedOpcode && map.RowBytes >= kUnpackedBelowRowBytes && map.PackType != kPackNone;
  const bool dropPad = map.Direct && map.PixelSize == 32 && map.PackType == kPackDropPad;
  const bool planar = packed && map.Direct && map.PixelSize == 32 && !dropPad;
  const size_t rowSize = dropPad  ? size_t(width) * 3
                         : planar ? size_t(width) * map.ComponentCount
                                  : map.RowBytes;
  Buffer<uint8_t> row = NewBuffer<uint8_t>(rowSize);
  Buffer<uint8_t> data = NewBuffer<uint8_t>(size_t(map.RowBytes) * 2 + 256);
  if (!pixels || !row || !data) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  message = kMessageNotSupported;
  for (int32_t y = 0; y < height; ++y) {
    if (!packed || dropPad) {
      if (!in.Bytes(row.get(), rowSize)) return nullptr;
    } else {
      const size_t count = map.RowBytes > kOneByteCountUpTo ? in.U16() : in.U8();
      size_t used = 0;
      if (count > size_t(map.RowBytes) * 2 + 256 || !in.Bytes(data.get(), count)) return nullptr;
      const bool words = map.Direct && map.PixelSize == 16;
      if (!(words ? UnpackWords(data.get(), count, row.get(), rowSize, used)
                  : UnpackBits(data.get(), count, row.get(), rowSize, used)))
        return nullptr;
    }
    ConvertRow(map, row.get(), planar, pixels->Row(y));
  }
  return pixels;
}

// Draws `image` (covering `source` in its own coordinates) into `target` of
// the canvas, scaled, and only inside `region` when one is given.
void Blit(const OffscreenBitmap& image, const Rect16& imageBounds, const Rect16& source, const Rect16& target,
          Region* region, OffscreenBitmap& canvas, const Rect16& frame) {
  if (source.Empty() || target.Empty()) return;
  if (region) region->Start();
  std::vector<uint8_t> inside;
  const int32_t left = std::max(target.Left, frame.Left), right = std::min(target.Right, frame.Right);
  if (right <= left) return;
  for (int32_t y = target.Top; y < target.Bottom; ++y) {
    if (region) region->InsideRow(y, left, right - left, inside);
    if (y < frame.Top || y >= frame.Bottom) continue;
    const int64_t sy = source.Top + int64_t(y - target.Top) * source.Height() / target.Height() - imageBounds.Top;
    if (sy < 0 || sy >= image.Height) continue;
    const uint8_t* from = image.Row(int32_t(sy));
    uint8_t* to = canvas.Row(y - frame.Top);
    for (int32_t x = left; x < right; ++x) {
      if (region && !inside[size_t(x - left)]) continue;
      const int64_t sx = source.Left + int64_t(x - target.Left) * source.Width() / target.Width() - imageBounds.Left;
      if (sx < 0 || sx >= image.Width) continue;
      std::memcpy(to + size_t(x - frame.Left) * kBgra, from + size_t(sx) * kBgra, kBgra);
    }
  }
}

// What walking a picture is for.
enum class Walk { Facts, Draw };

class PictWalker {
 public:
  PictWalker(const ByteSource& picture, Walk walk) : in_(picture, 0), walk_(walk) {}

  // Reads the size, frame and version; false unless a version 2 picture.
  bool Begin() {
    in_.U16();  // size: only the low 16 bits of a large picture's length
    facts_.Frame = ToLRect(frame_ = in_.Rect());
    if (in_.U16() != kVersionOp || in_.U16() != kVersion2 || !in_.Ok()) return false;
    return !frame_.Empty();
  }

  // Walks the opcodes to the end; false on data that does not read.
  bool Run(int& message) {
    message = kMessageNotSupported;
    while (in_.Ok() && !in_.AtEnd()) {
      in_.Align(0);
      const uint16_t op = in_.U16();
      if (!in_.Ok()) break;
      if (op == kEndOfPicture) break;
      if (!Opcode(op, message)) return false;
      if (walk_ == Walk::Facts && facts_.Depth != 0) return true;
    }
    // A picture whose data ends without the end opcode keeps what it drew.
    if (!in_.Ok() || walk_ == Walk::Facts) return in_.Ok() && facts_.Depth != 0;
    return Canvas(message) != nullptr;
  }

  PictFacts& Facts() { return facts_; }
  BitmapPtr TakeCanvas() { return std::move(canvas_); }

 private:
  static LRect ToLRect(const Rect16& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

  // The white canvas of the frame, made when the first image is drawn (the
  // header may still change the frame before that).
  OffscreenBitmap* Canvas(int& message) {
    if (canvas_) return canvas_.get();
    if (!WithinDecodeLimit(frame_.Width(), frame_.Height()) ||
        !(canvas_ = OffscreenBitmapNew(frame_.Width(), frame_.Height()))) {
      message = kMessageNotEnoughMemory;
      return nullptr;
    }
    for (size_t i = 0; i < canvas_->ByteSize(); i += kBgra) std::memset(canvas_->Pixels.get() + i, 0xFF, 3);
    return canvas_.get();
  }

  bool Opcode(uint16_t op, int& message) {
    switch (op) {
      case kHeaderOp: return Header();
      case kBitsRect:
      case kBitsRgn:
      case kPackBitsRect:
      case kPackBitsRgn:
      case kDirectBitsRect:
      case kDirectBitsRgn: return Bits(op, message);
      case kCompressedQuickTime: return QuickTime(message);
    }
    in_.Skip(DataLength(op));
    return in_.Ok();
  }

  // The extended header gives the resolution and, at that resolution, the
  // frame the opcodes draw in.
  bool Header() {
    const int16_t version = in_.I16();
    in_.U16();
    const uint32_t h = in_.U32(), v = in_.U32();
    const Rect16 source = in_.Rect();
    in_.Skip(4);
    if (version == kExtendedHeader && h >= 0x10000 && v >= 0x10000) {
      facts_.XResolution = int32_t((h + 0x8000) >> 16);
      facts_.YResolution = int32_t((v + 0x8000) >> 16);
      if (!source.Empty()) facts_.Frame = ToLRect(frame_ = source);
    }
    return in_.Ok();
  }

  bool Bits(uint16_t op, int& message) {
    PixMap map;
    map.Direct = op == kDirectBitsRect || op == kDirectBitsRgn;
    if (map.Direct) in_.Skip(4);  // base address
    const uint16_t rowBytes = in_.U16();
    map.IsPixMap = map.Direct || (rowBytes & kPixMapFlag);
    map.RowBytes = rowBytes & (map.IsPixMap ? kRowBytesMask : 0x7FFF);
    map.Bounds = in_.Rect();
    if (map.IsPixMap) ReadPixMapFields(in_, map);
    if (map.IsPixMap && !map.Direct) ReadColorTable(in_, map);
    const Rect16 source = in_.Rect(), target = in_.Rect();
    in_.U16();  // transfer mode: every image is copied
    Region region;
    const bool clipped = op == kBitsRgn || op == kPackBitsRgn || op == kDirectBitsRgn;
    if (clipped && !region.Read(in_)) return false;
    if (!in_.Ok() || !ValidPixMap(map)) return false;
    if (walk_ == Walk::Facts) {
      facts_.Depth = int16_t(map.IsPixMap ? (map.Direct ? map.PixelSize : 8) : 1);
      return true;
    }
    OffscreenBitmap* canvas = Canvas(message);
    BitmapPtr pixels = canvas ? ReadPixels(in_, map, op != kBitsRect && op != kBitsRgn, message) : nullptr;
    if (!pixels) return false;
    Blit(*pixels, map.Bounds, source, target, clipped ? &region : nullptr, *canvas, frame_);
    return true;
  }

  // A QuickTime-compressed image: drawn when it is JPEG data, skipped
  // otherwise.
  bool QuickTime(int& message) {
    const uint32_t length = in_.U32();
    const uint64_t start = in_.At();
    if (!in_.Ok() || !in_.Source().Contains(start, length)) return false;
    PictStream body(in_.Source(), start);
    body.Skip(2);  // version
    int32_t matrix[9];
    for (int32_t& m : matrix) m = int32_t(body.U32());
    const uint32_t matteSize = body.U32();
    body.Skip(8 + 2);  // matte rectangle, mode
    const Rect16 source = body.Rect();
    body.Skip(4);  // accuracy
    const uint32_t maskSize = body.U32();
    body.Skip(uint64_t(matteSize) + maskSize);
    const uint64_t description = body.At();
    const uint32_t descriptionSize = body.U32();
    const uint32_t codec = body.U32();
    in_.Skip(length);
    if (!body.Ok() || descriptionSize < 86 || !in_.Ok()) return in_.Ok();
    const uint64_t data = description + descriptionSize;
    if (data > start + length) return true;
    if (walk_ == Walk::Facts) {
      if (codec == kJpegCodec) facts_.Depth = 32;
      return true;
    }
    if (codec != kJpegCodec) return true;
    OffscreenBitmap* canvas = Canvas(message);
    if (!canvas) return false;
    std::vector<uint8_t> jpeg;
    if (!in_.Source().ReadBlock(data, start + length - data, jpeg)) return false;
    BitmapPtr image = DecodeJpegMemory(jpeg.data(), jpeg.size(), DecodePixelLimit());
    if (!image) return true;  // an image that does not decode is left out
    // Only the matrix's translation and scale are followed.
    const double sx = matrix[0] / 65536.0, sy = matrix[4] / 65536.0;
    const double tx = matrix[6] / 65536.0, ty = matrix[7] / 65536.0;
    Rect16 bounds{0, 0, image->Height, image->Width};
    Rect16 target;
    target.Left = int32_t(source.Left * sx + tx);
    target.Top = int32_t(source.Top * sy + ty);
    target.Right = int32_t(source.Right * sx + tx);
    target.Bottom = int32_t(source.Bottom * sy + ty);
    Blit(*image, bounds, source.Empty() ? bounds : source, target, nullptr, *canvas, frame_);
    return true;
  }

  // The data length of an opcode that is walked over.
  uint64_t DataLength(uint16_t op) {
    if (op >= 0x8100) return in_.U32();
    if (op >= 0x8000) return 0;
    if (op >= 0x0100) return uint64_t(op >> 8) * 2;
    if (op >= 0x00D0) return in_.U32();
    if (op >= 0x00B0) return 0;
    if ((op >= 0x0092 && op <= 0x0097) || (op >= 0x009C && op <= 0x009F) || (op >= 0x00A2 && op <= 0x00AF) ||
        (op >= 0x0024 && op <= 0x0027) || (op >= 0x002C && op <= 0x002F))
      return in_.U16();
    if (op == 0x00A1) {
      in_.U16();  // kind
      return in_.U16();
    }
    if (op == 0x00A0) return 2;
    if (op == 0x0001 || (op >= 0x0070 && op <= 0x0077) || (op >= 0x0080 && op <= 0x0087)) {
      // A region or polygon: its size word counts itself.
      const uint16_t size = in_.U16();
      return size >= 2 ? size - 2 : 0;
    }
    if (op >= 0x0012 && op <= 0x0014) return PatternLength();
    if (op >= 0x0030 && op <= 0x0057 && (op & 0x0F) < 8) return 8;
    if (op >= 0x0030 && op <= 0x008F) return (op >= 0x0060 && op <= 0x0067) ? 12 : (op >= 0x0068 && op <= 0x006F) ? 4 : 0;
    switch (op) {
      case 0x0002: case 0x0009: case 0x000A: case 0x0010: case 0x0020: return 8;
      case 0x0003: case 0x0005: case 0x0008: case 0x000D: case 0x0011: case 0x0015: case 0x0016: case 0x0023:
        return 2;
      case 0x0004: return 1;
      case 0x0006: case 0x0007: case 0x000B: case 0x000C: case 0x000E: case 0x000F: case 0x0021: return 4;
      case 0x001A: case 0x001B: case 0x001D: case 0x001F: case 0x0022: return 6;
      case 0x0028: {
        in_.Skip(4);
        return in_.U8();
      }
      case 0x0029: case 0x002A: {
        in_.Skip(1);
        return in_.U8();
      }
      case 0x002B: {
        in_.Skip(2);
        return in_.U8();
      }
    }
    return 0;  // no data
  }

  // A pixel pattern: a dither colour, or a whole pixel map with its pixels.
  uint64_t PatternLength() {
    const uint16_t type = in_.U16();
    in_.Skip(8);  // the one-bit pattern
    if (type != 1) return 6;
    PixMap map;
    const uint16_t rowBytes = in_.U16();
    map.IsPixMap = true;
    map.RowBytes = rowBytes & kRowBytesMask;
    map.Bounds = in_.Rect();
    ReadPixMapFields(in_, map);
    ReadColorTable(in_, map);
    if (!in_.Ok() || !ValidPixMap(map)) {
      in_.Skip(in_.Source().Size());  // fails the walk
      return 0;
    }
    const bool packed = map.RowBytes >= kUnpackedBelowRowBytes;
    for (int32_t y = 0; y < map.Bounds.Height() && in_.Ok(); ++y)
      in_.Skip(packed ? (map.RowBytes > kOneByteCountUpTo ? in_.U16() : in_.U8()) : map.RowBytes);
    return 0;
  }

  PictStream in_;
  Walk walk_;
  Rect16 frame_;
  PictFacts facts_;
  BitmapPtr canvas_;
};

}  // namespace

bool ReadPictFacts(const ByteSource& picture, PictFacts& facts) {
  PictWalker walker(picture, Walk::Facts);
  int message = 0;
  if (!walker.Begin() || !walker.Run(message) || walker.Facts().Depth == 0) return false;
  facts = walker.Facts();
  return true;
}

BitmapPtr DrawPict(const ByteSource& picture, int& message) {
  message = kMessageNotSupported;
  PictWalker walker(picture, Walk::Draw);
  if (!walker.Begin() || !walker.Run(message)) return nullptr;
  return walker.TakeCanvas();
}

bool FindPictInFile(const ByteSource& file, uint64_t& start) {
  for (uint64_t at : {kFileHeaderBytes, uint64_t(0)}) {
    uint8_t b[14];
    if (file.Read(at, b, sizeof b) && Big16(b + 10) == kVersionOp && Big16(b + 12) == kVersion2) {
      start = at;
      return true;
    }
  }
  return false;
}

}  // namespace tl
