// What every image fuzz target does with its input: write it to a file and
// take it in the way a layout does (header, preview, a decode with a mask,
// the embedded profile), within the fuzz pixel budget.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/layout_object.h"
#include "fuzz/fuzz_budget.h"
#include "fuzz/fuzz_input_file.h"
#include "imaging/builtin_extensions.h"
#include "imaging/decode_limits.h"
#include "imaging/embedded_profile.h"
#include "imaging/image_header.h"
#include "imaging/image_loader.h"
#include "imaging/preview.h"

namespace tl::fuzz {

inline void LimitDecodes() { SetDecodePixelLimit(kFuzzPixelBudget); }

inline void TakeImage(const std::string& path) {
  ImageObject image;
  image.Size = {64, 48};
  if (!ReadImageHeader(image, path)) return;
  BitmapPtr mask;
  MakePreview(image, &mask);
  const LSize request = {31, 17};
  int message = 0;
  DecodeImagePixels(image, 0, &request, &mask, nullptr, message);
  std::vector<uint8_t> profile;
  ReadEmbeddedProfile(image, profile);
}

}  // namespace tl::fuzz

// A fuzz target that takes its input in as an image file with `extension`,
// after `setup` at start.
#define TL_IMAGE_FILE_FUZZER_AFTER(extension, setup)                        \
  extern "C" int LLVMFuzzerInitialize(int*, char***) {                      \
    tl::fuzz::LimitDecodes();                                               \
    setup;                                                                  \
    return 0;                                                               \
  }                                                                         \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
    tl::fuzz::TakeImage(tl::fuzz::WriteInput(data, size, extension));       \
    return 0;                                                               \
  }

#define TL_IMAGE_FILE_FUZZER(extension) TL_IMAGE_FILE_FUZZER_AFTER(extension, (void)0)

// The same with the importer and the capture-matching engine of a normal
// run installed, for the readers and the decode path they bring.
#define TL_EXTENDED_IMAGE_FILE_FUZZER(extension) \
  TL_IMAGE_FILE_FUZZER_AFTER(extension, tl::InstallBuiltInImportExtensions())
