// The ICC profile of a JPEG file.
#include "document/layout_object.h"
#include "imaging/file_handle.h"
#include "imaging/jpeg_library.h"
#include "imaging/jpeg_markers.h"
#include "imaging/jpeg_reader.h"

namespace tl {

bool ReadJpegProfile(const ImageObject& image, std::vector<uint8_t>& profile) {
  FilePtr file = OpenForReading(image.ImagePath);
  if (!file) return false;
  JpegDecompressor jpeg;
  UseFileSource(jpeg.get(), file.get(), kHeaderPieceBytes);
  const bool read = RunGuarded(jpeg.Errors(), [&] {
    jpeg_save_markers(jpeg.get(), kMarkerApp2, kJpegMarkerMaxLength);
    return jpeg_read_header(jpeg.get(), TRUE) == JPEG_HEADER_OK;
  });
  return read && JoinIccProfile(jpeg->marker_list, profile);
}

}  // namespace tl
