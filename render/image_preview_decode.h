// The image preview window's picture without its widgets: a working copy
// of the current image, carrying a copy of its document's settings, so
// that a decode at full size on another thread neither disturbs the
// document's own preview nor reads what the interface thread changes; the
// decode itself, colour-matched for the screen or raw; and the key that
// tells when the picture shown is out of date.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "document/layout_document.h"
#include "document/layout_object.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct PreviewSource {
  ImageObject Image;      // the working copy; its Owner is Settings
  DocumentPtr Settings;   // the document's settings, without objects
};

// The working copy of `image` and its document. Null when memory cannot
// be had.
std::shared_ptr<PreviewSource> MakePreviewSource(const ImageObject& image);

// Whether colour management can apply: not to a gray image.
bool PreviewColorManageable(const ImageObject& image);

// The picture's full pixel size as shown (a quarter turn swaps the sides).
LSize PreviewPictureSize(const ImageObject& image);

struct PreviewPicture {
  BitmapPtr Pixels;
  BitmapPtr Mask;    // of formats that carry one
  int Message = 0;   // the load's message code when Pixels is null
};

// Decodes the working copy, with its mask, at `size` (null: its full
// size): raw (purpose 0), or while `colorManaged` matched for the tuned
// screen (purpose 2). Automatic tuning takes the capture-matching path
// only while colour managed. Shows nothing: a failure leaves its message
// code.
PreviewPicture DecodePreviewPicture(PreviewSource& source, bool colorManaged, const LSize* size);

// What the preview shows of an image: which object, which file, its turn
// and its colour settings. A different key means decoding again.
struct PreviewKey {
  const void* Object = nullptr;  // compared only, never followed
  std::string Path;
  int64_t LastWriteTime = 0;
  uint64_t FileSize = 0;
  int16_t RotateFlip = 0;
  uint32_t ColorSpace = 0;
  int16_t SourceMode = 0;
  int32_t UseEmbeddedProfile = 0;
  std::string SourceProfile;
  int16_t SourceIntent = 0;
  int16_t SimulationMethod = 0;
  std::string SimulationProfile;
  int16_t SimulationIntent = 0;
  std::array<int16_t, 3> Tune{};
  int16_t TuneMode = 0;

  bool operator==(const PreviewKey&) const = default;
};

// The key of `image`; an empty key without one.
PreviewKey PreviewKeyOf(const ImageObject* image);

}  // namespace tl
