// Fuzzes the TIFF reader through the whole intake of an image file.
#include "fuzz/imaging/fuzz_image_file.h"

TL_IMAGE_FILE_FUZZER(".tif")
