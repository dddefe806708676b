#include "imaging/label_text.h"

#include <string>

#include "document/exif_fields.h"
#include "document/geometry.h"
#include "document/layout_document.h"
#include "imaging/format_image_item.h"
#include "resources/string_table.h"

namespace tl {
namespace {

// Item i is named by string kItemNameString + i ("Number", "Name", ...).
constexpr int kItemNameString = kInformationCaptionFirst;
constexpr int kAutomaticSizeDivisor = 3;
const uint32_t kGray = FourCC("GRAY");

// Items in label order: the resolution comes before the pixel dimensions.
constexpr int kLabelOrder[] = {
    kItemNumber,       kItemName,          kItemCreated,        kItemModified,
    kItemSize,         kItemImageType,     kItemResolution,     kItemPixels,
    kItemSourceProfile, kItemSimulationProfile, kItemMaker,     kItemModel,
    kItemExifVersion,  kItemDateTimeOriginal, kItemDateTimeDigitized, kItemLightSource,
    kItemExposureTime, kItemExposureBias,  kItemFNumber,        kItemIsoSpeed,
    kItemWhiteBalance, kItemColorSpace,    kItemContrast,       kItemSaturation,
    kItemFlash,
};

// The Exif presence bit an item needs, 0 when it needs none.
uint32_t RequiredPresence(int item) {
  switch (item) {
    case kItemExifVersion: return kExifHasVersion;
    case kItemLightSource: return kExifHasLightSource;
    case kItemExposureTime: return kExifHasExposureTime;
    case kItemExposureBias: return kExifHasExposureBias;
    case kItemFNumber: return kExifHasFNumber;
    case kItemIsoSpeed: return kExifHasIsoSpeed;
    case kItemWhiteBalance: return kExifHasWhiteBalance;
    case kItemColorSpace: return kExifHasColorSpace;
    case kItemContrast: return kExifHasContrast;
    case kItemSaturation: return kExifHasSaturation;
    case kItemFlash: return kExifHasFlash;
  }
  return 0;
}

bool ItemShown(const ImageObject& image, int item) {
  if (!(image.LabelItems & (int32_t(1) << item))) return false;
  const bool gray = image.ColorSpace == kGray;
  if (item == kItemSourceProfile) return !gray;
  if (item == kItemSimulationProfile) return !gray && image.ImageSimMethod != 0;
  const uint32_t presence = RequiredPresence(item);
  return presence == 0 || (image.Exif.ExifPresence & presence) != 0;
}

int16_t FrameWidthOnSide(const ImageObject& image, int16_t location) {
  int32_t width = 0;
  switch (location) {
    case kLocationTop: width = image.FrameRect.top; break;
    case kLocationBottom: width = image.FrameRect.bottom; break;
    case kLocationLeft: width = image.FrameRect.left; break;
    case kLocationRight: width = image.FrameRect.right; break;
  }
  return static_cast<int16_t>(width / kAutomaticSizeDivisor);
}

}  // namespace

void ComposeLabelText(ImageObject& image, const ProfileNames* profiles) {
  std::string text;
  if (image.LabelItems != 0) {
    for (int item : kLabelOrder) {
      if (!ItemShown(image, item)) continue;
      text += StringText(kItemNameString + item);
      text += ": ";
      text += FormatImageItem(image, item, profiles);
      if (item == kItemFlash) {
        text += ' ';
        text += FormatImageItem(image, kItemFlashMode, profiles);
      } else {
        text += "  ";
      }
    }
  }
  image.LabelText = std::move(text);
  if (image.LabelAutoSize) image.LabelFontSize = FrameWidthOnSide(image, image.LabelLocation);
  image.NeedsRedraw = 1;
}

void UpdateAutomaticCaptionSize(ImageObject& image) {
  if (image.CaptionAutoSize) image.CaptionFontSize = FrameWidthOnSide(image, image.CaptionLocation);
}

void RenumberImages(LayoutDocument& document, const ProfileNames* profiles) {
  int16_t next = document.Free ? NextImageNumber(document.Objects) : int16_t(1);
  for (LayoutObject* o : document.Objects) {
    ImageObject* image = AsImage(o);
    if (!image) continue;
    int16_t number = image->ImageNumber;
    if (!document.Free)
      number = next++;
    else if (number == 0)
      number = next++;
    if (number == image->ImageNumber) continue;
    image->ImageNumber = number;
    ComposeLabelText(*image, profiles);
  }
}

}  // namespace tl
