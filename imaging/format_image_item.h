// The texts of an image's facts and Exif values, as picture labels and the
// image information window show them. Items are numbered 0 to 25.
#pragma once

#include <string>

namespace tl {

struct ImageObject;

enum ImageItem : int {
  kItemNumber = 0,
  kItemName,
  kItemCreated,
  kItemModified,
  kItemSize,
  kItemImageType,
  kItemPixels,
  kItemResolution,
  kItemSourceProfile,
  kItemSimulationProfile,
  kItemMaker,
  kItemModel,
  kItemExifVersion,
  kItemDateTimeOriginal,
  kItemDateTimeDigitized,
  kItemLightSource,
  kItemExposureTime,
  kItemExposureBias,
  kItemFNumber,
  kItemIsoSpeed,
  kItemWhiteBalance,
  kItemColorSpace,
  kItemContrast,
  kItemSaturation,
  kItemFlash,      // whether it fired, and the red-eye reduction
  kItemFlashMode,  // the flash mode, when it fired
};
inline constexpr int kImageItemCount = 26;

// The names items 8 and 9 show; the colour layer, which knows profiles,
// provides them.
class ProfileNames {
 public:
  virtual ~ProfileNames() = default;
  virtual std::string SourceProfileName(const ImageObject& image) const = 0;
  // Called only when simulation is on.
  virtual std::string SimulationProfileName(const ImageObject& image) const = 0;
};

// The image information window lists the items as rows 0 to 25 under the
// captions 32857 onwards (row 25, the flash mode, has none). Whether a row
// holds its value: rows 0 to 7 always, 8 and 9 unless the image is gray,
// the Exif rows only when the file had an Exif block and, for most of
// them, the field itself.
inline constexpr int kInformationCaptionFirst = 32857;
bool InformationRowFilled(const ImageObject& image, int row);

// The text of `item`; empty for an unknown item. Without `profiles`, items
// 8 and 9 show the file names of the chosen profiles.
std::string FormatImageItem(const ImageObject& image, int item, const ProfileNames* profiles = nullptr);

}  // namespace tl
