// Fuzzes the Exif reader (and the Photoshop and JPEG thumbnail readers it
// calls) on a TIFF structure in memory.
#include "fuzz/imaging/fuzz_image_file.h"
#include "imaging/byte_source.h"
#include "imaging/exif_reader.h"
#include "imaging/tiff_reader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tl::fuzz::LimitDecodes();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tl::MemoryByteSource source(data, size);
  tl::ExifFields header, full;
  tl::ReadExifIfd0(source, header);
  tl::ReadExif(source, full);
  tl::DecodeTiffMemory(data, size);
  return 0;
}
