#include "imaging/image_header.h"

#include <cerrno>
#include <cstring>

#include "document/layout_object.h"
#include "document/message_box.h"
#include "imaging/bmp_reader.h"
#include "imaging/eps_reader.h"
#include "imaging/file_facts.h"
#include "imaging/file_handle.h"
#include "imaging/file_kind.h"
#include "imaging/image_codes.h"
#include "imaging/import_extensions.h"
#include "imaging/jpeg_reader.h"
#include "imaging/tiff_reader.h"

namespace tl {
namespace {

constexpr int16_t kCmykDepth = 32;
constexpr int16_t kRgbDepth = 24;
constexpr int16_t kUnusableDepth = 16;
constexpr int16_t kCaptureLevelMinimum = 2;

bool IsExtendedKind(uint32_t kind) { return kind == kKindPhotoshop || kind == kKindPict || kind == kKindPng; }

// The kind by the own detection, else by the importer.
bool FindKind(const std::string& path, uint32_t& kind) {
  if (DetectFileKind(path, kind) == 0) return true;
  ExtendedFormatImporter* importer = InstalledExtendedFormatImporter();
  return importer && importer->FileKindOf(path, kind) && IsExtendedKind(kind);
}

bool ReadHeaderOfKind(ImageObject& image, uint32_t kind) {
  switch (kind) {
    case kKindBmp: return ReadBmpHeader(image);
    case kKindEff:
    case kKindJpeg: return ReadJpegHeader(image);
    case kKindEps: return ReadEpsHeader(image);
    case kKindTiff: return ReadTiffHeader(image);
  }
  ExtendedFormatImporter* importer = InstalledExtendedFormatImporter();
  return IsExtendedKind(kind) && importer && importer->ReadHeader(image);
}

bool EpsColorSpace(int16_t depth, uint32_t& space) {
  if (depth >= kCmykDepth)
    space = kSpaceCmyk;
  else if (depth >= kRgbDepth)
    space = kSpaceRgb;
  else if (depth == kUnusableDepth)
    return false;
  else
    space = kSpaceGray;
  return true;
}

}  // namespace

bool DetectColorSpace(ImageObject& image) {
  uint32_t space = image.ColorSpace;
  int16_t bits = image.ImageDesc.Depth();
  switch (image.ImageDesc.CodecType()) {
    case kCodecPhotoshop: {
      ExtendedFormatImporter* importer = InstalledExtendedFormatImporter();
      return importer && importer->ReadColorSpace(image);
    }
    case kCodecJpeg: {
      FilePtr file = OpenForReading(image.ImagePath);
      if (!file || !ReadJpegColorSpace(file.get(), space, bits)) return false;
      break;
    }
    case kCodecTiff:
      if (!ReadTiffColorSpace(image, space)) return false;
      break;
    case kCodecEps:
      if (!EpsColorSpace(bits, space)) return false;
      break;
    case kCodecEff: space = kSpaceRgb; break;
    case kCodecBmp:
      // Only a gray palette makes a low-depth bitmap gray; 4-bit colour
      // bitmaps are colour pictures.
      space = bits < 8 && BmpHasGrayPalette(image) ? kSpaceGray : kSpaceRgb;
      break;
    default: space = bits < 8 ? kSpaceGray : kSpaceRgb;
  }
  image.ColorSpace = space;
  image.BitsPerPixel = bits;
  return true;
}

bool ReadImageHeader(ImageObject& image, const std::string& path) {
  uint32_t kind = 0;
  if (!FindKind(path, kind)) return false;

  FileFacts facts;
  if (!OpenForReading(path) || !ReadFileFacts(path, facts)) {
    ShowMessageText(std::strerror(errno), MessageIcon::Stop);
    return false;
  }
  image.ImagePath = path;
  image.FileSize = facts.Size;
  image.CreationTime = facts.CreationTime;
  image.LastWriteTime = facts.LastWriteTime;
  image.FileKind = kind;
  image.HasEmbeddedProfile = 0;
  image.CaptureMatchingLevel = 0;
  image.ImageDesc = ImageDescBlock();
  image.ColorSpace = 0;
  image.BitsPerPixel = 0;
  image.Exif = ExifFields();

  if (!ReadHeaderOfKind(image, kind) || !image.ImageDesc.Valid()) return false;
  const bool known = DetectColorSpace(image);
  if ((kind == kKindJpeg || kind == kKindTiff) && image.ColorSpace == kSpaceRgb) {
    CaptureMatcher* matcher = InstalledCaptureMatcher();
    const int16_t level = matcher ? matcher->CaptureLevel(image) : 0;
    image.CaptureMatchingLevel = level >= kCaptureLevelMinimum ? level : 0;
  }
  if (image.ColorSpace == kSpaceCmyk) return false;
  return known;
}

}  // namespace tl
