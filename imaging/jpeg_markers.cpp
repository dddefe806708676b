#include "imaging/jpeg_markers.h"

#include <cstring>

#include "imaging/jpeg_library.h"

namespace tl {
namespace {

constexpr char kEffHead[] = "EFFHEAD";           // with its zero byte
constexpr char kExifIdentifier[] = "Exif\0";      // "Exif", then two zero bytes
constexpr char kIccIdentifier[] = "ICC_PROFILE";  // with its zero byte
constexpr size_t kIccHeaderBytes = sizeof kIccIdentifier + 2;  // plus sequence number and count

bool StartsWith(const jpeg_marker_struct* m, int code, const char* prefix, size_t n) {
  return m->marker == code && m->data_length >= n && std::memcmp(m->data, prefix, n) == 0;
}

bool IsIccSegment(const jpeg_marker_struct* m) {
  return StartsWith(m, kMarkerApp2, kIccIdentifier, sizeof kIccIdentifier) && m->data_length >= kIccHeaderBytes;
}

// Calls `take` for each segment of the profile in order; returns the
// length, 0 when the segments do not make a whole profile.
template <typename Take>
size_t WalkIccSegments(const jpeg_marker_struct* markers, Take&& take) {
  const jpeg_marker_struct* m = markers;
  while (m && !IsIccSegment(m)) m = m->next;
  if (!m) return 0;
  const int count = m->data[sizeof kIccIdentifier + 1];
  int sequence = m->data[sizeof kIccIdentifier];
  int seen = 1;
  size_t length = m->data_length - kIccHeaderBytes;
  take(m);
  for (m = m->next; m && seen < count; m = m->next) {
    if (!IsIccSegment(m)) continue;
    if (m->data[sizeof kIccIdentifier] != sequence + 1 || m->data[sizeof kIccIdentifier + 1] != count) break;
    ++sequence;
    ++seen;
    length += m->data_length - kIccHeaderBytes;
    take(m);
  }
  return seen == count ? length : 0;
}

}  // namespace

bool ReadJpegHeaderMarkers(JpegDecompressor& jpeg, FILE* file, std::initializer_list<int> saved) {
  UseFileSource(jpeg.get(), file, kHeaderPieceBytes);
  return RunGuarded(jpeg.Errors(), [&] {
    for (int code : saved) jpeg_save_markers(jpeg.get(), code, kJpegMarkerMaxLength);
    return jpeg_read_header(jpeg.get(), TRUE) == JPEG_HEADER_OK;
  });
}

bool HasEffMarker(const jpeg_marker_struct* markers) {
  for (const auto* m = markers; m; m = m->next)
    if (StartsWith(m, kMarkerApp5, kEffHead, sizeof kEffHead)) return true;
  return false;
}

const jpeg_marker_struct* FindExifMarker(const jpeg_marker_struct* markers) {
  for (const auto* m = markers; m; m = m->next)
    if (StartsWith(m, kMarkerApp1, kExifIdentifier, sizeof kExifIdentifier)) return m;
  return nullptr;
}

size_t IccProfileLength(const jpeg_marker_struct* markers) {
  return WalkIccSegments(markers, [](const jpeg_marker_struct*) {});
}

bool JoinIccProfile(const jpeg_marker_struct* markers, std::vector<uint8_t>& profile) {
  const size_t length = IccProfileLength(markers);
  if (length == 0) return false;
  profile.clear();
  profile.reserve(length);
  WalkIccSegments(markers, [&](const jpeg_marker_struct* m) {
    profile.insert(profile.end(), m->data + kIccHeaderBytes, m->data + m->data_length);
  });
  return true;
}

}  // namespace tl
