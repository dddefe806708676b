// The label and caption dialogs and the Duplicate dialog without their
// widgets, and the text choices the text dialogs offer.
#include <gtest/gtest.h>

#include "document/duplicate_count.h"
#include "document/exif_fields.h"
#include "document/text_choices.h"
#include "document/undo_store.h"
#include "imaging/caption_settings.h"
#include "imaging/label_settings.h"
#include "imaging/label_text.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::EditingTest;
using fixtures::NewDocument;

// Labels composed as the application composes them.
struct LabelServices final : LayoutServices {
  void ComposeLabel(ImageObject& image) override {
    ComposeLabelText(image);
    UpdateAutomaticCaptionSize(image);
  }
};

class TextDialogs : public EditingTest {
 protected:
  TextDialogs() {
    d->Free = 1;
    for (ImageObject*& image : images) {
      image = AddBox(*d, 1000, 700);
      image->Owner = d.get();
      image->FrameRect = {30, 30, 30, 60};
    }
    images[0]->ImagePath = "/photos/harbour.jpg";
    images[0]->ImageNumber = 1;
    images[1]->ImagePath = "/photos/mill.jpg";
    images[1]->ImageNumber = 2;
    images[1]->Exif.ExifPresence = kExifBlockFound | kExifHasFNumber;
  }
  void Select(std::initializer_list<ImageObject*> chosen) {
    for (ImageObject* image : images) image->Selected = 0;
    for (ImageObject* image : chosen) image->Selected = 1, d->CurrentImage = image;
    RecountSelection(*d);
  }

  DocumentPtr d = NewDocument();
  ImageObject* images[3] = {};
  LabelServices services;
};

TEST_F(TextDialogs, TheLabelListShowsExifItemsOnlyForImagesWithExif) {
  LabelValues v;
  Select({images[0]});
  ASSERT_TRUE(OpenLabels(*d, kTextSelectedImages, v));
  EXPECT_EQ(v.ItemsShown, kFileLabelItemCount);
  Select({images[0], images[1]});
  ASSERT_TRUE(OpenLabels(*d, kTextSelectedImages, v));
  EXPECT_EQ(v.ItemsShown, kLabelItemCount);
  ASSERT_TRUE(OpenLabels(*d, kTextDefaults, v));
  EXPECT_EQ(v.ItemsShown, kLabelItemCount) << "new images may carry Exif data";
  Select({});
  EXPECT_FALSE(OpenLabels(*d, kTextSelectedImages, v));
  EXPECT_EQ(LabelItemName(6), "Pixels");
  EXPECT_EQ(LabelItemName(24), "Flash");
}

TEST_F(TextDialogs, PresetsStandForTheirItemSets) {
  struct Case {
    int32_t items;
    const char* name;
  } cases[] = {{0x0, "Off"}, {0x3, "Number - Name"}, {0x2003, "Number - Name - Date Time Original"},
               {0x3FF, "File Information Only"}, {0x1FFFC00, "Exif Information Only"}, {0x1FFFFFF, "All Items"}};
  for (const Case& c : cases) {
    const int preset = LabelPresetOf(c.items);
    ASSERT_GE(preset, 0) << c.name;
    EXPECT_EQ(StringText(LabelPresets()[preset].NameString), c.name);
    LabelValues v;
    ChooseLabelPreset(v, preset);
    EXPECT_EQ(v.Items, c.items);
  }
  EXPECT_EQ(LabelPresetOf(0x5), -1) << "any other set is Custom";
  LabelValues v;
  SetLabelItem(v, 0, true);
  SetLabelItem(v, 2, true);
  EXPECT_EQ(v.Items, 0x5);
  SetLabelItem(v, 0, false);
  SetLabelItem(v, 25, true);
  EXPECT_EQ(v.Items, 0x4);
}

TEST_F(TextDialogs, TheSampleIsTheLabelThatWillPrint) {
  Select({images[1]});
  LabelValues v;
  ASSERT_TRUE(OpenLabels(*d, kTextSelectedImages, v));
  v.Items = 0x3;
  EXPECT_EQ(LabelSample(*d, v, services), "Number: 2  Name: mill.jpg  ");
  EXPECT_TRUE(images[1]->LabelText.empty()) << "the sample changes nothing";
}

TEST_F(TextDialogs, LabelsGoToEverySelectedImageUnderOneSnapshot) {
  Select({images[0], images[1]});
  LabelValues v;
  ASSERT_TRUE(OpenLabels(*d, kTextSelectedImages, v));
  v.Items = 0x2;
  v.FontName = "Serif";
  v.AutoSize = 1;
  v.Location = kLocationBottom;
  v.Align = 2;
  ASSERT_TRUE(ApplyLabels(v, *d, services));
  for (ImageObject* image : {images[0], images[1]}) {
    EXPECT_EQ(image->LabelItems, 0x2);
    EXPECT_EQ(image->LabelFontName.view(), "Serif");
    EXPECT_EQ(image->LabelFontSize, 20) << "a third of the bottom frame band";
    EXPECT_EQ(image->LabelAlign, 2);
  }
  EXPECT_EQ(images[0]->LabelText, "Name: harbour.jpg  ");
  EXPECT_EQ(images[2]->LabelItems, 0);
  EXPECT_EQ(UndoChangeCode(*d), kUndoLabels);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(images[0]->LabelItems, 0);

  ASSERT_TRUE(UndoRecord(*d, kUndoBackground));
  ASSERT_TRUE(OpenLabels(*d, kTextDefaults, v));
  v.Items = 0x1;
  ASSERT_TRUE(ApplyLabels(v, *d, services));
  EXPECT_EQ(d->DefaultImageSettings->LabelItems, 0x1);
  EXPECT_EQ(images[0]->LabelItems, 0);
  EXPECT_FALSE(UndoAvailable(*d)) << "the defaults are not undone";
}

TEST_F(TextDialogs, ACaptionNeverTakesTheLabelsSide) {
  Select({images[0]});
  images[0]->LabelLocation = kLocationBottom;
  CaptionValues v;
  ASSERT_TRUE(OpenCaption(*d, kTextSelectedImages, v));
  EXPECT_FALSE(CaptionLocationOffered(v, kLocationBottom));
  EXPECT_TRUE(CaptionLocationOffered(v, kLocationTop));
  EXPECT_FALSE(CaptionLocationOffered(v, 4));
  v.Text = "Harbour at dawn";
  v.Location = kLocationBottom;
  EXPECT_FALSE(ApplyCaption(v, *d, services));
  EXPECT_EQ(sink.beeps, 1);
  EXPECT_TRUE(images[0]->CaptionString.empty());
  v.Location = kLocationLeft;
  v.AutoSize = 1;
  ASSERT_TRUE(ApplyCaption(v, *d, services));
  EXPECT_EQ(images[0]->CaptionString, "Harbour at dawn");
  EXPECT_EQ(images[0]->CaptionLocation, kLocationLeft);
  EXPECT_EQ(images[0]->CaptionFontSize, 10) << "a third of the left frame band";
  EXPECT_EQ(UndoChangeCode(*d), kUndoCaption);
}

TEST_F(TextDialogs, OkWithoutAChangeKeepsLabelAndCaption) {
  Select({images[0]});
  ImageObject& m = *images[0];
  m.LabelItems = 0x2003;
  m.LabelFontName = "Mono";
  m.LabelFontSize = 52;  // no preset
  m.LabelFontColor = MakeColor(9, 8, 7);
  m.LabelUpsideDown = 1;
  m.CaptionString = "A";
  m.CaptionFontSize = 33;
  const ImageObject before = m;
  LabelValues labels;
  ASSERT_TRUE(OpenLabels(*d, kTextSelectedImages, labels));
  ASSERT_TRUE(ApplyLabels(labels, *d, services));
  CaptionValues caption;
  ASSERT_TRUE(OpenCaption(*d, kTextSelectedImages, caption));
  ASSERT_TRUE(ApplyCaption(caption, *d, services));
  EXPECT_EQ(m.LabelItems, before.LabelItems);
  EXPECT_EQ(m.LabelFontName, before.LabelFontName);
  EXPECT_EQ(m.LabelFontSize, 52);
  EXPECT_EQ(m.LabelFontColor, before.LabelFontColor);
  EXPECT_EQ(m.LabelUpsideDown, 1);
  EXPECT_EQ(m.CaptionString, "A");
  EXPECT_EQ(m.CaptionFontSize, 33);
  EXPECT_EQ(m.CaptionLocation, before.CaptionLocation);
}

TEST(DuplicateCount, TakesOneToNineHundredNinetyNineCopies) {
  fixtures::RecordingSink sink;
  ScopedMessageSink scope(&sink);
  struct Case {
    const char* typed;
    bool accepted;
    const char* shown;
    int count;
  } cases[] = {{"3", true, "3", 3}, {"999", true, "999", 999}, {"0", false, "1", 0}, {"1000", false, "999", 0},
               {"-4", false, "1", 0}, {"three", false, "1", 0}, {"", false, "1", 0}, {"2.5", false, "1", 0}};
  for (const Case& c : cases) {
    DuplicateCountValues v{c.typed};
    int count = 0;
    EXPECT_EQ(ReadDuplicateCount(v, count), c.accepted) << c.typed;
    EXPECT_EQ(v.Count, c.shown) << c.typed;
    EXPECT_EQ(count, c.count) << c.typed;
  }
  EXPECT_EQ(sink.beeps, 6);
}

TEST(TextChoices, OfferTheirPresetsAndAnyValueAFileBrings) {
  const std::vector<int16_t> sizes = FontSizeChoices(TextPointSizes(), 52);
  EXPECT_EQ(sizes.front(), 20);
  EXPECT_EQ(sizes.back(), 200);
  EXPECT_EQ(sizes.size(), TextPointSizes().size() + 1);
  EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end()));
  EXPECT_EQ(FontSizeChoices(TextPointSizes(), 50).size(), TextPointSizes().size());
  EXPECT_EQ(FontSizeChoices(FreeTextPointSizes(), 0).back(), 2100);
  EXPECT_EQ(PointText(50), "10");
  EXPECT_EQ(PointText(52), "10.4");
  EXPECT_EQ(LineHeightFor(150, 50), 75);
  EXPECT_EQ(LineHeightFor(110, 52), 57);
  EXPECT_EQ(NearestLineHeightPercent(55, 50), 110);
  EXPECT_EQ(NearestLineHeightPercent(90, 50), 175);
  EXPECT_EQ(NearestLineHeightPercent(500, 50), 250);
  EXPECT_EQ(NearestLineHeightPercent(10, 0), 110);
}

}  // namespace
}  // namespace tl
