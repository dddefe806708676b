// Fuzzes the jpeg reader through the whole intake of an image file.
#include "fuzz/imaging/fuzz_image_file.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tl::fuzz::LimitDecodes();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tl::fuzz::TakeImage(tl::fuzz::WriteInput(data, size, ".jpg"));
  tl::fuzz::TakeImage(tl::fuzz::WriteInput(data, size, ".eff"));
  return 0;
}
