// The items the driver extension answers, with the fields of their records
// and the values the program uses.
#pragma once

#include <cstdint>

namespace tl {

enum DriverItem : uint16_t {
  kItemOrientation = 20,
  kItemPaperSize = 30,
  kItemPaperSource = 40,
  kItemMediaType = 60,
  kItemInk = 70,
  kItemColorAdjust = 201,
  kItemPrintableArea = 204,
  kItemBannerFlags = 205,
  kItemHighSpeed = 212,
  kItemValueName = 213,
  kItemColorManagement = 214,
  kItemUserPresets = 235,
};

// Item 30: sizes and margins in 0.1 mm for the current orientation.
enum PaperSizeField {
  kPaperWidth,
  kPaperHeight,
  kPrintableWidth,
  kPrintableHeight,
  kLeftMargin,
  kTopMargin,
  kPaperId,
  kPaperSizeFields
};
// Item 70: two flags the colour handling sets to 1, the ink, the media type, the print mode.
enum InkField { kInkSetFlag, kInkColorFlag, kInkCode, kInkMediaType, kInkPrintMode, kInkFields };
// Items 204 and 205 start with the two fixed fields 1 and 12.
enum FlagRecordField { kRecordOne, kRecordTwelve, kRecordValue, kRecordSecondValue, kFlagRecordFields };
// Item 213: the kind of name asked for and the value it names.
enum ValueNameField { kNameType, kNameValue, kValueNameFields };
// Item 214: the colour management mode and the print mode.
enum ColorManagementField { kManagementMode, kManagementPrintMode, kColorManagementFields };

enum ValueNameType : int32_t { kNamePaperSize = 1, kNamePaperSource = 2, kNameMediaType = 3, kNameMediaProfile = 10 };

// Item 201 values.
constexpr int32_t kAdjustByDriver = 1;
constexpr int32_t kAdjustByApplication = 3;
constexpr int32_t kAdjustCaptureMatching = 6;
// Item 214 mode for matching in the driver.
constexpr int32_t kManagementByDriver = 2;
// Print modes of the "Mode :" buttons.
// Print modes of the "Mode :" buttons; the layout keeps the chosen one in
// AutoMode, where 0 leaves the printer's own.
enum PrintModeCode : int32_t { kModePhoto = 1, kModeQuality = 2, kModeSpeed = 3 };
constexpr bool IsPrintMode(int32_t mode) { return mode >= kModePhoto && mode <= kModeSpeed; }
// Item 204 bits: "Standard"/"Maximum" may be chosen, "Centerd" may be chosen.
constexpr int32_t kAreaChoiceBit = 1;
constexpr int32_t kCenteredBit = 2;
// Item 205 for a banner: the flags kept and the flags added.
constexpr int32_t kBannerKeptFlags = 0x60;
constexpr int32_t kBannerFlags = 5;

// print-quality values, and the one each print mode asks for.
constexpr int32_t kQualityDraft = 3;
constexpr int32_t kQualityNormal = 4;
constexpr int32_t kQualityHigh = 5;
constexpr int32_t QualityOfPrintMode(int32_t mode) {
  return mode == kModePhoto ? kQualityHigh : mode == kModeSpeed ? kQualityDraft : kQualityNormal;
}

// Paper size 256 is the driver's user-defined size, never listed.
constexpr int16_t kCustomPaperSize = 256;

}  // namespace tl
