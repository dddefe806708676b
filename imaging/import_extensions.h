// The seams through which readers beyond this layer's own come in: the
// extended-formats importer (Photoshop documents, PNG and PICT pictures)
// and the capture-matching decode path. The layers that provide them install them
// at start-up; without them the import works with its own readers, the
// extended kinds are not taken and every image decodes through its file's
// own decoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/decode_finish.h"
#include "imaging/offscreen_bitmap.h"

namespace tl {

struct ImageObject;

class ExtendedFormatImporter {
 public:
  virtual ~ExtendedFormatImporter() = default;
  // The kind of a file the own readers do not recognise: "8BPS", "PICT"
  // or "PNGf" (other kinds are not taken). False when it is none of them.
  virtual bool FileKindOf(const std::string& path, uint32_t& kind) = 0;
  // Makes the 2152-byte description of image.ImagePath and sets the
  // has-embedded-profile flag.
  virtual bool ReadHeader(ImageObject& image) = 0;
  // Colour space and bits per pixel of a Photoshop document from its header.
  virtual bool ReadColorSpace(ImageObject& image) = 0;
  // The picture preview or stored thumbnail, oriented as stored; null when
  // the file has none.
  virtual BitmapPtr ReadPreview(ImageObject& image) = 0;
  virtual BitmapPtr Decode(const ImageObject& image, const DecodeRequest& request, int& message) = 0;
  virtual bool ReadProfile(const ImageObject& image, std::vector<uint8_t>& profile) = 0;
  // The version in the form major x 256 + minor (0x0600 for 6.0): masks
  // need 6.0, the formats at all 5.0.
  virtual uint16_t Version() const = 0;
};

class CaptureMatcher {
 public:
  virtual ~CaptureMatcher() = default;
  // The capture-matching level of an RGB JPEG or TIFF file (bit 1 Exif
  // print data, bit 2 the richer capture data); 0 when it has none.
  virtual int16_t CaptureLevel(const ImageObject& image) = 0;
  // Decodes through the matching path in the image's ImageSrcManagementMode.
  virtual BitmapPtr Decode(ImageObject& image, const DecodeRequest& request, int& message) = 0;
  // Automatic tuning of a preview: the image decoded through the matching
  // path's preview call at the preview's size, written into `preview` (in
  // the image's shown orientation). False, with `preview` unchanged, when
  // the file does not decode.
  virtual bool ProcessPreview(const ImageObject& image, OffscreenBitmap& preview) = 0;
};

// Installs (or, with null, removes) the importer; returns the previous one.
ExtendedFormatImporter* SetExtendedFormatImporter(ExtendedFormatImporter* importer);
// The installed importer while QuickTimeAvailable(), else null.
ExtendedFormatImporter* InstalledExtendedFormatImporter();

// Whether the extended formats can be read: an importer of version 5.0 or
// later is installed.
bool QuickTimeAvailable();
// The installed importer's version (major x 256 + minor); 0 without one.
uint16_t QuickTimeVersion();

inline constexpr uint16_t kQuickTimeMinimumVersion = 0x0500;
inline constexpr uint16_t kQuickTimeAlphaVersion = 0x0600;

CaptureMatcher* SetCaptureMatcher(CaptureMatcher* matcher);
CaptureMatcher* InstalledCaptureMatcher();

}  // namespace tl
