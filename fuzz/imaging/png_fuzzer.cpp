// Fuzzes the PNG reader of the extended-formats importer through the whole
// intake of an image file (and the capture-matching path a new image takes).
#include "fuzz/imaging/fuzz_image_file.h"

TL_EXTENDED_IMAGE_FILE_FUZZER(".png")
