// The TIFF header reader, colour space, profile and thumbnail.
#include <algorithm>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/exif_reader.h"
#include "imaging/file_handle.h"
#include "imaging/image_codes.h"
#include "imaging/image_resolution.h"
#include "imaging/tiff_library.h"
#include "imaging/tiff_reader.h"

namespace tl {
namespace {

constexpr uint16_t kMaxSamples = 4;
constexpr uint32_t kMaxDescSide = 0xFFFF;  // the description keeps 16-bit sides

bool IsReadablePhotometric(uint16_t p) {
  switch (p) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK:
    case PHOTOMETRIC_RGB:
    case PHOTOMETRIC_PALETTE:
    case PHOTOMETRIC_SEPARATED:
    case PHOTOMETRIC_YCBCR: return true;
  }
  return false;
}

ResolutionUnit TiffUnit(uint16_t unit) {
  if (unit == RESUNIT_INCH) return ResolutionUnit::Inch;
  if (unit == RESUNIT_CENTIMETER) return ResolutionUnit::Centimetre;
  return ResolutionUnit::None;
}

}  // namespace

bool ReadTiffHeader(ImageObject& image) {
  ImageDescBlock desc(ImageDescBlock::kBasicSize);
  TiffPtr tiff = OpenTiffFile(image.ImagePath);
  if (!tiff) return false;
  desc.SetCodecType(kCodecTiff);

  uint16_t compression = COMPRESSION_NONE, photometric = 0, samples = 1, bits = 1, unit = RESUNIT_INCH;
  uint32_t width = 0, height = 0;
  float x = 0, y = 0;
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_COMPRESSION, &compression);
  if (!TIFFIsCODECConfigured(compression)) return false;
  if (!TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric) || !IsReadablePhotometric(photometric))
    return false;
  if (!TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) ||
      width == 0 || height == 0 || width > kMaxDescSide || height > kMaxDescSide)
    return false;
  desc.SetWidth(uint16_t(width));
  desc.SetHeight(uint16_t(height));

  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_RESOLUTIONUNIT, &unit);
  if (!TIFFGetField(tiff.get(), TIFFTAG_XRESOLUTION, &x)) x = 0;
  if (!TIFFGetField(tiff.get(), TIFFTAG_YRESOLUTION, &y)) y = 0;
  SetDescResolution(desc, x, y, TiffUnit(unit));

  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
  if (samples > kMaxSamples) return false;
  desc.SetDepth(int16_t(std::min<int64_t>(int64_t(bits) * samples, INT16_MAX)));

  uint32_t profileLength = 0;
  void* profile = nullptr;
  image.HasEmbeddedProfile = TIFFGetField(tiff.get(), TIFFTAG_ICCPROFILE, &profileLength, &profile) && profileLength;
  image.ImageDesc = std::move(desc);
  return true;
}

bool ReadTiffColorSpace(const ImageObject& image, uint32_t& space) {
  TiffPtr tiff = OpenTiffFile(image.ImagePath);
  if (!tiff) return false;
  uint16_t photometric = 0;
  if (!TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric)) return true;
  switch (photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK: space = kSpaceGray; return true;
    case PHOTOMETRIC_RGB:
    case PHOTOMETRIC_PALETTE:
    case PHOTOMETRIC_YCBCR: space = kSpaceRgb; return true;
    case PHOTOMETRIC_SEPARATED: space = kSpaceCmyk; return true;
    case PHOTOMETRIC_CIELAB: space = kSpaceLab; return true;
  }
  return false;
}

bool ReadTiffProfile(const ImageObject& image, std::vector<uint8_t>& profile) {
  TiffPtr tiff = OpenTiffFile(image.ImagePath);
  if (!tiff) return false;
  uint32_t length = 0;
  const uint8_t* data = nullptr;
  if (!TIFFGetField(tiff.get(), TIFFTAG_ICCPROFILE, &length, &data) || !data || length == 0) return false;
  profile.assign(data, data + length);
  return true;
}

BitmapPtr ReadTiffThumbnail(ImageObject& image) {
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) return nullptr;
  const int64_t length = FileLength(file.get());
  if (length <= 0) return nullptr;
  FileByteSource tiff(file.get(), 0, uint64_t(length));
  return ReadExif(tiff, image.Exif);
}

}  // namespace tl
