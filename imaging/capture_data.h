// The capture data the capture-matching engine reads from a JPEG or TIFF
// file, and the capture-matching level it gives:
//   bit 1 (2)  Exif print data: Exif facts that describe the picture's
//              colour (the colour space, the interoperability index "R98"
//              or "R03") or, from Exif 2.2 on, the scene tags of the shot;
//   bit 2 (4)  the capture record: the camera's own measurement of the
//              scene, kept by the cameras of this system's maker in an APP5
//              marker of their JPEG files:
//     offset 0   "VDXINFO\0"
//            8   version, 16-bit big-endian (1)
//           10   scene: 0 standard, 1 landscape, 2 portrait, 3 night
//           12   black level, 13 white level (as measured, 0..255)
//           14   mid-tone aim (0: the engine's own)
//           15   saturation in percent (0: 100)
//           16   flags, 16-bit: bit 0 the levels were measured
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "document/exif_fields.h"

namespace tl {

inline constexpr int16_t kLevelExifPrint = 2;
inline constexpr int16_t kLevelCaptureRecord = 4;

inline constexpr char kCaptureRecordSignature[] = "VDXINFO";  // with its zero byte: 8 bytes
inline constexpr size_t kCaptureRecordBytes = 18;
inline constexpr uint16_t kCaptureRecordVersion = 1;

enum CaptureRecordFlags : uint16_t { kRecordLevelsMeasured = 0x1 };

struct CaptureRecord {
  uint16_t Scene = 0;
  uint8_t Black = 0;
  uint8_t White = 255;
  uint8_t MidTone = 0;
  uint8_t SaturationPercent = 0;
  uint16_t Flags = 0;
};

// Reads a record from the data of an APP5 marker; false when the data is
// not one (other signature, other version, too short, measured levels
// that make no range, saturation beyond 200 %).
bool ParseCaptureRecord(const uint8_t* data, size_t size, CaptureRecord& record);

struct CaptureFacts {
  bool HasExif = false;
  ExifPrintFields Exif;
  bool HasRecord = false;
  CaptureRecord Record;
};

enum class CaptureFileKind { Jpeg, Tiff, Other };

// The kind by the first bytes, and the capture data of JPEG and TIFF files
// (none for other kinds). False when the file cannot be read at all.
bool ReadCaptureFacts(FILE* file, CaptureFileKind& kind, CaptureFacts& facts);

// Whether the Exif facts make Exif print data.
bool DescribesColor(const ExifPrintFields& exif);

int16_t CaptureLevelOf(const CaptureFacts& facts);

}  // namespace tl
