// The Exif reader: camera facts and the camera's thumbnail from a TIFF
// structure (the body of a JPEG file's Exif marker after its identifier,
// or a TIFF file itself). Offsets count from the byte-order mark; a bad
// offset or count ends the walk and keeps what was read.
#pragma once

#include "document/exif_fields.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

class ByteSource;

// The header's pass over the first directory: maker, model, resolution and
// its unit, orientation. A valid byte-order mark sets ExifPresence to 0x1;
// without one the pass reads nothing and returns false.
bool ReadExifIfd0(const ByteSource& tiff, ExifFields& exif);

// The whole reader: the first directory, the Exif directory (every field
// with its presence bit) and the thumbnail directory. Returns the decoded
// thumbnail (a JPEG thumbnail of the thumbnail directory, or the Photoshop
// thumbnail of the first directory's image resources), null when there is
// none.
BitmapPtr ReadExif(const ByteSource& tiff, ExifFields& exif);

// The print facts of the Exif and interoperability directories (no
// thumbnail is read). False without a valid byte-order mark.
bool ReadExifPrintFields(const ByteSource& tiff, ExifPrintFields& fields);

}  // namespace tl
