// The saved markers the JPEG reader looks into: the "EFFHEAD" mark of the
// four-channel variant (APP5), the Exif block (APP1) and the ICC profile
// split over APP2 markers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include <jpeglib.h>

namespace tl {

class JpegDecompressor;

inline constexpr int kMarkerApp1 = JPEG_APP0 + 1;
inline constexpr int kMarkerApp2 = JPEG_APP0 + 2;
inline constexpr int kMarkerApp5 = JPEG_APP0 + 5;
inline constexpr int kMarkerApp13 = JPEG_APP0 + 13;

// The identifier before the TIFF structure of an Exif marker.
inline constexpr size_t kExifIdentifierBytes = 6;

// Reads the header of an open file with the `saved` markers kept (in
// decompressor->marker_list); false when the library cannot read it.
bool ReadJpegHeaderMarkers(JpegDecompressor& decompressor, FILE* file, std::initializer_list<int> saved);

bool HasEffMarker(const jpeg_marker_struct* markers);

// The first APP1 marker that carries an Exif block; null when none does.
const jpeg_marker_struct* FindExifMarker(const jpeg_marker_struct* markers);

// The length of the profile the APP2 segments carry; 0 when they carry
// none or their sequence does not make a whole profile.
size_t IccProfileLength(const jpeg_marker_struct* markers);

// The profile bytes, joined in file order; false when there is no profile.
bool JoinIccProfile(const jpeg_marker_struct* markers, std::vector<uint8_t>& profile);

}  // namespace tl
