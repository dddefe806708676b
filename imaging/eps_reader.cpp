#include "imaging/eps_reader.h"

#include <algorithm>
#include <cstring>

#include "document/layout_object.h"
#include "imaging/buffer.h"
#include "imaging/byte_source.h"
#include "imaging/clipping_path.h"
#include "imaging/decode_limits.h"
#include "imaging/eps_text.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"
#include "imaging/image_resolution.h"
#include "imaging/jpeg_reader.h"
#include "imaging/photoshop_resources.h"
#include "imaging/tiff_reader.h"

namespace tl {
namespace {

constexpr char kEpsfLine[] = "%!PS-Adobe-3.0 EPSF-3.0";
constexpr char kImageData[] = "%ImageData:";
constexpr char kBeginPhotoshop[] = "%BeginPhotoshop:";
constexpr char kBeginIccProfile[] = "%%BeginICCProfile:";
constexpr char kBeginBinary[] = "%%BeginBinary:";
constexpr size_t kImageDataBytes = 64;
constexpr int kImageDataNumbers = 7;
constexpr uint8_t kDosEpsMagic[4] = {0xC5, 0xD0, 0xD3, 0xC6};
constexpr size_t kDosHeaderBytes = 28;
constexpr size_t kDosTiffOffset = 20;
constexpr size_t kDosTiffLength = 24;
constexpr size_t kProfileSizeBytes = 4;
// The vertical resolution is the fifth 16-bit value of resource 1005.
constexpr size_t kVerticalResolutionAt = 8;

enum EpsEncoding : uint16_t { kBinary = 1, kHexadecimal = 2 };

// The first seven runs of decimal digits of the 64 bytes after the keyword.
bool ParseImageData(FILE* file, EpsImageData& d) {
  char text[kImageDataBytes];
  if (!ReadExact(file, text, sizeof text)) return false;
  uint32_t numbers[kImageDataNumbers] = {};
  int found = 0;
  for (size_t i = 0; i < sizeof text && found < kImageDataNumbers;) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    uint32_t v = 0;
    for (; i < sizeof text && text[i] >= '0' && text[i] <= '9'; ++i) v = v < 100000 ? v * 10 + uint32_t(text[i] - '0') : v;
    numbers[found++] = v;
  }
  if (found < kImageDataNumbers) return false;
  for (uint32_t& n : numbers) n = n > 0xFFFF ? 0xFFFF : n;
  d = {uint16_t(numbers[0]), uint16_t(numbers[1]), uint16_t(numbers[2]), uint16_t(numbers[3]),
       uint16_t(numbers[4]), uint16_t(numbers[5]), uint16_t(numbers[6])};
  return true;
}

// The decoded bytes of the Photoshop resources; false when the file has none.
bool ReadPhotoshopResources(FILE* file, std::vector<uint8_t>& resources) {
  int64_t count = 0;
  const int64_t length = FileLength(file);
  if (!SeekTo(file, 0) || !FindKeyword(file, kBeginPhotoshop) || !ReadKeywordLine(file, 1, count)) return false;
  if (count <= 0 || count > length) return false;
  resources.resize(size_t(count));
  HexReader hex(file);
  return hex.Read(resources.data(), resources.size());
}

void ReadResolution(FILE* file, ImageDescBlock& desc) {
  std::vector<uint8_t> resources;
  int x = 0, y = 0;
  if (ReadPhotoshopResources(file, resources)) {
    MemoryByteSource source(resources.data(), resources.size());
    ForEachPhotoshopResource(source, [&](const PhotoshopResource& block) {
      if (block.Id != kResourceResolution) return true;
      uint8_t info[kVerticalResolutionAt + 2];
      if (source.Read(block.Offset, info, sizeof info)) {
        x = Big16(info);
        y = Big16(info + kVerticalResolutionAt);
      }
      return false;
    });
  }
  SetDescResolution(desc, x, y, ResolutionUnit::Inch);
}

void StoreImageData(ImageDescBlock& desc, const EpsImageData& d) {
  const uint16_t numbers[kImageDataNumbers] = {d.Width, d.Height, d.BitsPerChannel, d.Channels,
                                               d.PadChannels, d.BlockBytes, d.Encoding};
  std::memcpy(desc.Data() + kEpsImageDataOffset, numbers, sizeof numbers);
}

// One pixel row from the channel rows (each d.BlockBytes long).
void ConvertChannelRows(const EpsImageData& d, const uint8_t* rows, uint8_t* out) {
  for (uint32_t x = 0; x < d.Width; ++x, out += 4) {
    const uint8_t first = rows[x];
    switch (d.Channels) {
      case 3:
        out[0] = rows[2 * d.BlockBytes + x];
        out[1] = rows[d.BlockBytes + x];
        out[2] = first;
        out[3] = 0;
        break;
      case 4:
        for (uint32_t c = 0; c < 4; ++c) out[c] = rows[c * d.BlockBytes + x];
        break;
      default: out[0] = out[1] = out[2] = first, out[3] = 0;
    }
  }
}

// Skips the rows of the pad channels one channel row at a time: the file
// states their count, and a buffer for all of them at once could take 4 GB.
bool SkipPadRows(FILE* file, HexReader& hex, const EpsImageData& d, uint8_t* scratch) {
  if (d.Encoding == kBinary) return std::fseek(file, long(d.BlockBytes) * d.PadChannels, SEEK_CUR) == 0;
  for (uint32_t c = 0; c < d.PadChannels; ++c)
    if (!hex.Read(scratch, d.BlockBytes)) return false;
  return true;
}

// Binary or hexadecimal rows: each row holds one row per channel, then the
// rows of the pad channels.
int DecodeChannelRows(FILE* file, const EpsImageData& d, OffscreenBitmap& image) {
  if (d.BitsPerChannel != 8 || d.BlockBytes < d.Width || d.Channels < 1 || d.Channels > 4)
    return kMessageNotSupported;
  const size_t rowBytes = size_t(d.BlockBytes) * d.Channels;
  Buffer<uint8_t> rows = NewBuffer<uint8_t>(rowBytes);
  if (!rows) return kMessageNotEnoughMemory;
  HexReader hex(file);
  for (int32_t y = 0; y < image.Height; ++y) {
    const bool read = d.Encoding == kBinary ? ReadExact(file, rows.get(), rowBytes) : hex.Read(rows.get(), rowBytes);
    if (!read) return kMessageNotSupported;
    ConvertChannelRows(d, rows.get(), image.Row(y));
    if (!SkipPadRows(file, hex, d, rows.get())) return kMessageNotSupported;
  }
  return 0;
}

// JPEG data written as ASCII85 text, `count` characters of it.
BitmapPtr DecodeAscii85Jpeg(FILE* file, int64_t count, const EpsImageData& d) {
  if (count <= 0 || count > FileLength(file)) return nullptr;
  std::vector<uint8_t> text(static_cast<size_t>(count)), jpeg;
  if (!ReadExact(file, text.data(), text.size())) return nullptr;
  DecodeAscii85(text.data(), text.size(), jpeg);
  BitmapPtr pixels = DecodeJpegMemory(jpeg.data(), jpeg.size(), DecodePixelLimit());
  // Four-channel data is stored with its inks inverted.
  if (pixels && d.Channels == 4)
    for (size_t i = 0; i < pixels->ByteSize(); ++i) pixels->Pixels[i] = uint8_t(255 - pixels->Pixels[i]);
  return pixels;
}

BitmapPtr MaskFromClippingPath(FILE* file, int32_t width, int32_t height) {
  std::vector<uint8_t> resources;
  uint64_t offset = 0, size = 0;
  if (!ReadPhotoshopResources(file, resources)) return nullptr;
  MemoryByteSource source(resources.data(), resources.size());
  if (!FindClippingPath(source, offset, size)) return nullptr;
  BitmapPtr mask = OffscreenBitmapNew(width, height);
  if (mask) DrawClippingPath(SubByteSource(source, offset, size), *mask);
  return mask;
}

BitmapPtr DosEpsTiffPreview(FILE* file) {
  uint8_t header[kDosHeaderBytes];
  if (!SeekTo(file, 0) || !ReadExact(file, header, sizeof header) || std::memcmp(header, kDosEpsMagic, 4) != 0)
    return nullptr;
  FileByteSource source(file, 0, uint64_t(FileLength(file)));
  std::vector<uint8_t> tiff;
  const uint32_t length = Little32(header + kDosTiffLength);
  if (length == 0 || !source.ReadBlock(Little32(header + kDosTiffOffset), length, tiff)) return nullptr;
  return DecodeTiffMemory(tiff.data(), tiff.size());
}

// Resource 1036's JPEG data, from its first FF D8 on.
BitmapPtr PhotoshopPreview(FILE* file) {
  std::vector<uint8_t> resources;
  if (!ReadPhotoshopResources(file, resources)) return nullptr;
  MemoryByteSource source(resources.data(), resources.size());
  BitmapPtr preview;
  ForEachPhotoshopResource(source, [&](const PhotoshopResource& block) {
    if (block.Id != kResourceThumbnail) return true;
    const uint8_t* data = resources.data() + block.Offset;
    for (uint64_t i = 0; i + 1 < block.Size; ++i) {
      if (data[i] == 0xFF && data[i + 1] == 0xD8) {
        preview = DecodeJpegMemory(data + i, size_t(block.Size - i), kMaxThumbnailPixels);
        break;
      }
    }
    return false;
  });
  return preview;
}

}  // namespace

bool ReadEpsHeader(ImageObject& image) {
  ImageDescBlock desc(ImageDescBlock::kEpsSize);
  FilePtr file = OpenForReading(image.ImagePath);
  EpsImageData d;
  if (!file || !FindKeyword(file.get(), kEpsfLine) || !FindKeyword(file.get(), kImageData) ||
      !ParseImageData(file.get(), d))
    return false;
  desc.SetBlockSize(uint32_t(ImageDescBlock::kEpsSize));
  desc.SetCodecType(kCodecEps);
  desc.SetWidth(d.Width);
  desc.SetHeight(d.Height);
  desc.SetDepth(int16_t(std::min<int64_t>(int64_t(d.BitsPerChannel) * d.Channels, INT16_MAX)));
  ReadResolution(file.get(), desc);
  StoreImageData(desc, d);
  image.ImageDesc = std::move(desc);
  std::vector<uint8_t> profile;
  image.HasEmbeddedProfile = ReadEpsProfile(image, profile);
  return true;
}

EpsImageData EpsImageDataOf(const ImageObject& image) {
  EpsImageData d;
  uint16_t numbers[kImageDataNumbers] = {};
  if (image.ImageDesc.ByteSize() < ImageDescBlock::kEpsSize) return d;
  std::memcpy(numbers, image.ImageDesc.Data() + kEpsImageDataOffset, sizeof numbers);
  return {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], numbers[6]};
}

BitmapPtr DecodeEpsFile(const ImageObject& image, const DecodeRequest& request, int& message) {
  const EpsImageData d = EpsImageDataOf(image);
  if (!WithinDecodeLimit(d.Width, d.Height)) {
    message = kMessageNotSupported;
    return nullptr;
  }
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) {
    message = kMessageFailedToOpen;
    return nullptr;
  }
  int64_t binaryCount = 0;
  if (!FindKeyword(file.get(), kBeginBinary) || !ReadKeywordLine(file.get(), 2, binaryCount)) {
    message = kMessageNotSupported;
    return nullptr;
  }
  BitmapPtr pixels;
  if (d.Encoding == kBinary || d.Encoding == kHexadecimal) {
    pixels = OffscreenBitmapNew(d.Width, d.Height);
    if (!pixels) {
      message = kMessageNotEnoughMemory;
      return nullptr;
    }
    if (const int failure = DecodeChannelRows(file.get(), d, *pixels)) {
      message = failure;
      return nullptr;
    }
  } else if (!(pixels = DecodeAscii85Jpeg(file.get(), binaryCount, d))) {
    message = kMessageNotSupported;
    return nullptr;
  }
  BitmapPtr mask;
  if (request.Mask) mask = MaskFromClippingPath(file.get(), pixels->Width, pixels->Height);
  return FinishDecode(image, request, std::move(pixels), std::move(mask), message);
}

BitmapPtr ReadEpsPreview(const ImageObject& image) {
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) return nullptr;
  if (BitmapPtr preview = DosEpsTiffPreview(file.get())) return preview;
  return PhotoshopPreview(file.get());
}

bool ReadEpsProfile(const ImageObject& image, std::vector<uint8_t>& profile) {
  FilePtr file = OpenForReading(image.ImagePath);
  int64_t ignored = 0;
  if (!file || !FindKeyword(file.get(), kBeginIccProfile) || !ReadKeywordLine(file.get(), 1, ignored)) return false;
  HexReader hex(file.get());
  uint8_t size[kProfileSizeBytes];
  if (!hex.Read(size, sizeof size)) return false;
  const uint32_t length = Big32(size);
  // Two characters of text per byte: a size the file cannot hold is bogus.
  if (length < kProfileSizeBytes || int64_t(length) > FileLength(file.get()) / 2) return false;
  profile.assign(size, size + kProfileSizeBytes);
  profile.resize(length);
  return hex.Read(profile.data() + kProfileSizeBytes, length - kProfileSizeBytes);
}

}  // namespace tl
