#include "imaging/capture_data.h"

#include <cstring>
#include <vector>

#include "imaging/byte_source.h"
#include "imaging/exif_reader.h"
#include "imaging/file_handle.h"
#include "imaging/jpeg_segments.h"

namespace tl {
namespace {

constexpr uint8_t kApp1 = 0xE1;
constexpr uint8_t kApp5 = 0xE5;
constexpr char kExifIdentifier[] = "Exif\0";  // with the second zero byte: 6 bytes
constexpr size_t kExifIdentifierBytes = 6;
constexpr size_t kSignatureBytes = sizeof kCaptureRecordSignature;
constexpr uint8_t kMaxSaturationPercent = 200;
constexpr uint8_t kMinMeasuredRange = 16;
constexpr char kExifPrintVersion[] = "0220";

// The segments up to the scan: the Exif block and the capture record.
void ReadJpegCapture(FILE* file, CaptureFacts& facts) {
  FileByteSource source(file, 0, UINT64_MAX);
  ForEachJpegSegment(source, [&](uint8_t code, uint64_t data, uint64_t size) {
    char head[kSignatureBytes] = {};
    const bool headRead = size >= kSignatureBytes && source.Read(data, head, sizeof head);
    if (code == kApp1 && !facts.HasExif && size > kExifIdentifierBytes && headRead &&
        std::memcmp(head, kExifIdentifier, kExifIdentifierBytes) == 0) {
      SubByteSource tiff(source, data + kExifIdentifierBytes, size - kExifIdentifierBytes);
      facts.HasExif = ReadExifPrintFields(tiff, facts.Exif);
    } else if (code == kApp5 && !facts.HasRecord && headRead &&
               std::memcmp(head, kCaptureRecordSignature, kSignatureBytes) == 0) {
      std::vector<uint8_t> bytes;
      facts.HasRecord =
          source.ReadBlock(data, size, bytes) && ParseCaptureRecord(bytes.data(), bytes.size(), facts.Record);
    }
    return true;
  });
}

}  // namespace

bool ParseCaptureRecord(const uint8_t* data, size_t size, CaptureRecord& record) {
  if (size < kCaptureRecordBytes || std::memcmp(data, kCaptureRecordSignature, kSignatureBytes) != 0) return false;
  if (Big16(data + 8) != kCaptureRecordVersion) return false;
  CaptureRecord r;
  r.Scene = Big16(data + 10);
  r.Black = data[12];
  r.White = data[13];
  r.MidTone = data[14];
  r.SaturationPercent = data[15];
  r.Flags = Big16(data + 16);
  if (r.SaturationPercent > kMaxSaturationPercent) return false;
  if ((r.Flags & kRecordLevelsMeasured) && r.White < r.Black + kMinMeasuredRange) return false;
  record = r;
  return true;
}

bool ReadCaptureFacts(FILE* file, CaptureFileKind& kind, CaptureFacts& facts) {
  facts = CaptureFacts();
  uint8_t head[2];
  if (!SeekTo(file, 0) || !ReadExact(file, head, 2)) return false;
  if (head[0] == 0xFF && head[1] == 0xD8) {
    kind = CaptureFileKind::Jpeg;
    ReadJpegCapture(file, facts);
  } else if ((head[0] == 'I' && head[1] == 'I') || (head[0] == 'M' && head[1] == 'M')) {
    kind = CaptureFileKind::Tiff;
    FileByteSource tiff(file, 0, UINT64_MAX);
    facts.HasExif = ReadExifPrintFields(tiff, facts.Exif);
  } else {
    kind = CaptureFileKind::Other;
  }
  return true;
}

bool DescribesColor(const ExifPrintFields& exif) {
  if (exif.Presence & kPrintHasColorSpace) return true;
  if ((exif.Presence & kPrintHasInteropIndex) && (exif.InteropIndex == "R98" || exif.InteropIndex == "R03"))
    return true;
  const bool exif22 = (exif.Presence & kPrintHasVersion) && exif.ExifVersion >= kExifPrintVersion;
  return exif22 && (exif.Presence & kPrintSceneTags) != 0;
}

int16_t CaptureLevelOf(const CaptureFacts& facts) {
  int16_t level = 0;
  if (facts.HasExif && DescribesColor(facts.Exif)) level |= kLevelExifPrint;
  if (facts.HasRecord) level |= kLevelCaptureRecord;
  return level;
}

}  // namespace tl
