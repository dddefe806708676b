// The capture-matching decode path over this program's engine: the level
// a file's capture data gives, decodes in the image's matching mode (and
// for automatic tuning), and the preview call of automatic tuning.
//
// A decode opens the file in the engine, reads its level and selects the
// mode (a "VDX" mode becomes "VDX/Exif" for a file with capture data; a
// mode the engine refuses becomes the level), takes the rows from the
// file's own decoder -- at full size for output, else at the requested
// width rounded down to a multiple of 4 with the picture's proportions --
// analyses and converts them, and matches the colours for the purpose.
#pragma once

#include "imaging/import_extensions.h"

namespace tl {

class BuiltInCaptureMatcher final : public CaptureMatcher {
 public:
  int16_t CaptureLevel(const ImageObject& image) override;
  BitmapPtr Decode(ImageObject& image, const DecodeRequest& request, int& message) override;
  bool ProcessPreview(const ImageObject& image, OffscreenBitmap& preview) override;
};

// The load message of a failed engine call: 10413 for memory, 10417 for a
// file that does not open, 10401 for anything else.
int CaptureFailureMessage(int status);

// The size the matching path decodes at for `purpose` and `requested`
// (in stored orientation; null for the whole picture).
LSize CaptureDecodeSize(const ImageObject& image, int purpose, const LSize* requested);

// Automatic tuning of the image's preview through the installed matcher's
// preview call; nothing happens without a matcher or a preview.
void ProcessAutoTuningPreview(const ImageObject& image);

}  // namespace tl
