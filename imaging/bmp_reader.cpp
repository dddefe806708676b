#include "imaging/bmp_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/decode_limits.h"
#include "imaging/image_codes.h"
#include "imaging/image_resolution.h"

namespace tl {
namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr int32_t kMaxSide = 0xFFFF;  // the description keeps 16-bit sides

uint8_t Scale5(unsigned v) { return uint8_t(v * 255 / 31); }

}  // namespace

int32_t BitmapDotsPerInch(uint32_t ppm) {
  if (ppm == 0) return kDefaultResolution;
  // In thousandths: a fraction of exactly one half, or less, rounds down.
  const uint64_t t = uint64_t(ppm) * 254 * 2000 / 10000;
  const uint64_t u = (t + 1) / 2;
  const uint64_t whole = u / 1000;
  return int32_t(u % 1000 <= 500 ? whole : whole + 1);
}

int BitmapReader::Make(const std::string& path, std::unique_ptr<BitmapReader>& reader) {
  std::unique_ptr<BitmapReader> made(new (std::nothrow) BitmapReader);
  if (!made) return kBitmapNotUsable;
  made->file_ = OpenForReading(path);
  if (!made->file_) return kBitmapNotUsable;
  if (const int result = made->ReadHeader()) return result;
  reader = std::move(made);
  return kBitmapOk;
}

int BitmapReader::ReadHeader() {
  fileLength_ = FileLength(file_.get());
  FileByteSource file(file_.get(), 0, uint64_t(std::max<int64_t>(0, fileLength_)));
  uint8_t h[kFileHeaderBytes + kInfoHeaderBytes] = {};
  if (!file.Read(0, h, kFileHeaderBytes + 4) || h[0] != 'B' || h[1] != 'M') return kBitmapNotUsable;
  dataOffset_ = Little32(h + 10);
  const uint32_t headerSize = Little32(h + 14);
  uint16_t planes = 0;
  uint32_t paletteEntryBytes = 4, colorsUsed = 0;
  if (headerSize == kCoreHeaderBytes) {
    if (!file.Read(0, h, kFileHeaderBytes + kCoreHeaderBytes)) return kBitmapNotUsable;
    width_ = Little16(h + 18);
    height_ = Little16(h + 20);
    planes = Little16(h + 22);
    bits_ = Little16(h + 24);
    paletteEntryBytes = 3;
  } else if (headerSize >= kInfoHeaderBytes) {
    if (!file.Read(0, h, sizeof h)) return kBitmapNotUsable;
    width_ = int32_t(Little32(h + 18));
    height_ = int32_t(Little32(h + 22));
    planes = Little16(h + 26);
    bits_ = Little16(h + 28);
    compression_ = Little32(h + 30);
    xPerMetre_ = Little32(h + 38);
    yPerMetre_ = Little32(h + 42);
    colorsUsed = Little32(h + 46);
  } else {
    return kBitmapNotUsable;
  }
  if (height_ < 0 && height_ != INT32_MIN) {
    topDown_ = true;
    height_ = -height_;
  }
  if (planes != 1 || width_ < 1 || height_ < 1 || width_ > kMaxSide || height_ > kMaxSide) return kBitmapNotUsable;
  const bool paletted = bits_ == 1 || bits_ == 4 || bits_ == 8;
  if (!paletted && bits_ != 16 && bits_ != 24) return kBitmapNotUsable;
  if (compression_ != kCompressionNone && !(compression_ == kCompressionRle8 && bits_ == 8) &&
      !(compression_ == kCompressionRle4 && bits_ == 4))
    return kBitmapNotUsable;
  if (compression_ != kCompressionNone && topDown_) return kBitmapNotUsable;  // run lengths are bottom-up only

  if (paletted) {
    const uint32_t full = 1u << bits_;
    paletteSize_ = (colorsUsed && colorsUsed < full) ? colorsUsed : full;
    const uint64_t at = kFileHeaderBytes + headerSize;
    for (uint32_t i = 0; i < paletteSize_; ++i) {
      uint8_t entry[4];
      if (!file.Read(at + uint64_t(i) * paletteEntryBytes, entry, paletteEntryBytes)) {
        paletteSize_ = i;  // a short palette keeps what is there
        break;
      }
      palette_[i][0] = entry[2];
      palette_[i][1] = entry[1];
      palette_[i][2] = entry[0];
    }
  }
  stride_ = ((size_t(width_) * bits_ + 31) / 32) * 4;
  return kBitmapOk;
}

int BitmapReader::GetInfo(BitmapFacts& facts) const {
  facts.Width = width_;
  facts.Height = height_;
  facts.BitsPerPixel = int16_t(bits_);
  facts.XDotsPerInch = BitmapDotsPerInch(xPerMetre_);
  facts.YDotsPerInch = BitmapDotsPerInch(yPerMetre_);
  return kBitmapOk;
}

bool BitmapReader::HasGrayPalette() const {
  if (paletteSize_ == 0) return false;
  for (uint32_t i = 0; i < paletteSize_; ++i)
    if (palette_[i][0] != palette_[i][1] || palette_[i][1] != palette_[i][2]) return false;
  return true;
}

int BitmapReader::BeginRead() {
  if (compression_ != kCompressionNone) return ExpandRunLengths();
  // Rows are read as they are asked for; a file too short for them is
  // refused before anything is decoded.
  const uint64_t end = uint64_t(dataOffset_) + uint64_t(stride_) * uint64_t(height_ - 1) + StoredRowBytes();
  if (fileLength_ < 0 || end > uint64_t(fileLength_)) return kBitmapReadFailed;
  row_ = NewBuffer<uint8_t>(stride_);
  return row_ ? kBitmapOk : kBitmapReadFailed;
}

int BitmapReader::ExpandRunLengths() {
  if (!WithinDecodeLimit(width_, height_)) return kBitmapReadFailed;
  indices_ = NewBuffer<uint8_t>(size_t(width_) * size_t(height_));
  FileByteSource file(file_.get(), dataOffset_, UINT64_MAX);
  std::vector<uint8_t> data;
  if (!indices_ || !file.ReadBlock(0, file.Size(), data)) return kBitmapReadFailed;

  const bool four = compression_ == kCompressionRle4;
  int32_t x = 0, line = 0;  // line 0 is the bottom row
  auto put = [&](uint8_t index) {
    if (x < width_ && line < height_) indices_[size_t(height_ - 1 - line) * size_t(width_) + size_t(x)] = index;
    ++x;
  };
  size_t i = 0;
  while (i + 1 < data.size() && line < height_) {
    const uint8_t count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {  // a run
      for (uint8_t k = 0; k < count; ++k) put(four ? uint8_t((k & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++line;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (i + 1 >= data.size()) break;
      x += data[i];
      line += data[i + 1];
      i += 2;
    } else {  // `value` pixels as they are, padded to a 16-bit boundary
      const size_t bytes = four ? (size_t(value) + 1) / 2 : value;
      if (i + bytes > data.size()) break;
      for (uint8_t k = 0; k < value; ++k)
        put(four ? uint8_t((k & 1) ? data[i + k / 2] & 0x0F : data[i + k / 2] >> 4) : data[i + k]);
      i += (bytes + 1) & ~size_t(1);
    }
  }
  return kBitmapOk;
}

void BitmapReader::PaletteRow(const uint8_t* indices, uint8_t* rgb) const {
  for (int32_t x = 0; x < width_; ++x, rgb += 3) {
    const uint8_t index = indices[x];
    if (index < paletteSize_)
      std::memcpy(rgb, palette_[index], 3);
    else
      rgb[0] = rgb[1] = rgb[2] = 0;
  }
}

int BitmapReader::ReadLines(int32_t first, int32_t count, uint8_t* rgb) {
  if (first < 0 || count < 0 || first + count > height_) return kBitmapReadFailed;
  const size_t rowBytes = size_t(width_) * 3;
  for (int32_t y = first; y < first + count; ++y, rgb += rowBytes) {
    if (indices_) {
      PaletteRow(&indices_[size_t(y) * size_t(width_)], rgb);
      continue;
    }
    if (!row_) return kBitmapReadFailed;
    const int64_t stored = topDown_ ? y : height_ - 1 - y;
    if (!SeekTo(file_.get(), int64_t(dataOffset_) + stored * int64_t(stride_)) ||
        !ReadExact(file_.get(), row_.get(), StoredRowBytes()))
      return kBitmapReadFailed;
    const uint8_t* in = row_.get();
    uint8_t* out = rgb;
    switch (bits_) {
      case 24:
        for (int32_t x = 0; x < width_; ++x, in += 3, out += 3) out[0] = in[2], out[1] = in[1], out[2] = in[0];
        break;
      case 16:
        for (int32_t x = 0; x < width_; ++x, in += 2, out += 3) {
          const unsigned v = Little16(in);
          out[0] = Scale5((v >> 10) & 31), out[1] = Scale5((v >> 5) & 31), out[2] = Scale5(v & 31);
        }
        break;
      default: {
        uint8_t indices[kMaxSide + 1];
        const int perByte = 8 / bits_;
        const uint8_t mask = uint8_t((1u << bits_) - 1);
        for (int32_t x = 0; x < width_; ++x) {
          const int shift = 8 - bits_ * (1 + x % perByte);
          indices[x] = uint8_t((in[x / perByte] >> shift) & mask);
        }
        PaletteRow(indices, rgb);
      }
    }
  }
  return kBitmapOk;
}

int BitmapReader::EndRead() {
  row_.reset();
  indices_.reset();
  return kBitmapOk;
}

bool ReadBmpHeader(ImageObject& image) {
  std::unique_ptr<BitmapReader> reader;
  BitmapFacts facts;
  if (BitmapReader::Make(image.ImagePath, reader) != kBitmapOk || reader->GetInfo(facts) != kBitmapOk) return false;
  ImageDescBlock desc(ImageDescBlock::kBasicSize);
  desc.SetCodecType(kCodecBmp);
  desc.SetWidth(uint16_t(facts.Width));
  desc.SetHeight(uint16_t(facts.Height));
  desc.SetHResolution(facts.XDotsPerInch);
  desc.SetVResolution(facts.YDotsPerInch);
  desc.SetDepth(facts.BitsPerPixel);
  image.ImageDesc = std::move(desc);
  image.HasEmbeddedProfile = 0;
  return true;
}

bool BmpHasGrayPalette(const ImageObject& image) {
  std::unique_ptr<BitmapReader> reader;
  return BitmapReader::Make(image.ImagePath, reader) == kBitmapOk && reader->HasGrayPalette();
}

BitmapPtr DecodeBmpFile(const ImageObject& image, const DecodeRequest& request, int& message) {
  std::unique_ptr<BitmapReader> reader;
  BitmapFacts facts;
  if (BitmapReader::Make(image.ImagePath, reader) != kBitmapOk || reader->GetInfo(facts) != kBitmapOk) {
    message = kMessageFailedToOpen;
    return nullptr;
  }
  if (!WithinDecodeLimit(facts.Width, facts.Height)) {
    message = kMessageNotSupported;
    return nullptr;
  }
  BitmapPtr pixels = OffscreenBitmapNew(facts.Width, facts.Height);
  Buffer<uint8_t> rgb = NewBuffer<uint8_t>(size_t(facts.Width) * 3);
  if (!pixels || !rgb) {
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  if (reader->BeginRead() != kBitmapOk) {
    message = kMessageNotSupported;
    return nullptr;
  }
  for (int32_t y = 0; y < facts.Height; ++y) {
    if (reader->ReadLines(y, 1, rgb.get()) != kBitmapOk) {
      message = kMessageNotSupported;
      return nullptr;
    }
    uint8_t* out = pixels->Row(y);
    for (int32_t x = 0; x < facts.Width; ++x, out += 4) {
      out[0] = rgb[size_t(x) * 3 + 2];
      out[1] = rgb[size_t(x) * 3 + 1];
      out[2] = rgb[size_t(x) * 3];
      out[3] = 0;
    }
  }
  reader->EndRead();
  return FinishDecode(image, request, std::move(pixels), nullptr, message);
}

}  // namespace tl
