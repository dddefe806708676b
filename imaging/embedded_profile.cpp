#include "imaging/embedded_profile.h"

#include "document/layout_object.h"
#include "imaging/eps_reader.h"
#include "imaging/image_codes.h"
#include "imaging/import_extensions.h"
#include "imaging/jpeg_reader.h"
#include "imaging/tiff_reader.h"

namespace tl {

bool ReadEmbeddedProfile(const ImageObject& image, std::vector<uint8_t>& profile) {
  profile.clear();
  if (image.ColorSpace == kSpaceGray) return false;
  switch (image.FileKind) {
    case kKindEps: return ReadEpsProfile(image, profile);
    case kKindJpeg:
    case kKindEff: return ReadJpegProfile(image, profile);
    case kKindTiff: return ReadTiffProfile(image, profile);
    case kKindPhotoshop:
    case kKindPict:
    case kKindPng: {
      ExtendedFormatImporter* importer = InstalledExtendedFormatImporter();
      return importer && importer->ReadProfile(image, profile);
    }
  }
  return false;
}

}  // namespace tl
