// Fuzzes the capture-matching engine's reading of JPEG capture data (Exif
// print facts, the capture record) and its decode path, with the input
// taken in as a JPEG file by a normal run.
#include "fuzz/imaging/fuzz_image_file.h"

TL_EXTENDED_IMAGE_FILE_FUZZER(".jpg")
