#include "imaging/format_image_item.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "document/layout_object.h"
#include "imaging/image_codes.h"
#include "resources/string_table.h"

namespace tl {
namespace {

enum Texts : int {
  kDateFormat = 10624,
  kMegabytes = 10626,
  kKilobytes = 10627,
  kPixelsFormat = 10637,
  kResolutionFormat = 10638,
  kSrgb = 11005,
  kOtherThanSrgb = 11006,
  kFlashNotFired = 11007,
  kFlashFired = 11008,
  kFlashModeFirst = 11012,  // four modes
  kNoRedEye = 11018,
  kRedEye = 11019,
  kLightUnknown = 11020,
  kLightFirst = 11021,  // the light sources in table order
  kAutoWhiteBalance = 11041,
  kManualWhiteBalance = 11042,
  kContrastNormal = 11045,
  kContrastSoft = 11046,
  kContrastHard = 11047,
  kSaturationNormal = 11048,
  kSaturationLow = 11049,
  kSaturationHigh = 11050,
  kReserved = 11051,
};

// Light source values in the order of their texts.
constexpr int kLightSources[] = {1, 2, 3, 4, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 255};

constexpr uint64_t kKibibyte = 1024;
constexpr uint64_t kMebibyte = 1024 * 1024;
constexpr int kFlashFiredBit = 0x1;
constexpr int kRedEyeBit = 0x40;
constexpr int kFlashModeShift = 3;

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return n < 0 ? std::string() : std::string(text);
}

// A text of the string table used as a printf format.
std::string FormatString(int id, ...) {
  const std::string format = StringCopy(id);
  char text[512];
  va_list args;
  va_start(args, id);
  const int n = std::vsnprintf(text, sizeof text, format.c_str(), args);
  va_end(args);
  return n < 0 ? std::string() : std::string(text);
}

std::string FileTime(int64_t seconds) {
  const time_t t = time_t(seconds);
  struct tm local {};
  if (!localtime_r(&t, &local)) return {};
  char text[64];
  const size_t n = std::strftime(text, sizeof text, StringCopy(kDateFormat).c_str(), &local);
  return std::string(text, n);
}

std::string FileSizeText(uint64_t bytes) {
  const bool small = bytes < kMebibyte;
  const uint64_t tenths = bytes * 10 / (small ? kKibibyte : kMebibyte);
  return FormatString(small ? kKilobytes : kMegabytes, long(tenths / 10), long(tenths % 10));
}

std::string FileNamePart(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExifVersionText(const std::string& version) {
  if (version.size() < 4) return version;
  return version.substr(0, 2) + "." + version.substr(2, 2);
}

std::string LightSourceText(int value) {
  for (size_t i = 0; i < std::size(kLightSources); ++i)
    if (kLightSources[i] == value) return StringCopy(kLightFirst + int(i));
  return StringCopy(kLightUnknown);
}

std::string ExposureTimeText(uint32_t n, uint32_t d) {
  if (d == 0) return {};
  if (n >= d) return Printf("%.0fsec", double(n) / double(d));
  if (n == 0) return "0sec";
  const double x = double(d) / double(n);
  return x >= 10 ? Printf("1/%.0fsec", x) : Printf("1/%.1fsec", x);
}

std::string FlashText(int flash) {
  if (!(flash & kFlashFiredBit)) return StringCopy(kFlashNotFired);
  return StringCopy(kFlashFired) + " " + StringCopy((flash & kRedEyeBit) ? kRedEye : kNoRedEye);
}

std::string FlashModeText(int flash) {
  if (!(flash & kFlashFiredBit)) return {};
  return StringCopy(kFlashModeFirst + ((flash >> kFlashModeShift) & 3));
}

std::string ChoiceText(int value, int text0, int text1, int text2, int other) {
  if (value == 0 && text0) return StringCopy(text0);
  if (value == 1) return StringCopy(text1);
  if (value == 2 && text2) return StringCopy(text2);
  return StringCopy(other);
}

// The presence bit an Exif row needs (0: none beyond the Exif block).
uint32_t RowPresenceBit(int row) {
  switch (row) {
    case kItemExifVersion: return kExifHasVersion;
    case kItemLightSource: return kExifHasLightSource;
    case kItemExposureTime: return kExifHasExposureTime;
    case kItemExposureBias: return kExifHasExposureBias;
    case kItemFNumber: return kExifHasFNumber;
    case kItemIsoSpeed: return kExifHasIsoSpeed;
    case kItemWhiteBalance: return kExifHasWhiteBalance;
    case kItemColorSpace: return kExifHasColorSpace;
    case kItemContrast: return kExifHasContrast;
    case kItemSaturation: return kExifHasSaturation;
    case kItemFlash:
    case kItemFlashMode: return kExifHasFlash;
  }
  return 0;
}

}  // namespace

bool InformationRowFilled(const ImageObject& image, int row) {
  if (row < 0 || row >= kImageItemCount) return false;
  if (row <= kItemResolution) return true;
  if (row <= kItemSimulationProfile) return image.ColorSpace != kSpaceGray;
  if (image.Exif.ExifPresence == 0) return false;
  const uint32_t bit = RowPresenceBit(row);
  return bit == 0 || (image.Exif.ExifPresence & bit);
}

std::string FormatImageItem(const ImageObject& image, int item, const ProfileNames* profiles) {
  const ExifFields& exif = image.Exif;
  switch (item) {
    case kItemNumber: return Printf("%d", image.ImageNumber);
    case kItemName: return FileNamePart(image.ImagePath);
    case kItemCreated: return FileTime(image.CreationTime);
    case kItemModified: return FileTime(image.LastWriteTime);
    case kItemSize: return FileSizeText(image.FileSize);
    case kItemImageType: return FourCCText(image.FileKind);
    case kItemPixels:
      return FormatString(kPixelsFormat, long(image.ImageDesc.Width()), long(image.ImageDesc.Height()));
    case kItemResolution: return FormatString(kResolutionFormat, long(image.ImageDesc.HResolution()));
    case kItemSourceProfile:
      return profiles ? profiles->SourceProfileName(image) : FileNamePart(image.ImageSrcProfile);
    case kItemSimulationProfile:
      if (image.ImageSimMethod == 0) return {};
      return profiles ? profiles->SimulationProfileName(image) : FileNamePart(image.ImageSimProfile);
    case kItemMaker: return exif.Maker;
    case kItemModel: return exif.Model;
    case kItemExifVersion: return ExifVersionText(exif.ExifVersion);
    case kItemDateTimeOriginal: return exif.DateTimeOriginal;
    case kItemDateTimeDigitized: return exif.DateTimeDigitized;
    case kItemLightSource: return LightSourceText(uint16_t(exif.LightSource));
    case kItemExposureTime: return ExposureTimeText(exif.ExposureTimeNumerator, exif.ExposureTimeDenominator);
    // One decimal: an f/2.8 lens or a third of a stop must not read as F3 or -0.
    case kItemExposureBias: return Printf("%.1f", exif.ExposureBias);
    case kItemFNumber: return Printf("%.1f", exif.FNumber);
    case kItemIsoSpeed: return Printf("%d", int(uint16_t(exif.IsoSpeed)));
    case kItemWhiteBalance: return ChoiceText(exif.WhiteBalance, kAutoWhiteBalance, kManualWhiteBalance, 0, kReserved);
    case kItemColorSpace: return exif.ColorSpace == 1 ? StringCopy(kSrgb) : StringCopy(kOtherThanSrgb);
    case kItemContrast: return ChoiceText(exif.Contrast, 0, kContrastSoft, kContrastHard, kContrastNormal);
    case kItemSaturation: return ChoiceText(exif.Saturation, 0, kSaturationLow, kSaturationHigh, kSaturationNormal);
    case kItemFlash: return FlashText(uint16_t(exif.Flash));
    case kItemFlashMode: return FlashModeText(uint16_t(exif.Flash));
  }
  return {};
}

}  // namespace tl
