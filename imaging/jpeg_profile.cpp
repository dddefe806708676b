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
  return ReadJpegHeaderMarkers(jpeg, file.get(), {kMarkerApp2}) && JoinIccProfile(jpeg->marker_list, profile);
}

}  // namespace tl
