#include "imaging/image_loader.h"

#include <utility>

#include "document/layout_object.h"
#include "document/message_box.h"
#include "imaging/bitmap_orientation.h"
#include "imaging/bmp_reader.h"
#include "imaging/decode_finish.h"
#include "imaging/eps_reader.h"
#include "imaging/image_codes.h"
#include "imaging/import_extensions.h"
#include "imaging/jpeg_reader.h"
#include "imaging/pixel_matcher.h"
#include "imaging/tiff_reader.h"

namespace tl {
namespace {

constexpr int16_t kAutomaticTuning = 1;

BitmapPtr DecodeByCodec(ImageObject& image, const DecodeRequest& request, int& message) {
  CaptureMatcher* capture = InstalledCaptureMatcher();
  if (capture && (image.ImageSrcManagementMode != 0 || image.ColorTuneMode == kAutomaticTuning))
    return capture->Decode(image, request, message);
  return DecodeWithFileDecoder(image, request, message);
}

}  // namespace

BitmapPtr DecodeWithFileDecoder(const ImageObject& image, const DecodeRequest& request, int& message) {
  DecodeRequest withoutMask = request;
  withoutMask.Mask = nullptr;
  switch (image.ImageDesc.CodecType()) {
    case kCodecEff:
    case kCodecJpeg: return DecodeJpegFile(image, request, message);
    case kCodecBmp: return DecodeBmpFile(image, withoutMask, message);
    case kCodecEps: return DecodeEpsFile(image, request, message);
    case kCodecTiff: return DecodeTiffFile(image, request, message);
  }
  ExtendedFormatImporter* importer = InstalledExtendedFormatImporter();
  return importer ? importer->Decode(image, request, message) : nullptr;
}

BitmapPtr DecodeImagePixels(ImageObject& image, int purpose, const LSize* requested, BitmapPtr* mask,
                            PixelMatcher* matcher, int& message) {
  message = kMessageNotEnoughMemory;
  if (mask) mask->reset();
  const LSize full = {image.ImageDesc.Width(), image.ImageDesc.Height()};
  LSize size;
  if (requested) {
    size = *requested;
    if (image.RotateFlip & kQuarterTurnMask) std::swap(size.cx, size.cy);
    if (int64_t(size.cx) * size.cy > int64_t(full.cx) * full.cy) size = full;
    if (size.cx < 1 || size.cy < 1) return nullptr;
  }
  DecodeRequest request;
  request.Purpose = purpose;
  request.Requested = requested ? &size : nullptr;
  request.Mask = mask;
  request.Matcher = matcher;
  // Printing takes the smallest reduced decode that still gives the
  // device's resolution.
  request.Covering = purpose == kMatchOutput;
  BitmapPtr pixels = DecodeByCodec(image, request, message);
  if (!pixels) {
    if (mask) mask->reset();
    return nullptr;
  }
  pixels = ApplyRotateFlip(std::move(pixels), image.RotateFlip);
  bool maskTurned = true;
  if (mask && *mask) {
    *mask = ApplyRotateFlip(std::move(*mask), image.RotateFlip);
    maskTurned = *mask != nullptr;
  }
  if (!pixels || !maskTurned) {
    if (mask) mask->reset();
    message = kMessageNotEnoughMemory;
    return nullptr;
  }
  return pixels;
}

BitmapPtr LoadImagePixels(ImageObject& image, int purpose, const LSize* requested, BitmapPtr* mask,
                          PixelMatcher* matcher) {
  int message = kMessageNotEnoughMemory;
  BitmapPtr pixels = DecodeImagePixels(image, purpose, requested, mask, matcher, message);
  if (!pixels) ShowMessage(message, MessageIcon::Stop);
  return pixels;
}

}  // namespace tl
