// The image information window's table: captions and ":" on every row but
// the flash mode's, values from the image record alone, filled as far as
// the image has them.
#include "imaging/image_information.h"

#include <gtest/gtest.h>

#include "document/layout_object.h"
#include "imaging/image_codes.h"

namespace tl {
namespace {

// Which rows hold a value, as a string of '1' and '.'.
std::string Filled(const InformationTable& rows) {
  std::string s;
  for (const InformationRow& r : rows) s += r.Value.empty() ? '.' : '1';
  return s;
}

ImageObject CameraImage() {
  ImageObject image;
  image.ImagePath = "/photos/gone/harbour.jpg";  // never read: the record is all there is
  image.ImageNumber = 7;
  image.FileSize = 2048;
  image.FileKind = FourCC("JPEG");
  image.ColorSpace = kSpaceRgb;
  image.Exif.ExifPresence = kExifBlockFound | kExifHasVersion | kExifHasFNumber | kExifHasIsoSpeed;
  image.Exif.Maker = "Lumen Optics";
  image.Exif.Model = "LX-2";
  image.Exif.ExifVersion = "0220";
  image.Exif.FNumber = 5.6;
  image.Exif.IsoSpeed = 400;
  return image;
}

TEST(ImageInformationRows, WithoutAnImageOnlyTheCaptionsShow) {
  const InformationTable rows = ImageInformationRows(nullptr);
  EXPECT_EQ(rows[0].Caption, "Number");
  EXPECT_EQ(rows[24].Caption, "Flash");
  for (int row = 0; row < kImageItemCount; ++row) {
    EXPECT_TRUE(rows[size_t(row)].Value.empty()) << row;
    // Every captioned row carries ":"; the flash mode's continuation row has neither.
    EXPECT_EQ(rows[size_t(row)].Colon, row < kItemFlashMode ? ":" : "") << row;
  }
  EXPECT_TRUE(rows[kItemFlashMode].Caption.empty());
}

TEST(ImageInformationRows, ValuesComeFromTheRecordEvenWhenTheFileIsGone) {
  const ImageObject image = CameraImage();
  const InformationTable rows = ImageInformationRows(&image);
  EXPECT_EQ(rows[kItemNumber].Value, "7");
  EXPECT_EQ(rows[kItemName].Value, "harbour.jpg");
  EXPECT_EQ(rows[kItemMaker].Value, "Lumen Optics");
  EXPECT_EQ(rows[kItemFNumber].Value, "5.6");
  EXPECT_EQ(rows[kItemIsoSpeed].Value, "400");
  // No flash information: rows 24 and 25 stay empty; neither are the
  // fields the Exif block lacks filled.
  EXPECT_EQ(Filled(rows).substr(0, 8), "11111111");
  EXPECT_EQ(rows[kItemFlash].Value, "");
  EXPECT_EQ(rows[kItemFlashMode].Value, "");
  EXPECT_EQ(rows[kItemExposureTime].Value, "");
}

TEST(ImageInformationRows, GrayImagesAndImagesWithoutExifFillTheirFirstRowsOnly) {
  ImageObject image = CameraImage();
  image.Exif = ExifFields();
  image.ImageSrcProfile = "/icc/Camera RGB.icc";
  image.ImageSimMethod = 1;
  image.ImageSimProfile = "/icc/Press.icc";
  EXPECT_EQ(Filled(ImageInformationRows(&image)), "1111111111................") << "no Exif: rows 0 to 9";
  image.ColorSpace = kSpaceGray;
  EXPECT_EQ(Filled(ImageInformationRows(&image)), "11111111..................") << "gray: rows 0 to 7";
}

}  // namespace
}  // namespace tl
