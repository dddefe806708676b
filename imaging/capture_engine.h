// The capture-matching engine: one session per open file, which reads the
// file's capture data and turns the picture's 3-byte rows into rows
// adjusted for printing in a matching mode. The calls, numbered as the
// engine's ordinals, in the order a decode makes them:
//    1 Open                 the file's capture data is read
//   23 ReadLevel            bit 1 Exif print data, bit 2 the capture record
//   25 SelectMode           0 automatic tuning, 2 "Exif", 4 "VDX", 6 "VDX/Exif"
//    3 SetDataFormat        601 red-green-blue rows, 602 blue-green-red
//                           rows, 603 the preview call (then 19 and 18)
//   19 SetPreviewLevels     output levels of the preview's curves
//   18 SetPreviewParameters the preview's tuning strength and quality
//    4 BeginAnalysis        rows, width, quality (200 print, 100 screen);
//                           3 or 7: no analysis is needed
//    5 AnalyseRow           each row, top first
//    6 EndAnalysis
//    7 BeginConversion      rows, width, quality -> the output row count
//    8 FeedRow              each row -> the number of output rows ready
//    9 TakeRow              each ready row: red, green, blue
//   10 EndConversion
//    2 Close
// Every call returns a status: 0 (or 3, 7) for success, negative values
// for failures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "imaging/buffer.h"
#include "imaging/capture_data.h"
#include "imaging/capture_tone.h"

namespace tl {

enum CaptureStatus : int {
  kCaptureOk = 0,
  kCaptureLevelsMeasured = 3,  // the capture record's levels stand: no analysis
  kCaptureTooSmall = 7,        // too few pixels to analyse: no analysis
  kCaptureFileError = -1001,
  kCaptureNotSupported = -1002,
  kCaptureNoMemory = -1003,
  kCaptureModeRefused = -1004,
  kCaptureOutOfOrder = -1005,
  kCaptureBadArgument = -1006,
};

enum CaptureDataFormat : int {
  kFormatRgbRows = 601,
  kFormatBgrRows = 602,
  kFormatPreview = 603,
};

inline constexpr int kQualityPrint = 200;
inline constexpr int kQualityScreen = 100;

// The preview call's parameter block: 32-bit fields in the machine's byte
// order, tuning on (1) at offset 8 and its strength (0..10, 5 standard) at
// offset 16; the rest is reserved and zero.
inline constexpr size_t kPreviewParameterBytes = 1332;
inline constexpr size_t kPreviewTuningOffset = 8;
inline constexpr size_t kPreviewStrengthOffset = 16;
inline constexpr int kPreviewLevels = 256;

class CaptureEngine {
 public:
  static int Open(const std::string& path, std::unique_ptr<CaptureEngine>& engine);  // 1

  int Close();                                                   // 2
  int ReadLevel(int16_t& level) const;                           // 23
  int SelectMode(int mode);                                      // 25
  int SetDataFormat(int format);                                 // 3
  int SetPreviewLevels(int levels);                              // 19
  int SetPreviewParameters(const uint8_t* block, size_t size, int quality);  // 18
  int BeginAnalysis(int rows, int width, int quality);           // 4
  int AnalyseRow(const uint8_t* row);                            // 5
  int EndAnalysis();                                             // 6
  int BeginConversion(int rows, int width, int quality, int& outputRows);  // 7
  int FeedRow(const uint8_t* row, int& ready);                   // 8
  int TakeRow(uint8_t* row);                                     // 9
  int EndConversion();                                           // 10

  CaptureFileKind Kind() const { return kind_; }
  const CaptureFacts& Facts() const { return facts_; }

 private:
  enum class Stage { Open, Analysing, Analysed, Converting, Closed };

  CaptureEngine() = default;
  int Quality(int asked) const { return preview_ ? previewQuality_ : asked; }
  bool Sampled(int row, int column) const;

  CaptureFileKind kind_ = CaptureFileKind::Other;
  CaptureFacts facts_;
  int16_t level_ = 0;
  Stage stage_ = Stage::Open;
  bool modeSelected_ = false;
  int mode_ = 0;
  bool bgrRows_ = false;
  bool preview_ = false;
  int previewLevels_ = kPreviewLevels;
  int previewStrength_ = kStandardStrength;
  int previewQuality_ = kQualityPrint;
  int rows_ = 0, width_ = 0, quality_ = 0;
  int rowsDone_ = 0, rowsTaken_ = 0, ready_ = 0;
  bool analysed_ = false;
  ToneStatistics statistics_;
  ToneCorrection correction_;
  Buffer<uint8_t> pending_;
};

}  // namespace tl
