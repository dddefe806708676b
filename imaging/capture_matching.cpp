#include "imaging/capture_matching.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "document/layout_object.h"
#include "imaging/bitmap_orientation.h"
#include "imaging/buffer.h"
#include "imaging/capture_engine.h"
#include "imaging/image_codes.h"
#include "imaging/image_loader.h"
#include "imaging/pixel_matcher.h"

namespace tl {
namespace {

constexpr int32_t kWidthMultiple = 4;
constexpr int32_t kPreviewTuningOn = 1;

// Closes the engine however the decode ends.
struct EngineSession {
  std::unique_ptr<CaptureEngine> Engine;
  ~EngineSession() {
    if (Engine) Engine->Close();
  }
};

int OpenSession(const ImageObject& image, EngineSession& session) {
  return CaptureEngine::Open(image.ImagePath, session.Engine);
}

// The mode asked for, with "VDX" taken as "VDX/Exif" for files that carry
// capture data.
int WantedMode(int mode, int16_t level) {
  if ((level & (kLevelExifPrint | kLevelCaptureRecord)) && mode == kModeVividex) return kModeVividexExif;
  return mode;
}

// Selects the image's mode, else the level's; the mode in force is
// returned through `mode`.
bool SelectMode(CaptureEngine& engine, int16_t level, int& mode) {
  if (engine.SelectMode(mode) >= 0) return true;
  mode = level;
  return engine.SelectMode(mode) >= 0;
}

int RowFormat(CaptureFileKind kind) { return kind == CaptureFileKind::Tiff ? kFormatBgrRows : kFormatRgbRows; }

void PackRow(const uint8_t* bgrx, bool bgr, int32_t width, uint8_t* out) {
  for (int32_t x = 0; x < width; ++x, bgrx += 4, out += 3) {
    out[0] = bgr ? bgrx[0] : bgrx[2];
    out[1] = bgrx[1];
    out[2] = bgr ? bgrx[2] : bgrx[0];
  }
}

void UnpackRgbRow(const uint8_t* rgb, int32_t width, uint8_t* bgrx) {
  for (int32_t x = 0; x < width; ++x, rgb += 3, bgrx += 4) {
    bgrx[0] = rgb[2];
    bgrx[1] = rgb[1];
    bgrx[2] = rgb[0];
    bgrx[3] = 0;
  }
}

// Analyses and converts `pixels` in place; the output rows replace the
// input rows, never ahead of them.
int RunEngine(CaptureEngine& engine, OffscreenBitmap& pixels, bool bgr, int quality) {
  const int32_t width = pixels.Width, height = pixels.Height;
  Buffer<uint8_t> row = NewBuffer<uint8_t>(size_t(width) * 3);
  if (!row) return kCaptureNoMemory;
  int status = engine.BeginAnalysis(height, width, quality);
  if (status < 0) return status;
  if (status != kCaptureLevelsMeasured && status != kCaptureTooSmall) {
    for (int32_t y = 0; y < height; ++y) {
      PackRow(pixels.Row(y), bgr, width, row.get());
      if ((status = engine.AnalyseRow(row.get())) < 0) return status;
    }
    if ((status = engine.EndAnalysis()) < 0) return status;
  }
  int outputRows = 0;
  if ((status = engine.BeginConversion(height, width, quality, outputRows)) < 0) return status;
  if (outputRows != height) return kCaptureNotSupported;
  int32_t taken = 0;
  for (int32_t y = 0; y < height; ++y) {
    PackRow(pixels.Row(y), bgr, width, row.get());
    int ready = 0;
    if ((status = engine.FeedRow(row.get(), ready)) < 0) return status;
    for (; ready > 0; --ready) {
      if (taken > y || (status = engine.TakeRow(row.get())) < 0) return status < 0 ? status : kCaptureOutOfOrder;
      UnpackRgbRow(row.get(), width, pixels.Row(taken++));
    }
  }
  return engine.EndConversion();
}

// The picture's rows from its own decoder, unmatched, at `size`.
BitmapPtr DecodeRows(const ImageObject& image, const LSize& size, int& message) {
  DecodeRequest rows;
  rows.Purpose = kMatchNone;
  rows.Requested = &size;
  return DecodeWithFileDecoder(image, rows, message);
}

}  // namespace

int CaptureFailureMessage(int status) {
  if (status == kCaptureNoMemory) return kMessageNotEnoughMemory;
  if (status == kCaptureFileError) return kMessageFailedToOpen;
  return kMessageNotSupported;
}

LSize CaptureDecodeSize(const ImageObject& image, int purpose, const LSize* requested) {
  const int32_t width = image.ImageDesc.Width(), height = image.ImageDesc.Height();
  if (purpose == kMatchOutput || width < 1 || height < 1) return {width, height};
  int32_t w = std::min(requested ? requested->cx : width, width);
  if (w >= kWidthMultiple) w -= w % kWidthMultiple;
  w = std::max(w, 1);
  const int32_t h = int32_t(std::max<int64_t>(1, int64_t(w) * height / width));
  return {w, h};
}

int16_t BuiltInCaptureMatcher::CaptureLevel(const ImageObject& image) {
  EngineSession session;
  int16_t level = 0;
  if (OpenSession(image, session) < 0 || session.Engine->ReadLevel(level) < 0) return 0;
  return level;
}

BitmapPtr BuiltInCaptureMatcher::Decode(ImageObject& image, const DecodeRequest& request, int& message) {
  EngineSession session;
  const int opened = OpenSession(image, session);
  if (opened < 0) {
    message = CaptureFailureMessage(opened);
    return nullptr;
  }
  CaptureEngine& engine = *session.Engine;
  int16_t level = 0;
  engine.ReadLevel(level);
  int mode = WantedMode(image.ImageSrcManagementMode, level);
  const bool selected = SelectMode(engine, level, mode);
  image.ImageSrcManagementMode = int16_t(mode);
  if (!selected || engine.SetDataFormat(RowFormat(engine.Kind())) < 0) {
    message = kMessageNotSupported;
    return nullptr;
  }

  const LSize size = CaptureDecodeSize(image, request.Purpose, request.Requested);
  BitmapPtr pixels = DecodeRows(image, size, message);
  if (!pixels) return nullptr;
  const int quality = request.Purpose == kMatchOutput ? kQualityPrint : kQualityScreen;
  const int status = RunEngine(engine, *pixels, engine.Kind() == CaptureFileKind::Tiff, quality);
  if (status < 0) {
    message = CaptureFailureMessage(status);
    return nullptr;
  }
  engine.Close();
  session.Engine.reset();
  if (request.Purpose != kMatchNone && request.Matcher &&
      !request.Matcher->MatchPixels(image, *pixels, request.Purpose)) {
    message = kMessageMissingProfiles;
    return nullptr;
  }
  return pixels;
}

bool BuiltInCaptureMatcher::ProcessPreview(const ImageObject& image, OffscreenBitmap& preview) {
  EngineSession session;
  if (OpenSession(image, session) < 0) return false;
  CaptureEngine& engine = *session.Engine;
  int16_t level = 0;
  engine.ReadLevel(level);
  int mode = WantedMode(image.ImageSrcManagementMode, level);
  uint8_t parameters[kPreviewParameterBytes] = {};
  const int32_t tuning = kPreviewTuningOn, strength = kStandardStrength;
  std::memcpy(parameters + kPreviewTuningOffset, &tuning, sizeof tuning);
  std::memcpy(parameters + kPreviewStrengthOffset, &strength, sizeof strength);
  if (!SelectMode(engine, level, mode) || engine.SetDataFormat(kFormatPreview) < 0 ||
      engine.SetPreviewLevels(kPreviewLevels) < 0 ||
      engine.SetPreviewParameters(parameters, sizeof parameters, kQualityPrint) < 0 ||
      engine.SetDataFormat(RowFormat(engine.Kind())) < 0)
    return false;

  // The preview is in the shown orientation, the file's rows are not.
  LSize size = {preview.Width, preview.Height};
  if (image.RotateFlip & kQuarterTurnMask) std::swap(size.cx, size.cy);
  int message = 0;
  BitmapPtr pixels = DecodeRows(image, size, message);
  if (!pixels || RunEngine(engine, *pixels, engine.Kind() == CaptureFileKind::Tiff, kQualityPrint) < 0)
    return false;
  pixels = ApplyRotateFlip(std::move(pixels), image.RotateFlip);
  if (!pixels || pixels->Width != preview.Width || pixels->Height != preview.Height) return false;
  std::memcpy(preview.Pixels.get(), pixels->Pixels.get(), preview.ByteSize());
  return true;
}

void ProcessAutoTuningPreview(const ImageObject& image) {
  CaptureMatcher* matcher = InstalledCaptureMatcher();
  if (matcher && image.Preview) matcher->ProcessPreview(image, *image.Preview);
}

}  // namespace tl
