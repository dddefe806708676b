#include "imaging/capture_engine.h"

#include <cerrno>
#include <cstring>
#include <new>

#include "imaging/file_handle.h"

namespace tl {
namespace {

constexpr int kMaxSide = 65535;
constexpr uint64_t kMinAnalysedPixels = 64;
// Screen quality looks at every other pixel of every other row.
constexpr int kScreenStep = 2;

bool KnownMode(int mode) {
  return mode == kModeAutomaticTuning || mode == kModeExif || mode == kModeVividex || mode == kModeVividexExif;
}

int32_t FieldAt(const uint8_t* block, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, block + offset, sizeof value);
  return value;
}

}  // namespace

int CaptureEngine::Open(const std::string& path, std::unique_ptr<CaptureEngine>& engine) {
  engine.reset();
  FilePtr file = OpenForReading(path);
  if (!file) return errno == ENOMEM ? kCaptureNoMemory : kCaptureFileError;
  std::unique_ptr<CaptureEngine> opened(new (std::nothrow) CaptureEngine);
  if (!opened) return kCaptureNoMemory;
  if (!ReadCaptureFacts(file.get(), opened->kind_, opened->facts_)) return kCaptureNotSupported;
  opened->level_ = CaptureLevelOf(opened->facts_);
  engine = std::move(opened);
  return kCaptureOk;
}

int CaptureEngine::Close() {
  if (stage_ == Stage::Closed) return kCaptureOutOfOrder;
  stage_ = Stage::Closed;
  pending_.reset();
  return kCaptureOk;
}

int CaptureEngine::ReadLevel(int16_t& level) const {
  if (stage_ == Stage::Closed) return kCaptureOutOfOrder;
  level = level_;
  return kCaptureOk;
}

int CaptureEngine::SelectMode(int mode) {
  if (stage_ != Stage::Open) return kCaptureOutOfOrder;
  if (!KnownMode(mode)) return kCaptureModeRefused;
  // A mode works from the data it names.
  if (mode == kModeExif && !(level_ & kLevelExifPrint)) return kCaptureModeRefused;
  if ((mode == kModeVividex || mode == kModeVividexExif) && !(level_ & kLevelCaptureRecord))
    return kCaptureModeRefused;
  mode_ = mode;
  modeSelected_ = true;
  return kCaptureOk;
}

int CaptureEngine::SetDataFormat(int format) {
  if (stage_ != Stage::Open) return kCaptureOutOfOrder;
  switch (format) {
    case kFormatRgbRows: bgrRows_ = false; break;
    case kFormatBgrRows: bgrRows_ = true; break;
    case kFormatPreview: preview_ = true; break;
    default: return kCaptureBadArgument;
  }
  return kCaptureOk;
}

int CaptureEngine::SetPreviewLevels(int levels) {
  if (stage_ != Stage::Open || !preview_) return kCaptureOutOfOrder;
  if (levels < 2 || levels > kPreviewLevels) return kCaptureBadArgument;
  previewLevels_ = levels;
  return kCaptureOk;
}

int CaptureEngine::SetPreviewParameters(const uint8_t* block, size_t size, int quality) {
  if (stage_ != Stage::Open || !preview_) return kCaptureOutOfOrder;
  if (!block || size != kPreviewParameterBytes || (quality != kQualityPrint && quality != kQualityScreen))
    return kCaptureBadArgument;
  const int32_t tuning = FieldAt(block, kPreviewTuningOffset);
  const int32_t strength = FieldAt(block, kPreviewStrengthOffset);
  if ((tuning != 0 && tuning != 1) || strength < 0 || strength > kMaxStrength) return kCaptureBadArgument;
  previewStrength_ = tuning ? strength : 0;
  previewQuality_ = quality;
  return kCaptureOk;
}

bool CaptureEngine::Sampled(int row, int column) const {
  return quality_ == kQualityPrint || (row % kScreenStep == 0 && column % kScreenStep == 0);
}

int CaptureEngine::BeginAnalysis(int rows, int width, int quality) {
  if (stage_ != Stage::Open || !modeSelected_) return kCaptureOutOfOrder;
  if (rows < 1 || width < 1 || rows > kMaxSide || width > kMaxSide ||
      (quality != kQualityPrint && quality != kQualityScreen))
    return kCaptureBadArgument;
  rows_ = rows;
  width_ = width;
  quality_ = Quality(quality);
  rowsDone_ = 0;
  statistics_ = ToneStatistics();
  analysed_ = false;
  stage_ = Stage::Analysed;
  if (TargetsForMode(mode_, facts_).FixedLevels) return kCaptureLevelsMeasured;
  const uint64_t step = quality_ == kQualityPrint ? 1 : kScreenStep;
  const uint64_t samples = ((uint64_t(rows) + step - 1) / step) * ((uint64_t(width) + step - 1) / step);
  if (samples < kMinAnalysedPixels) return kCaptureTooSmall;
  stage_ = Stage::Analysing;
  return kCaptureOk;
}

int CaptureEngine::AnalyseRow(const uint8_t* row) {
  if (stage_ != Stage::Analysing || rowsDone_ >= rows_) return kCaptureOutOfOrder;
  if (!row) return kCaptureBadArgument;
  if (Sampled(rowsDone_, 0)) {
    const int ri = bgrRows_ ? 2 : 0, bi = bgrRows_ ? 0 : 2;
    for (int x = 0; x < width_; ++x) {
      if (!Sampled(rowsDone_, x)) continue;
      const uint8_t* p = row + size_t(x) * 3;
      statistics_.Add(p[ri], p[1], p[bi]);
    }
  }
  ++rowsDone_;
  return kCaptureOk;
}

int CaptureEngine::EndAnalysis() {
  if (stage_ != Stage::Analysing || rowsDone_ != rows_) return kCaptureOutOfOrder;
  analysed_ = true;
  stage_ = Stage::Analysed;
  return kCaptureOk;
}

int CaptureEngine::BeginConversion(int rows, int width, int quality, int& outputRows) {
  if (stage_ != Stage::Analysed) return kCaptureOutOfOrder;
  if (rows != rows_ || width != width_ || (quality != kQualityPrint && quality != kQualityScreen))
    return kCaptureBadArgument;
  pending_ = NewBuffer<uint8_t>(size_t(width) * 3);
  if (!pending_) return kCaptureNoMemory;
  const ToneTargets targets = TargetsForMode(mode_, facts_);
  correction_ = BuildCorrection(targets, analysed_ ? &statistics_ : nullptr,
                                preview_ ? previewStrength_ : kStandardStrength, preview_ ? previewLevels_ : 256);
  rowsDone_ = rowsTaken_ = ready_ = 0;
  outputRows = rows;
  stage_ = Stage::Converting;
  return kCaptureOk;
}

int CaptureEngine::FeedRow(const uint8_t* row, int& ready) {
  if (stage_ != Stage::Converting || rowsDone_ >= rows_ || ready_ > 0) return kCaptureOutOfOrder;
  if (!row) return kCaptureBadArgument;
  ApplyCorrection(correction_, row, bgrRows_, pending_.get(), width_);
  ++rowsDone_;
  ready = ready_ = 1;
  return kCaptureOk;
}

int CaptureEngine::TakeRow(uint8_t* row) {
  if (stage_ != Stage::Converting || ready_ == 0) return kCaptureOutOfOrder;
  if (!row) return kCaptureBadArgument;
  std::memcpy(row, pending_.get(), size_t(width_) * 3);
  --ready_;
  ++rowsTaken_;
  return kCaptureOk;
}

int CaptureEngine::EndConversion() {
  if (stage_ != Stage::Converting || rowsTaken_ != rows_) return kCaptureOutOfOrder;
  pending_.reset();
  stage_ = Stage::Open;
  modeSelected_ = true;
  return kCaptureOk;
}

}  // namespace tl
