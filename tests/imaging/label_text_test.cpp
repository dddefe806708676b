#include "imaging/label_text.h"

#include <gtest/gtest.h>

#include <string>

#include "document/exif_fields.h"
#include "document/layout_document.h"

namespace tl {
namespace {

class LabelTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    document_.reset(DocumentNew(nullptr, nullptr));
    image_ = ImageObjectNew(document_->DefaultImageSettings, &document_->Objects);
    image_->ImagePath = "/photos/beach.jpg";
    image_->ImageDesc = ImageDescBlock(ImageDescBlock::kBasicSize);
    image_->ImageDesc.SetWidth(3000);
    image_->ImageDesc.SetHeight(2000);
    image_->ImageDesc.SetHResolution(300);
    image_->ColorSpace = FourCC("RGB ");
    image_->Exif.ExifPresence = kExifBlockFound | kExifHasFNumber | kExifHasFlash;
    image_->Exif.FNumber = 2.8;
    image_->Exif.Flash = 0x19;
    image_->Exif.IsoSpeed = 400;  // present in the record but not in the file
  }
  std::string Compose(int32_t items) {
    image_->LabelItems = items;
    ComposeLabelText(*image_);
    return image_->LabelText;
  }
  DocumentPtr document_;
  ImageObject* image_ = nullptr;
};

TEST_F(LabelTextTest, ItemsAppearInLabelOrderWithTheirNames) {
  EXPECT_EQ(Compose(0), "");
  EXPECT_EQ(Compose(0x3), "Number: 1  Name: beach.jpg  ");
  // The resolution comes before the pixel dimensions.
  EXPECT_EQ(Compose(0xC0), "Resolution: 300ppi  Pixels: X3000/Y2000pix  ");
  EXPECT_EQ(Compose(0x40000), "F Number: 2.8  ");
}

TEST_F(LabelTextTest, ItemsTheFileDoesNotCarryAreLeftOut) {
  EXPECT_EQ(Compose(0x80000), "") << "ISO speed without its presence bit";
  image_->ColorSpace = FourCC("GRAY");
  image_->ImageSimMethod = 1;
  EXPECT_EQ(Compose(0x300), "") << "no profiles for a gray image";
}

TEST_F(LabelTextTest, FlashJoinsItsTwoTextsWithoutTrailingBlanks) {
  EXPECT_EQ(Compose(0x1000000), "Flash: Flash fired. No red-eye reduction. Auto mode");
}

TEST_F(LabelTextTest, AutomaticSizesAreAThirdOfTheFrameOnTheirSide) {
  image_->FrameRect = {30, 60, 90, 150};
  image_->LabelAutoSize = 1;
  image_->LabelLocation = kLocationBottom;
  image_->NeedsRedraw = 0;
  Compose(0x1);
  EXPECT_EQ(image_->LabelFontSize, 50);
  EXPECT_EQ(image_->NeedsRedraw, 1);
  image_->CaptionAutoSize = 1;
  image_->CaptionLocation = kLocationLeft;
  UpdateAutomaticCaptionSize(*image_);
  EXPECT_EQ(image_->CaptionFontSize, 10);
}

TEST_F(LabelTextTest, RenumberingFollowsTheLayoutMode) {
  ImageObject* second = ImageObjectNew(document_->DefaultImageSettings, &document_->Objects);
  ImageObject* third = ImageObjectNew(document_->DefaultImageSettings, &document_->Objects);
  image_->ImageNumber = 7;
  second->ImageNumber = 0;
  third->ImageNumber = 3;
  second->LabelItems = third->LabelItems = 0x1;
  third->LabelText = "unchanged";

  document_->Free = 1;
  RenumberImages(*document_);
  EXPECT_EQ(image_->ImageNumber, 7);
  EXPECT_EQ(second->ImageNumber, 8);
  EXPECT_EQ(third->ImageNumber, 3);

  document_->Free = 0;
  RenumberImages(*document_);
  EXPECT_EQ(image_->ImageNumber, 1);
  EXPECT_EQ(second->ImageNumber, 2);
  EXPECT_EQ(third->ImageNumber, 3);
  EXPECT_EQ(second->LabelText, "Number: 2  ");
  EXPECT_EQ(third->LabelText, "unchanged") << "its number did not change";
}

}  // namespace
}  // namespace tl
