// ExifFields: the camera facts an image object keeps from its file's Exif
// block. The JPEG and TIFF readers fill them; labels and the information
// window format them.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

// ExifPresence bits: which of the fields below the file carried.
enum ExifPresenceBits : uint32_t {
  kExifBlockFound = 0x1,
  kExifHasVersion = 0x4,
  kExifHasFlash = 0x8,
  kExifHasLightSource = 0x10,
  kExifHasWhiteBalance = 0x20,
  kExifHasColorSpace = 0x40,
  kExifHasContrast = 0x80,
  kExifHasSaturation = 0x100,
  kExifHasExposureTime = 0x200,
  kExifHasIsoSpeed = 0x400,
  kExifHasExposureBias = 0x800,
  kExifHasFNumber = 0x1000,
};

// Longest texts kept from the Exif block (the fields are bounded there).
constexpr size_t kExifMakerMaxBytes = 255;
constexpr size_t kExifDateMaxBytes = 63;

struct ExifFields {
  uint32_t ExifPresence = 0;
  std::string Maker;  // IFD0 271
  std::string Model;  // IFD0 272
  int16_t XResolution = 0;
  int16_t YResolution = 0;
  int16_t ResolutionUnit = 0;  // 2 inches, 3 centimetres
  std::string ExifVersion;     // four characters, e.g. "0220"
  std::string DateTimeOriginal;
  std::string DateTimeDigitized;
  int16_t Flash = 0;
  int16_t LightSource = 0;
  int16_t WhiteBalance = 0;
  int16_t Contrast = 0;
  int16_t Saturation = 0;
  uint32_t ExposureTimeNumerator = 0;
  uint32_t ExposureTimeDenominator = 0;
  int16_t IsoSpeed = 0;
  double ExposureBias = 0;
  double FNumber = 0;
  // The rationals as the file gave them, for tools that show raw values.
  int32_t ExposureBiasNumerator = 0;
  int32_t ExposureBiasDenominator = 0;
  uint32_t FNumberNumerator = 0;
  uint32_t FNumberDenominator = 0;
  int16_t ColorSpace = 0;
  int16_t Orientation = 0;  // IFD0 274, 0 when absent

  friend bool operator==(const ExifFields&, const ExifFields&) = default;
};

// The Exif facts that say how a picture's colours are encoded and how it
// was meant to be rendered: the colour space, the interoperability index
// ("R98" for sRGB data, "R03" for Adobe RGB data) and the Exif 2.2 tags of
// the shooting scene. The capture-matching engine reads them from the
// file; the image object does not keep them.
enum ExifPrintBits : uint32_t {
  kPrintHasVersion = 0x1,
  kPrintHasColorSpace = 0x2,
  kPrintHasInteropIndex = 0x4,
  kPrintHasCustomRendered = 0x8,
  kPrintHasExposureMode = 0x10,
  kPrintHasWhiteBalance = 0x20,
  kPrintHasSceneCaptureType = 0x40,
  kPrintHasGainControl = 0x80,
  kPrintHasContrast = 0x100,
  kPrintHasSaturation = 0x200,
  kPrintHasSharpness = 0x400,
};

// The Exif 2.2 scene tags among them.
inline constexpr uint32_t kPrintSceneTags = kPrintHasCustomRendered | kPrintHasExposureMode | kPrintHasWhiteBalance |
                                            kPrintHasSceneCaptureType | kPrintHasGainControl | kPrintHasContrast |
                                            kPrintHasSaturation | kPrintHasSharpness;

struct ExifPrintFields {
  uint32_t Presence = 0;     // ExifPrintBits
  std::string ExifVersion;   // four characters, e.g. "0220"
  int16_t ColorSpace = 0;    // 1 sRGB, -1 (0xFFFF) uncalibrated
  std::string InteropIndex;  // Interoperability directory tag 1
  int16_t CustomRendered = 0;    // 41985: 0 normal, 1 custom
  int16_t ExposureMode = 0;      // 41986: 0 auto, 1 manual, 2 bracket
  int16_t WhiteBalance = 0;      // 41987: 0 auto, 1 manual
  int16_t SceneCaptureType = 0;  // 41990: 0 standard, 1 landscape, 2 portrait, 3 night
  int16_t GainControl = 0;       // 41991
  int16_t Contrast = 0;          // 41992: 0 normal, 1 soft, 2 hard
  int16_t Saturation = 0;        // 41993: 0 normal, 1 low, 2 high
  int16_t Sharpness = 0;         // 41994: 0 normal, 1 soft, 2 hard

  friend bool operator==(const ExifPrintFields&, const ExifPrintFields&) = default;
};

}  // namespace tl
