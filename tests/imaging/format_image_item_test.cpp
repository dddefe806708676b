#include "imaging/format_image_item.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "document/layout_object.h"
#include "imaging/image_codes.h"

namespace tl {
namespace {

std::string Item(const ExifFields& exif, int item) {
  ImageObject image;
  image.Exif = exif;
  return FormatImageItem(image, item);
}

TEST(FormatImageItem, ExposureTime) {
  const struct {
    uint32_t n, d;
    const char* text;
  } cases[] = {{1, 250, "1/250sec"}, {10, 40, "1/4.0sec"}, {2, 1, "2sec"},        {0, 1, "0sec"},
               {1, 3, "1/3.0sec"},   {10, 1250, "1/125sec"}, {15, 10, "2sec"}, {1, 0, ""}};
  for (const auto& c : cases) {
    ExifFields e;
    e.ExposureTimeNumerator = c.n;
    e.ExposureTimeDenominator = c.d;
    EXPECT_EQ(Item(e, kItemExposureTime), c.text) << c.n << "/" << c.d;
  }
}

TEST(FormatImageItem, ExposureBiasAndFNumberShowOneDecimal) {
  const struct {
    double bias, fNumber;
    const char* biasText;
    const char* fText;
  } cases[] = {{-1.0 / 3, 2.8, "-0.3", "2.8"}, {2.0 / 3, 8, "0.7", "8.0"}, {0, 1.4, "0.0", "1.4"}, {1, 22, "1.0", "22.0"}};
  for (const auto& c : cases) {
    ExifFields e;
    e.ExposureBias = c.bias;
    e.FNumber = c.fNumber;
    EXPECT_EQ(Item(e, kItemExposureBias), c.biasText);
    EXPECT_EQ(Item(e, kItemFNumber), c.fText);
  }
}

TEST(FormatImageItem, FlashTextsAndMode) {
  const struct {
    int16_t flash;
    const char* fired;
    const char* mode;
  } cases[] = {
      {0x19, "Flash fired. No red-eye reduction.", "Auto mode"},
      {0x10, "Flash did not fire.", ""},
      {0x00, "Flash did not fire.", ""},
      {0x49, "Flash fired. Red-eye reduction.", "Compulsory flash firing"},
      {0x01, "Flash fired. No red-eye reduction.", "Compulsory flash unknown"},
      {0x11, "Flash fired. No red-eye reduction.", "Compulsory flash suppression"},
  };
  for (const auto& c : cases) {
    ExifFields e;
    e.Flash = c.flash;
    EXPECT_EQ(Item(e, kItemFlash), c.fired) << c.flash;
    EXPECT_EQ(Item(e, kItemFlashMode), c.mode) << c.flash;
  }
}

TEST(FormatImageItem, ChoicesByValue) {
  const struct {
    int item;
    int16_t value;
    const char* text;
  } cases[] = {
      {kItemLightSource, 0, "unknown"},        {kItemLightSource, 16, "unknown"},
      {kItemLightSource, 1, "Daylight"},       {kItemLightSource, 9, "Fine weather"},
      {kItemLightSource, 17, "Standard light A"}, {kItemLightSource, 24, "ISO studio tungsten"},
      {kItemLightSource, 255, "other light source"},
      {kItemWhiteBalance, 0, "Auto white balance"}, {kItemWhiteBalance, 1, "Manual white balance"},
      {kItemWhiteBalance, 2, "reserved"},
      {kItemColorSpace, 1, "sRGB"},            {kItemColorSpace, -1, "Other than sRGB"},
      {kItemContrast, 0, "Normal"},            {kItemContrast, 1, "Soft"}, {kItemContrast, 2, "Hard"},
      {kItemSaturation, 1, "Low saturation"},  {kItemSaturation, 2, "High saturation"},
      {kItemSaturation, 7, "Normal"},
      {kItemIsoSpeed, 3200, "3200"},           {kItemIsoSpeed, int16_t(51200), "51200"},
  };
  for (const auto& c : cases) {
    ExifFields e;
    e.LightSource = e.WhiteBalance = e.ColorSpace = e.Contrast = e.Saturation = e.IsoSpeed = c.value;
    EXPECT_EQ(Item(e, c.item), c.text) << c.item << " " << c.value;
  }
}

TEST(FormatImageItem, FileFacts) {
  ImageObject image;
  image.ImagePath = "/photos/2024/harbour.jpg";
  image.ImageNumber = 7;
  image.FileKind = kKindEff;
  image.ImageDesc = ImageDescBlock(ImageDescBlock::kBasicSize);
  image.ImageDesc.SetWidth(6000);
  image.ImageDesc.SetHeight(4000);
  image.ImageDesc.SetHResolution(300);
  image.Exif.ExifVersion = "0220";
  EXPECT_EQ(FormatImageItem(image, kItemNumber), "7");
  EXPECT_EQ(FormatImageItem(image, kItemName), "harbour.jpg");
  EXPECT_EQ(FormatImageItem(image, kItemImageType), "EFF ");
  EXPECT_EQ(FormatImageItem(image, kItemPixels), "X6000/Y4000pix");
  EXPECT_EQ(FormatImageItem(image, kItemResolution), "300ppi");
  EXPECT_EQ(FormatImageItem(image, kItemExifVersion), "02.20");
  EXPECT_EQ(FormatImageItem(image, 26), "");

  const struct {
    uint64_t bytes;
    const char* text;
  } sizes[] = {{0, "0.0 KB"}, {1023, "0.9 KB"}, {7958, "7.7 KB"}, {1048575, "1023.9 KB"}, {1048576, "1.0 MB"},
               {26214400 + 104857, "25.0 MB"}};
  for (const auto& s : sizes) {
    image.FileSize = s.bytes;
    EXPECT_EQ(FormatImageItem(image, kItemSize), s.text) << s.bytes;
  }

  setenv("TZ", "UTC", 1);
  tzset();
  image.CreationTime = 1715940672;  // 2024-05-17 10:11:12 UTC
  image.LastWriteTime = 1715983872;  // 22:11:12
  EXPECT_EQ(FormatImageItem(image, kItemCreated), "05/17/24 10:11:12 AM");
  EXPECT_EQ(FormatImageItem(image, kItemModified), "05/17/24 10:11:12 PM");
}

TEST(FormatImageItem, ProfileNamesComeFromTheColourLayerWhenGiven) {
  struct Names : ProfileNames {
    std::string SourceProfileName(const ImageObject&) const override { return "Camera RGB"; }
    std::string SimulationProfileName(const ImageObject&) const override { return "Press"; }
  } names;
  ImageObject image;
  image.ImageSrcProfile = "/usr/share/color/icc/sRGB.icc";
  image.ImageSimProfile = "press.icc";
  EXPECT_EQ(FormatImageItem(image, kItemSourceProfile), "sRGB.icc");
  EXPECT_EQ(FormatImageItem(image, kItemSimulationProfile), "");  // simulation off
  EXPECT_EQ(FormatImageItem(image, kItemSourceProfile, &names), "Camera RGB");
  image.ImageSimMethod = 1;
  EXPECT_EQ(FormatImageItem(image, kItemSimulationProfile), "press.icc");
  EXPECT_EQ(FormatImageItem(image, kItemSimulationProfile, &names), "Press");
}

TEST(InformationRowFilled, FollowsColourSpaceAndExifPresence) {
  ImageObject image;
  image.ColorSpace = kSpaceRgb;
  auto filled = [&] {
    std::string rows;
    for (int row = 0; row < kImageItemCount; ++row) rows += InformationRowFilled(image, row) ? '1' : '.';
    return rows;
  };
  EXPECT_EQ(filled(), "1111111111................");  // no Exif: rows 0 to 9
  image.ColorSpace = kSpaceGray;
  EXPECT_EQ(filled(), "11111111..................");
  image.ColorSpace = kSpaceRgb;
  image.Exif.ExifPresence = kExifBlockFound;
  EXPECT_EQ(filled(), "111111111111.11...........");
  image.Exif.ExifPresence = kExifBlockFound | kExifHasFlash | kExifHasFNumber | kExifHasVersion;
  EXPECT_EQ(filled(), "111111111111111...1.....11");
  image.Exif.ExifPresence = 0x1FFD;
  EXPECT_EQ(filled(), "11111111111111111111111111");
}

}  // namespace
}  // namespace tl
