#include "imaging/preview.h"

#include <algorithm>
#include <utility>

#include "document/layout_object.h"
#include "imaging/bitmap_orientation.h"
#include "imaging/eps_reader.h"
#include "imaging/image_codes.h"
#include "imaging/image_loader.h"
#include "imaging/import_extensions.h"
#include "imaging/jpeg_reader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/tiff_reader.h"

namespace tl {
namespace {

constexpr int64_t kBorderPercent = 15;
constexpr int16_t kCropShown = 1;

BitmapPtr StoredThumbnail(ImageObject& image) {
  if (ExtendedFormatImporter* importer = InstalledExtendedFormatImporter())
    if (BitmapPtr preview = importer->ReadPreview(image)) return preview;
  switch (image.FileKind) {
    case kKindJpeg:
    case kKindEff: return ReadJpegThumbnail(image);
    case kKindEps: return ReadEpsPreview(image);
    case kKindTiff: return ReadTiffThumbnail(image);
  }
  return nullptr;
}

}  // namespace

LSize PreviewRequestSize(const ImageObject& image) {
  const bool quarter = image.RotateFlip & kQuarterTurnMask;
  const int64_t width = image.ImageDesc.Width(), height = image.ImageDesc.Height();
  LSize request = image.Size;
  if (quarter) std::swap(request.cx, request.cy);  // now in stored orientation
  if (int64_t(request.cx) * request.cy >= width * height) request = {int32_t(width), int32_t(height)};
  if (image.CropMode == kCropShown) {
    const int64_t shownWidth = width - image.CropArea.left - image.CropArea.right;
    const int64_t shownHeight = height - image.CropArea.top - image.CropArea.bottom;
    if (shownWidth > 0 && shownHeight > 0) {
      request.cx = int32_t(std::min(width, request.cx * width / shownWidth));
      request.cy = int32_t(std::min(height, request.cy * height / shownHeight));
    }
  }
  if (quarter) std::swap(request.cx, request.cy);
  return request;
}

BitmapPtr MakePreview(ImageObject& image, BitmapPtr* mask) {
  if (mask) mask->reset();
  BitmapPtr preview = StoredThumbnail(image);
  if (preview) {
    preview = ApplyRotateFlip(std::move(preview), image.RotateFlip);
  } else {
    const LSize request = PreviewRequestSize(image);
    preview = LoadImagePixels(image, kMatchNone, &request, mask, nullptr);
  }
  if (!preview) return nullptr;
  image.AverageBrightness = AverageBrightness(*preview);
  if (image.BitsPerPixel == 8 && image.ColorSpace == kSpaceRgb && IsGrayBitmap(*preview))
    image.ColorSpace = kSpaceGray;
  return preview;
}

bool MatchPreview(ImageObject& image, PixelMatcher* matcher) {
  const LSize request = PreviewRequestSize(image);
  BitmapPtr mask;
  BitmapPtr matched = LoadImagePixels(image, kMatchScreenTuned, &request, &mask, matcher);
  if (!matched) return false;
  image.Preview = std::move(matched);
  image.PreviewMask = std::move(mask);
  return true;
}

int16_t AverageBrightness(const OffscreenBitmap& preview) {
  const int32_t dx = int32_t(int64_t(preview.Width) * kBorderPercent / 100);
  const int32_t dy = int32_t(int64_t(preview.Height) * kBorderPercent / 100);
  const int32_t left = dx, right = preview.Width - dx, top = dy, bottom = preview.Height - dy;
  if (right <= left || bottom <= top) return 0;
  uint64_t sum = 0;
  for (int32_t y = top; y < bottom; ++y) {
    const uint8_t* p = preview.Row(y) + size_t(left) * OffscreenBitmap::kBytesPerPixel;
    for (int32_t x = left; x < right; ++x, p += OffscreenBitmap::kBytesPerPixel) sum += p[1];
  }
  return int16_t(sum / (uint64_t(right - left) * uint64_t(bottom - top)));
}

bool IsGrayBitmap(const OffscreenBitmap& bitmap) {
  for (int32_t y = 0; y < bitmap.Height; ++y) {
    const uint8_t* p = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width; ++x, p += OffscreenBitmap::kBytesPerPixel)
      if (p[0] != p[1] || p[1] != p[2]) return false;
  }
  return true;
}

}  // namespace tl
