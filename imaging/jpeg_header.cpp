// The JPEG header reader and the frame-header colour space.
#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/exif_reader.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"
#include "imaging/image_resolution.h"
#include "imaging/jpeg_library.h"
#include "imaging/jpeg_markers.h"
#include "imaging/jpeg_reader.h"

namespace tl {
namespace {

constexpr int kJfifPerInch = 1;
constexpr int kJfifPerCentimetre = 2;
constexpr int16_t kExifPerInch = 2;
constexpr int16_t kExifPerCentimetre = 3;

ResolutionUnit JfifUnit(int unit) {
  if (unit == kJfifPerInch) return ResolutionUnit::Inch;
  if (unit == kJfifPerCentimetre) return ResolutionUnit::Centimetre;
  return ResolutionUnit::None;
}

// A missing unit tag means inches, as the Exif standard has it.
ResolutionUnit ExifUnit(int16_t unit) {
  if (unit == kExifPerInch || unit == 0) return ResolutionUnit::Inch;
  if (unit == kExifPerCentimetre) return ResolutionUnit::Centimetre;
  return ResolutionUnit::None;
}

// The Exif resolution when the Exif block gives one, else the JFIF density.
void SetJpegResolution(ImageDescBlock& desc, const ExifFields& exif, bool exifFound,
                       const jpeg_decompress_struct& info) {
  if (exifFound && exif.XResolution > 0 && exif.YResolution > 0) {
    SetDescResolution(desc, exif.XResolution, exif.YResolution, ExifUnit(exif.ResolutionUnit));
    return;
  }
  if (info.saw_JFIF_marker) {
    SetDescResolution(desc, info.X_density, info.Y_density, JfifUnit(info.density_unit));
    return;
  }
  SetDescResolution(desc, 0, 0, ResolutionUnit::None);
}

// Frame markers: SOF0-SOF3, SOF5-SOF7, SOF9-SOF11, SOF13-SOF15.
bool IsFrameMarker(int code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}
constexpr int kBaselineFrame = 0xC0;
constexpr int kStartOfScan = 0xDA;
constexpr int kRestartInterval = 0xDD;
constexpr int kLineCount = 0xDC;
// The bytes from a frame marker's length to its component count.
constexpr long kFrameCountOffset = 7;

bool HasNoLength(int code) { return code == 0x00 || code == 0x01 || (code >= 0xD0 && code <= 0xD9); }

}  // namespace

bool ReadJpegHeader(ImageObject& image) {
  ImageDescBlock desc(ImageDescBlock::kBasicSize);
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) return false;

  JpegDecompressor jpeg;
  if (!ReadJpegHeaderMarkers(jpeg, file.get(), {kMarkerApp1, kMarkerApp5, kMarkerApp2})) return false;

  const jpeg_decompress_struct& info = *jpeg.get();
  const bool eff = HasEffMarker(info.marker_list);
  desc.SetCodecType(eff ? kCodecEff : kCodecJpeg);
  if (!eff && info.out_color_space == JCS_CMYK) image.ColorSpace = kSpaceCmyk;

  bool exifFound = false;
  if (const jpeg_marker_struct* app1 = FindExifMarker(info.marker_list)) {
    MemoryByteSource tiff(app1->data + kExifIdentifierBytes, app1->data_length - kExifIdentifierBytes);
    exifFound = ReadExifIfd0(tiff, image.Exif);
  }

  desc.SetWidth(uint16_t(info.image_width));
  desc.SetHeight(uint16_t(info.image_height));
  SetJpegResolution(desc, image.Exif, exifFound, info);
  desc.SetDepth(int16_t(info.num_components * 8));
  image.HasEmbeddedProfile = IccProfileLength(info.marker_list) != 0;
  image.ImageDesc = std::move(desc);
  return true;
}

bool ReadJpegColorSpace(FILE* file, uint32_t& space, int16_t& bitsPerPixel) {
  if (!SeekTo(file, 0)) return false;
  for (;;) {
    int c = std::fgetc(file);
    if (c == EOF) break;
    if (c != 0xFF) continue;
    do c = std::fgetc(file);
    while (c == 0xFF);
    if (c == EOF || c == kStartOfScan) break;
    if (HasNoLength(c)) continue;
    if (c == kLineCount || c == kRestartInterval) {
      if (std::fseek(file, 4, SEEK_CUR) != 0) break;
      continue;
    }
    uint8_t length[2];
    if (!ReadExact(file, length, 2)) break;
    const long segment = Big16(length);
    if (IsFrameMarker(c)) {
      uint8_t count = 0;
      if (std::fseek(file, kFrameCountOffset - 2, SEEK_CUR) != 0 || !ReadExact(file, &count, 1)) return false;
      switch (count) {
        case 1: space = kSpaceGray; break;
        case 3: space = kSpaceRgb; break;
        case 4: space = kSpaceCmyk; break;
        default: return c == kBaselineFrame;
      }
      bitsPerPixel = int16_t(count * 8);
      return true;
    }
    if (segment < 2 || std::fseek(file, segment - 2, SEEK_CUR) != 0) break;
  }
  space = kSpaceRgb;
  bitsPerPixel = 24;
  return true;
}

}  // namespace tl
