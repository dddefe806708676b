// The camera's thumbnail of a JPEG file, found by walking its marker
// segments up to the scan: the Exif block's thumbnail, else the Photoshop
// thumbnail of the APP13 marker.
#include <cstring>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/exif_reader.h"
#include "imaging/file_handle.h"
#include "imaging/jpeg_markers.h"
#include "imaging/jpeg_reader.h"
#include "imaging/photoshop_resources.h"

namespace tl {
namespace {

constexpr char kExifIdentifier[] = "Exif\0";
constexpr char kPhotoshopIdentifier[] = "Photoshop 3.0";  // with its zero byte
constexpr int kStartOfScan = 0xDA;
constexpr int kEndOfImage = 0xD9;

bool HasNoLength(int code) { return code == 0x01 || (code >= 0xD0 && code <= 0xD7); }

bool SegmentStartsWith(FILE* file, int64_t data, int64_t size, const char* prefix, size_t n) {
  char head[16];
  return size >= int64_t(n) && n <= sizeof head && SeekTo(file, data) && ReadExact(file, head, n) &&
         std::memcmp(head, prefix, n) == 0;
}

}  // namespace

BitmapPtr ReadJpegThumbnail(ImageObject& image) {
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) return nullptr;
  uint8_t soi[2];
  if (!ReadExact(file.get(), soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8) return nullptr;

  BitmapPtr exifThumbnail, photoshopThumbnail;
  bool exifRead = false;
  int64_t at = 2;
  for (;;) {
    uint8_t marker[2];
    if (!SeekTo(file.get(), at) || !ReadExact(file.get(), marker, 2) || marker[0] != 0xFF) break;
    if (marker[1] == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker[1] == kStartOfScan || marker[1] == kEndOfImage) break;
    if (HasNoLength(marker[1])) {
      at += 2;
      continue;
    }
    uint8_t length[2];
    if (!ReadExact(file.get(), length, 2) || Big16(length) < 2) break;
    const int64_t data = at + 4, size = Big16(length) - 2;
    if (marker[1] == kMarkerApp1 && !exifRead &&
        SegmentStartsWith(file.get(), data, size, kExifIdentifier, sizeof kExifIdentifier)) {
      FileByteSource tiff(file.get(), uint64_t(data) + kExifIdentifierBytes, uint64_t(size) - kExifIdentifierBytes);
      exifThumbnail = ReadExif(tiff, image.Exif);
      exifRead = true;
    } else if (marker[1] == kMarkerApp13 && !photoshopThumbnail &&
               SegmentStartsWith(file.get(), data, size, kPhotoshopIdentifier, sizeof kPhotoshopIdentifier)) {
      FileByteSource resources(file.get(), uint64_t(data) + sizeof kPhotoshopIdentifier,
                               uint64_t(size) - sizeof kPhotoshopIdentifier);
      photoshopThumbnail = ReadPhotoshopThumbnail(resources);
    }
    at = data + size;
  }
  return exifThumbnail ? std::move(exifThumbnail) : std::move(photoshopThumbnail);
}

}  // namespace tl
