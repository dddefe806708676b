// The codes the import code shares: file kinds, codec types and colour
// spaces (four-character codes, first character in the most significant
// byte), and the message codes a failed load reports.
#pragma once

#include <cstdint>
#include <string>

#include "document/geometry.h"

namespace tl {

// FileKind
inline constexpr uint32_t kKindJpeg = FourCC("JPEG");
inline constexpr uint32_t kKindEff = FourCC("EFF ");
inline constexpr uint32_t kKindEps = FourCC("EPSF");
inline constexpr uint32_t kKindTiff = FourCC("TIFF");
inline constexpr uint32_t kKindBmp = FourCC("BMPf");
inline constexpr uint32_t kKindPhotoshop = FourCC("8BPS");
inline constexpr uint32_t kKindPict = FourCC("PICT");
inline constexpr uint32_t kKindPng = FourCC("PNGf");

// CodecType of the image description
inline constexpr uint32_t kCodecJpeg = FourCC("jpeg");
inline constexpr uint32_t kCodecEff = FourCC("EFF ");
inline constexpr uint32_t kCodecTiff = FourCC("tiff");
inline constexpr uint32_t kCodecBmp = FourCC("WRLE");
inline constexpr uint32_t kCodecEps = FourCC("raw ");
inline constexpr uint32_t kCodecPhotoshop = FourCC("8BPS");
inline constexpr uint32_t kCodecPng = FourCC("png ");
inline constexpr uint32_t kCodecPict = FourCC("qdrw");

// ColorSpaceTag
inline constexpr uint32_t kSpaceRgb = FourCC("RGB ");
inline constexpr uint32_t kSpaceCmyk = FourCC("CMYK");
inline constexpr uint32_t kSpaceGray = FourCC("GRAY");
inline constexpr uint32_t kSpaceLab = FourCC("Lab ");
inline constexpr uint32_t kSpaceBlackWhite = FourCC(" B&W");
inline constexpr uint32_t kSpaceMulti = FourCC("Mult");
inline constexpr uint32_t kSpaceDuotone = FourCC(" Duo");

// Message codes of a failed pixel load (string ids).
enum LoadMessage : int {
  kMessageNotSupported = 10401,
  kMessageMissingProfiles = 10409,
  kMessageNotEnoughMemory = 10413,
  kMessageFailedToOpen = 10417,
};

// The four characters of a code, e.g. "JPEG"; a zero byte shows as a space.
inline std::string FourCCText(uint32_t code) {
  std::string text(4, ' ');
  for (int i = 0; i < 4; ++i) {
    const char c = char((code >> (24 - 8 * i)) & 0xFF);
    if (c) text[i] = c;
  }
  return text;
}

}  // namespace tl
