#include "imaging/psd_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "imaging/buffer.h"
#include "imaging/byte_source.h"
#include "imaging/image_codes.h"
#include "imaging/image_resolution.h"
#include "imaging/packbits.h"
#include "imaging/photoshop_resources.h"

namespace tl {
namespace {

constexpr uint8_t kSignature[4] = {'8', 'B', 'P', 'S'};
constexpr size_t kHeaderBytes = 26;
constexpr uint16_t kMaxChannels = 56;
constexpr uint32_t kMaxDocumentSide = 30000;
constexpr uint32_t kMaxLargeDocumentSide = 300000;
constexpr uint16_t kCompressionRaw = 0;
constexpr uint16_t kCompressionPackBits = 1;
constexpr size_t kPaletteBytes = 768;
constexpr int kBgra = OffscreenBitmap::kBytesPerPixel;

bool IsLarge(const PhotoshopHeader& h) { return h.Version == 2; }

// A section length: 4 bytes, or 8 for the layer section of a large document.
bool ReadLength(const ByteSource& file, uint64_t at, bool wide, uint64_t& length) {
  uint8_t b[8];
  if (!file.Read(at, b, wide ? 8 : 4)) return false;
  length = wide ? (uint64_t(Big32(b)) << 32 | Big32(b + 4)) : Big32(b);
  return true;
}

// The channels the drawing takes: colour ones and, with transparency, the
// first extra one.
struct ChannelPlan {
  int Colour = 0;   // 1 or 3
  int Alpha = -1;   // channel index, or -1
};

ChannelPlan PlanChannels(const PhotoshopLayout& layout) {
  const PhotoshopHeader& h = layout.Header;
  ChannelPlan plan;
  switch (h.Mode) {
    case kPsdRgb:
    case kPsdLab: plan.Colour = 3; break;
    case kPsdMultichannel: plan.Colour = h.Channels >= 3 ? 3 : 1; break;
    default: plan.Colour = 1; break;
  }
  const bool alphaModes = h.Mode == kPsdRgb || h.Mode == kPsdLab || h.Mode == kPsdGray || h.Mode == kPsdDuotone;
  if (alphaModes && layout.LayerCount < 0 && h.Channels > plan.Colour) plan.Alpha = plan.Colour;
  return plan;
}

bool DrawableMode(uint16_t mode) {
  switch (mode) {
    case kPsdBitmap: case kPsdGray: case kPsdIndexed: case kPsdRgb:
    case kPsdMultichannel: case kPsdDuotone: case kPsdLab: return true;
  }
  return false;
}

bool SupportedDepth(const PhotoshopHeader& h) {
  if (h.Mode == kPsdBitmap) return h.Depth == 1;
  if (h.Mode == kPsdIndexed) return h.Depth == 8;
  return h.Depth == 8 || h.Depth == 16;
}

uint8_t To8(const uint8_t* p, bool wide) {
  if (!wide) return p[0];
  const uint32_t v = uint32_t(Big16(p));
  return uint8_t((v * 255 + 32767) / 65535);
}

// CIE Lab (D50, as Photoshop keeps it) to sRGB bytes.
class LabConverter {
 public:
  LabConverter() {
    for (int i = 0; i < kSteps; ++i) {
      const double v = double(i) / (kSteps - 1);
      const double s = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
      encode_[i] = uint8_t(std::lround(std::clamp(s, 0.0, 1.0) * 255));
    }
  }
  void ToBgr(double L, double a, double b, uint8_t* out) const {
    const double fy = (L + 16) / 116, fx = fy + a / 500, fz = fy - b / 200;
    const double x = 0.9642 * Inverse(fx), y = Inverse(fy), z = 0.8249 * Inverse(fz);
    const double r = 3.1338561 * x - 1.6168667 * y - 0.4906146 * z;
    const double g = -0.9787684 * x + 1.9161415 * y + 0.0334540 * z;
    const double bl = 0.0719453 * x - 0.2289914 * y + 1.4052427 * z;
    out[0] = Encode(bl);
    out[1] = Encode(g);
    out[2] = Encode(r);
  }

 private:
  static constexpr int kSteps = 4096;
  static double Inverse(double t) { return t > 6.0 / 29 ? t * t * t : 3 * (6.0 / 29) * (6.0 / 29) * (t - 4.0 / 29); }
  uint8_t Encode(double linear) const {
    return encode_[size_t(std::lround(std::clamp(linear, 0.0, 1.0) * (kSteps - 1)))];
  }
  uint8_t encode_[kSteps];
};

// The rows of the composite's channels, raw or PackBits-packed.
class CompositeReader {
 public:
  CompositeReader(const ByteSource& file, const PhotoshopLayout& layout) : file_(file), layout_(layout) {}

  // False when the compression is unknown or the tables do not fit.
  bool Open(int& message) {
    const PhotoshopHeader& h = layout_.Header;
    rowBytes_ = (uint64_t(h.Width) * h.Depth + 7) / 8;
    uint8_t c[2];
    if (!file_.Read(layout_.ImageDataOffset, c, 2)) return false;
    compression_ = Big16(c);
    const uint64_t planes = uint64_t(h.Channels) * h.Height;
    const uint64_t data = layout_.ImageDataOffset + 2;
    row_ = NewBuffer<uint8_t>(size_t(rowBytes_));
    if (!row_) {
      message = kMessageNotEnoughMemory;
      return false;
    }
    if (compression_ == kCompressionRaw) {
      rawStart_ = data;
      return true;  // short data is found row by row
    }
    if (compression_ != kCompressionPackBits) return false;
    const uint64_t countBytes = IsLarge(h) ? 4 : 2;
    if (!file_.Contains(data, planes * countBytes)) return false;
    counts_ = NewBuffer<uint32_t>(size_t(planes));
    packed_ = NewBuffer<uint8_t>(size_t(MaxPackedRow()));
    if (!counts_ || !packed_) {
      message = kMessageNotEnoughMemory;
      return false;
    }
    std::vector<uint8_t> table;
    if (!file_.ReadBlock(data, planes * countBytes, table)) return false;
    for (uint64_t i = 0; i < planes; ++i)
      counts_[i] = countBytes == 4 ? Big32(&table[i * 4]) : Big16(&table[i * 2]);
    // Each channel's rows follow the previous channel's.
    uint64_t at = data + planes * countBytes;
    channelStart_.assign(h.Channels, 0);
    for (uint16_t ch = 0; ch < h.Channels; ++ch) {
      channelStart_[ch] = at;
      for (uint32_t y = 0; y < h.Height; ++y) at += counts_[uint64_t(ch) * h.Height + y];
    }
    next_ = channelStart_;
    return true;
  }

  // Row y of `channel` (rows of a channel are asked for in order), unpacked.
  const uint8_t* Row(uint16_t channel, uint32_t y) {
    const PhotoshopHeader& h = layout_.Header;
    if (compression_ == kCompressionRaw) {
      const uint64_t at = rawStart_ + (uint64_t(channel) * h.Height + y) * rowBytes_;
      return file_.Read(at, row_.get(), size_t(rowBytes_)) ? row_.get() : nullptr;
    }
    const uint32_t count = counts_[uint64_t(channel) * h.Height + y];
    const uint64_t at = next_[channel];
    next_[channel] += count;
    size_t used = 0;
    if (count > MaxPackedRow() || !file_.Read(at, packed_.get(), count) ||
        !UnpackBits(packed_.get(), count, row_.get(), size_t(rowBytes_), used))
      return nullptr;
    return row_.get();
  }

 private:
  // The longest packed row that can be valid: a literal header for every
  // 128 bytes, plus slack for no-ops that some writers put in.
  uint64_t MaxPackedRow() const { return rowBytes_ + rowBytes_ / 128 + 256; }

  const ByteSource& file_;
  const PhotoshopLayout& layout_;
  uint16_t compression_ = 0;
  uint64_t rowBytes_ = 0;
  uint64_t rawStart_ = 0;
  Buffer<uint32_t> counts_;
  Buffer<uint8_t> packed_;
  Buffer<uint8_t> row_;
  std::vector<uint64_t> channelStart_, next_;
};

// Builds each drawing row from the channel rows of the composite.
class RowComposer {
 public:
  RowComposer(const PhotoshopLayout& layout, const uint8_t* palette) : layout_(layout), palette_(palette) {
    plan_ = PlanChannels(layout);
  }

  bool Prepare() {
    const size_t bytes = size_t((uint64_t(layout_.Header.Width) * layout_.Header.Depth + 7) / 8);
    for (int i = 0; i < 4; ++i) {
      channels_[i] = NewBuffer<uint8_t>(bytes);
      if (!channels_[i]) return false;
    }
    if (layout_.Header.Mode == kPsdLab) lab_.reset(new (std::nothrow) LabConverter);
    return layout_.Header.Mode != kPsdLab || lab_;
  }

  bool Compose(CompositeReader& reader, uint32_t y, uint8_t* out) {
    const int used = plan_.Colour + (plan_.Alpha >= 0 ? 1 : 0);
    const size_t bytes = size_t((uint64_t(layout_.Header.Width) * layout_.Header.Depth + 7) / 8);
    for (int i = 0; i < used; ++i) {
      const uint16_t channel = uint16_t(i < plan_.Colour ? i : plan_.Alpha);
      const uint8_t* row = reader.Row(channel, y);
      if (!row) return false;
      std::memcpy(channels_[i].get(), row, bytes);
    }
    Convert(out);
    return true;
  }

 private:
  void Convert(uint8_t* out) const {
    const PhotoshopHeader& h = layout_.Header;
    const bool wide = h.Depth == 16;
    const size_t step = wide ? 2 : 1;
    const uint8_t* c0 = channels_[0].get();
    const uint8_t* c1 = channels_[1].get();
    const uint8_t* c2 = channels_[2].get();
    const uint8_t* alpha = plan_.Alpha >= 0 ? channels_[plan_.Colour].get() : nullptr;
    for (uint32_t x = 0; x < h.Width; ++x, out += kBgra) {
      const size_t at = x * step;
      switch (h.Mode) {
        case kPsdBitmap: {
          const bool black = (c0[x >> 3] >> (7 - (x & 7))) & 1;
          out[0] = out[1] = out[2] = black ? 0 : 255;
          break;
        }
        case kPsdIndexed: {
          const uint8_t i = c0[at];
          out[0] = palette_[512 + i];
          out[1] = palette_[256 + i];
          out[2] = palette_[i];
          break;
        }
        case kPsdLab: {
          const double L = wide ? Big16(c0 + at) * 100.0 / 65535 : c0[at] * 100.0 / 255;
          const double a = wide ? (Big16(c1 + at) - 32768) / 256.0 : c1[at] - 128.0;
          const double b = wide ? (Big16(c2 + at) - 32768) / 256.0 : c2[at] - 128.0;
          lab_->ToBgr(L, a, b, out);
          break;
        }
        default:
          if (plan_.Colour == 3) {
            out[0] = To8(c2 + at, wide);
            out[1] = To8(c1 + at, wide);
            out[2] = To8(c0 + at, wide);
          } else {
            out[0] = out[1] = out[2] = To8(c0 + at, wide);
          }
      }
      out[3] = alpha ? To8(alpha + at, wide) : 0;
    }
  }

  const PhotoshopLayout& layout_;
  const uint8_t* palette_;
  ChannelPlan plan_;
  Buffer<uint8_t> channels_[4];
  std::unique_ptr<LabConverter> lab_;
};

}  // namespace

bool HasPhotoshopSignature(const ByteSource& file) {
  uint8_t head[sizeof kSignature];
  return file.Read(0, head, sizeof head) && std::memcmp(head, kSignature, sizeof kSignature) == 0;
}

bool ReadPhotoshopLayout(const ByteSource& file, PhotoshopLayout& layout) {
  uint8_t b[kHeaderBytes];
  if (!HasPhotoshopSignature(file) || !file.Read(0, b, sizeof b)) return false;
  PhotoshopHeader& h = layout.Header;
  h.Version = Big16(b + 4);
  h.Channels = Big16(b + 12);
  h.Height = Big32(b + 14);
  h.Width = Big32(b + 18);
  h.Depth = Big16(b + 22);
  h.Mode = Big16(b + 24);
  if (h.Version != 1 && h.Version != 2) return false;
  const uint32_t maxSide = IsLarge(h) ? kMaxLargeDocumentSide : kMaxDocumentSide;
  if (h.Channels < 1 || h.Channels > kMaxChannels || h.Width < 1 || h.Height < 1 || h.Width > maxSide ||
      h.Height > maxSide)
    return false;

  uint64_t at = kHeaderBytes, length = 0;
  if (!ReadLength(file, at, false, length) || !file.Contains(at + 4, length)) return false;
  layout.ColorModeOffset = at + 4;
  layout.ColorModeSize = length;
  at += 4 + length;
  if (!ReadLength(file, at, false, length) || !file.Contains(at + 4, length)) return false;
  layout.ResourcesOffset = at + 4;
  layout.ResourcesSize = length;
  at += 4 + length;
  const bool wide = IsLarge(h);
  const uint64_t lengthBytes = wide ? 8 : 4;
  if (!ReadLength(file, at, wide, length) || !file.Contains(at + lengthBytes, length)) return false;
  layout.LayerCount = 0;
  uint64_t layerInfo = 0;
  uint8_t count[2];
  if (length >= lengthBytes + 2 && ReadLength(file, at + lengthBytes, wide, layerInfo) && layerInfo >= 2 &&
      file.Read(at + 2 * lengthBytes, count, 2))
    layout.LayerCount = int16_t(Big16(count));
  layout.ImageDataOffset = at + lengthBytes + length;
  return file.Contains(layout.ImageDataOffset, 2);
}

bool PhotoshopColorSpace(const PhotoshopHeader& header, uint32_t& space, int16_t& bitsPerPixel) {
  switch (header.Mode) {
    case kPsdBitmap: space = kSpaceBlackWhite; break;
    case kPsdGray: space = kSpaceGray; break;
    case kPsdIndexed:
    case kPsdRgb: space = kSpaceRgb; break;
    case kPsdCmyk: space = kSpaceCmyk; break;
    case kPsdMultichannel: space = kSpaceMulti; break;
    case kPsdDuotone: space = kSpaceDuotone; break;
    case kPsdLab: space = kSpaceLab; break;
    default: return false;
  }
  bitsPerPixel = int16_t(std::min<uint32_t>(uint32_t(header.Channels) * header.Depth, INT16_MAX));
  return true;
}

bool PhotoshopHasTransparency(const PhotoshopLayout& layout) { return PlanChannels(layout).Alpha >= 0; }

int16_t PhotoshopDrawingDepth(const PhotoshopLayout& layout) {
  if (PhotoshopHasTransparency(layout)) return 32;
  switch (layout.Header.Mode) {
    case kPsdBitmap: return 1;
    case kPsdGray:
    case kPsdDuotone:
    case kPsdIndexed: return 8;
  }
  return PlanChannels(layout).Colour == 3 ? 24 : 8;
}

void PhotoshopResolution(const ByteSource& file, const PhotoshopLayout& layout, int32_t& x, int32_t& y) {
  x = y = kDefaultResolution;
  SubByteSource resources(file, layout.ResourcesOffset, layout.ResourcesSize);
  ForEachPhotoshopResource(resources, [&](const PhotoshopResource& block) {
    if (block.Id != kResourceResolution) return true;
    uint8_t info[16];
    if (block.Size < sizeof info || !resources.Read(block.Offset, info, sizeof info)) return false;
    // Pixels per inch as 16.16 fixed point, whatever unit the document shows.
    const uint32_t h = Big32(info), v = Big32(info + 8);
    if (h >= 0x10000 && v >= 0x10000) {
      x = int32_t((h + 0x8000) >> 16);
      y = int32_t((v + 0x8000) >> 16);
    }
    return false;
  });
}

BitmapPtr DecodePhotoshopPixels(const ByteSource& file, const PhotoshopLayout& layout, LSize size, AlphaRows alpha,
                                BitmapPtr& mask, int& message) {
  message = kMessageNotSupported;
  const PhotoshopHeader& h = layout.Header;
  if (!DrawableMode(h.Mode) || !SupportedDepth(h)) return nullptr;
  if ((h.Mode == kPsdRgb || h.Mode == kPsdLab) && h.Channels < 3) return nullptr;
  uint8_t palette[kPaletteBytes] = {};
  if (h.Mode == kPsdIndexed &&
      (layout.ColorModeSize < kPaletteBytes || !file.Read(layout.ColorModeOffset, palette, sizeof palette)))
    return nullptr;
  if (h.Width > uint32_t(OffscreenBitmap::kMaxSide) || h.Height > uint32_t(OffscreenBitmap::kMaxSide)) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }

  CompositeReader reader(file, layout);
  if (!reader.Open(message)) return nullptr;
  RowComposer composer(layout, palette);
  RowTarget target;
  if (!composer.Prepare() || !target.Begin(int32_t(h.Width), int32_t(h.Height), size, false, alpha)) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  for (uint32_t y = 0; y < h.Height; ++y) {
    if (!composer.Compose(reader, y, target.NextRow())) return nullptr;
    target.Commit();
  }
  BitmapPtr pixels = target.Finish();
  mask = target.TakeMask();
  if (!pixels) message = kMessageNotEnoughMemory;
  return pixels;
}

bool ReadPhotoshopProfile(const ByteSource& file, const PhotoshopLayout& layout, std::vector<uint8_t>& profile) {
  profile.clear();
  SubByteSource resources(file, layout.ResourcesOffset, layout.ResourcesSize);
  bool found = false;
  ForEachPhotoshopResource(resources, [&](const PhotoshopResource& block) {
    if (block.Id != kResourceIccProfile) return true;
    found = block.Size > 0 && resources.ReadBlock(block.Offset, block.Size, profile);
    return false;
  });
  return found;
}

}  // namespace tl
