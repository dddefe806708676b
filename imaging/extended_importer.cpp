#include "imaging/extended_importer.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/file_handle.h"
#include "imaging/file_kind.h"
#include "imaging/image_codes.h"
#include "imaging/photoshop_resources.h"
#include "imaging/pict_reader.h"
#include "imaging/png_reader.h"
#include "imaging/psd_reader.h"
#include "imaging/resource_fork.h"

namespace tl {
namespace {

constexpr size_t kDescriptionRecordBytes = 86;
constexpr size_t kOffsetFrameCount = 48;
constexpr size_t kOffsetName = 50;
constexpr size_t kNameBytes = 32;
constexpr size_t kOffsetColorTable = 84;
constexpr int16_t kNoColorTable = -1;
constexpr int16_t kMaskDepth = 32;

// The description record an importer hands over, with the resolutions as
// whole numbers.
void FillDescription(ImageObject& image, uint32_t codec, int32_t width, int32_t height, int32_t xDpi,
                     int32_t yDpi, int16_t depth, const char* name) {
  ImageDescBlock desc(ImageDescBlock::kExtendedSize);
  desc.SetBlockSize(kDescriptionRecordBytes);
  desc.SetCodecType(codec);
  desc.SetWidth(uint16_t(width));
  desc.SetHeight(uint16_t(height));
  desc.SetHResolution(xDpi);
  desc.SetVResolution(yDpi);
  desc.SetDepth(depth);
  uint8_t* bytes = desc.Data();
  const int16_t frames = 1, table = kNoColorTable;
  std::memcpy(bytes + kOffsetFrameCount, &frames, sizeof frames);
  const size_t length = std::min(std::strlen(name), kNameBytes - 1);
  bytes[kOffsetName] = uint8_t(length);
  std::memcpy(bytes + kOffsetName + 1, name, length);
  std::memcpy(bytes + kOffsetColorTable, &table, sizeof table);
  image.ImageDesc = std::move(desc);
}

bool Describable(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= OffscreenBitmap::kMaxSide && height <= OffscreenBitmap::kMaxSide;
}

bool HasPictExtension(const std::string& path) {
  const std::string extension = PathExtension(path);
  return strcasecmp(extension.c_str(), "pct") == 0 || strcasecmp(extension.c_str(), "pict") == 0;
}

// A file opened as a bounded source for the readers that follow offsets.
struct OpenFile {
  explicit OpenFile(const std::string& path) : file(OpenForReading(path)), source(file.get(), 0, UINT64_MAX) {}
  FilePtr file;
  FileByteSource source;
};

bool ReadPhotoshop(const OpenFile& open, PhotoshopLayout& layout) {
  return open.file && ReadPhotoshopLayout(open.source, layout);
}

// The picture of a PICT file, from its size word on.
struct PictFile {
  explicit PictFile(const std::string& path) : open(path) {
    found = open.file && FindPictInFile(open.source, start);
    if (found) picture.emplace(open.source, start, UINT64_MAX);
  }
  OpenFile open;
  bool found = false;
  uint64_t start = 0;
  std::optional<SubByteSource> picture;
};

bool ReadPngHeader(ImageObject& image) {
  PngFacts facts;
  if (!ReadPngFacts(image.ImagePath, facts) || !Describable(facts.Width, facts.Height)) return false;
  FillDescription(image, kCodecPng, facts.Width, facts.Height, facts.XResolution, facts.YResolution, facts.Depth,
                  "PNG");
  return true;
}

bool ReadPhotoshopHeader(ImageObject& image) {
  OpenFile open(image.ImagePath);
  PhotoshopLayout layout;
  if (!ReadPhotoshop(open, layout) || !Describable(layout.Header.Width, layout.Header.Height)) return false;
  int32_t x = 0, y = 0;
  PhotoshopResolution(open.source, layout, x, y);
  FillDescription(image, kCodecPhotoshop, int32_t(layout.Header.Width), int32_t(layout.Header.Height), x, y,
                  PhotoshopDrawingDepth(layout), "Photoshop");
  return true;
}

bool ReadPictHeader(ImageObject& image) {
  PictFile pict(image.ImagePath);
  PictFacts facts;
  if (!pict.found || !ReadPictFacts(*pict.picture, facts)) return false;
  const int64_t width = int64_t(facts.Frame.right) - facts.Frame.left;
  const int64_t height = int64_t(facts.Frame.bottom) - facts.Frame.top;
  if (!Describable(width, height)) return false;
  FillDescription(image, kCodecPict, int32_t(width), int32_t(height), facts.XResolution, facts.YResolution,
                  facts.Depth, "PICT");
  return true;
}

BitmapPtr DrawPictFile(const std::string& path, int& message) {
  PictFile pict(path);
  message = kMessageNotSupported;
  return pict.found ? DrawPict(*pict.picture, message) : nullptr;
}

BitmapPtr DrawPreviewPicture(const std::string& path) {
  std::vector<uint8_t> picture;
  if (!ReadPreviewPicture(path, picture)) return nullptr;
  MemoryByteSource source(picture.data(), picture.size());
  int message = 0;
  BitmapPtr preview = DrawPict(source, message);
  // A failed canvas is tried once more: the first try may have met a
  // passing shortage of memory.
  if (!preview && message == kMessageNotEnoughMemory) preview = DrawPict(source, message);
  return preview;
}

}  // namespace

LSize LimitNaturalBounds(LSize natural) {
  return {std::min(natural.cx, kMaxNaturalSide), std::min(natural.cy, kMaxNaturalSide)};
}

bool BuiltInFormatImporter::FileKindOf(const std::string& path, uint32_t& kind) {
  OpenFile open(path);
  if (!open.file) return false;
  uint8_t head[kPngSignatureBytes] = {};
  if (open.source.Read(0, head, sizeof head) && IsPngSignature(head)) {
    kind = kKindPng;
    return true;
  }
  if (HasPhotoshopSignature(open.source)) {
    kind = kKindPhotoshop;
    return true;
  }
  uint64_t start = 0;
  if (FindPictInFile(open.source, start) || HasPictExtension(path)) {
    kind = kKindPict;
    return true;
  }
  return false;
}

bool BuiltInFormatImporter::ReadHeader(ImageObject& image) {
  bool described = false;
  switch (image.FileKind) {
    case kKindPng: described = ReadPngHeader(image); break;
    case kKindPhotoshop: described = ReadPhotoshopHeader(image); break;
    case kKindPict: described = ReadPictHeader(image); break;
  }
  if (!described) return false;
  std::vector<uint8_t> profile;
  image.HasEmbeddedProfile = ReadProfile(image, profile) ? 1 : 0;
  return true;
}

bool BuiltInFormatImporter::ReadColorSpace(ImageObject& image) {
  OpenFile open(image.ImagePath);
  PhotoshopLayout layout;
  uint32_t space = 0;
  int16_t bits = 0;
  if (!ReadPhotoshop(open, layout) || !PhotoshopColorSpace(layout.Header, space, bits)) return false;
  image.ColorSpace = space;
  image.BitsPerPixel = bits;
  return true;
}

BitmapPtr BuiltInFormatImporter::ReadPreview(ImageObject& image) {
  if (BitmapPtr preview = DrawPreviewPicture(image.ImagePath)) return preview;
  if (image.FileKind != kKindPhotoshop) return nullptr;
  OpenFile open(image.ImagePath);
  PhotoshopLayout layout;
  if (!ReadPhotoshop(open, layout)) return nullptr;
  return ReadPhotoshopThumbnail(SubByteSource(open.source, layout.ResourcesOffset, layout.ResourcesSize));
}

BitmapPtr BuiltInFormatImporter::Decode(const ImageObject& image, const DecodeRequest& request, int& message) {
  OpenFile open(image.ImagePath);
  if (!open.file) {
    message = kMessageFailedToOpen;
    return nullptr;
  }
  const uint32_t codec = image.ImageDesc.CodecType();
  const LSize size = request.Requested ? *request.Requested
                                       : LimitNaturalBounds({image.ImageDesc.Width(), image.ImageDesc.Height()});
  // The alpha of pictures with transparency goes into their mask, which
  // only versions from 6.0 on make; PICT pictures never have one.
  const bool transparent = (codec == kCodecPng || codec == kCodecPhotoshop) && image.ImageDesc.Depth() == kMaskDepth;
  const bool makeMask = request.Mask && version_ >= kQuickTimeAlphaVersion;
  const AlphaRows alpha = !transparent ? AlphaRows::Keep : makeMask ? AlphaRows::Mask : AlphaRows::Clear;
  BitmapPtr pixels, mask;
  switch (codec) {
    case kCodecPng: pixels = DecodePngPixels(image.ImagePath, size, alpha, mask, message); break;
    case kCodecPhotoshop: {
      PhotoshopLayout layout;
      message = kMessageNotSupported;
      if (ReadPhotoshop(open, layout)) pixels = DecodePhotoshopPixels(open.source, layout, size, alpha, mask, message);
      break;
    }
    case kCodecPict: pixels = DrawPictFile(image.ImagePath, message); break;
    default: message = kMessageNotSupported;
  }
  if (!pixels) return nullptr;
  DecodeRequest sized = request;
  sized.Requested = &size;
  return FinishDecode(image, sized, std::move(pixels), std::move(mask), message);
}

bool BuiltInFormatImporter::ReadProfile(const ImageObject& image, std::vector<uint8_t>& profile) {
  profile.clear();
  switch (image.FileKind) {
    case kKindPng: return ReadPngProfile(image.ImagePath, profile);
    case kKindPhotoshop: {
      OpenFile open(image.ImagePath);
      PhotoshopLayout layout;
      return ReadPhotoshop(open, layout) && ReadPhotoshopProfile(open.source, layout, profile);
    }
  }
  return false;
}

}  // namespace tl
