// The camera's thumbnail of a JPEG file, found by walking its marker
// segments up to the scan: the Exif block's thumbnail, else the Photoshop
// thumbnail of the APP13 marker.
#include <cstring>
#include <utility>

#include "document/layout_object.h"
#include "imaging/byte_source.h"
#include "imaging/exif_reader.h"
#include "imaging/file_handle.h"
#include "imaging/jpeg_markers.h"
#include "imaging/jpeg_reader.h"
#include "imaging/jpeg_segments.h"
#include "imaging/photoshop_resources.h"

namespace tl {
namespace {

constexpr char kExifIdentifier[] = "Exif\0";
constexpr char kPhotoshopIdentifier[] = "Photoshop 3.0";  // with its zero byte

bool SegmentStartsWith(const ByteSource& file, uint64_t data, uint64_t size, const char* prefix, size_t n) {
  char head[16];
  return size >= n && n <= sizeof head && file.Read(data, head, n) && std::memcmp(head, prefix, n) == 0;
}

}  // namespace

BitmapPtr ReadJpegThumbnail(ImageObject& image) {
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) return nullptr;
  FileByteSource source(file.get(), 0, UINT64_MAX);
  BitmapPtr exifThumbnail, photoshopThumbnail;
  bool exifRead = false;
  ForEachJpegSegment(source, [&](uint8_t code, uint64_t data, uint64_t size) {
    if (code == kMarkerApp1 && !exifRead &&
        SegmentStartsWith(source, data, size, kExifIdentifier, sizeof kExifIdentifier)) {
      SubByteSource tiff(source, data + kExifIdentifierBytes, size - kExifIdentifierBytes);
      exifThumbnail = ReadExif(tiff, image.Exif);
      exifRead = true;
    } else if (code == kMarkerApp13 && !photoshopThumbnail &&
               SegmentStartsWith(source, data, size, kPhotoshopIdentifier, sizeof kPhotoshopIdentifier)) {
      SubByteSource resources(source, data + sizeof kPhotoshopIdentifier, size - sizeof kPhotoshopIdentifier);
      photoshopThumbnail = ReadPhotoshopThumbnail(resources);
    }
    return true;
  });
  return exifThumbnail ? std::move(exifThumbnail) : std::move(photoshopThumbnail);
}

}  // namespace tl
