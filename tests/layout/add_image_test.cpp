#include "layout/add_image.h"

#include <gtest/gtest.h>

#include "layout/image_geometry.h"
#include "layout/orientation.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::Described;
using fixtures::FakeView;
using fixtures::NewDocument;
using fixtures::Origins;
using fixtures::RecordingServices;
using fixtures::RecordingSink;

ImageToAdd File(uint16_t width, uint16_t height, int32_t resolution = 300) {
  return {"/photos/img.jpg", Described(width, height, resolution), {}};
}

// Pictures of assorted shapes, the same every run.
ImageToAdd AssortedFile(int i) {
  const uint16_t w = uint16_t(300 + (i * 397) % 1400);
  const uint16_t h = uint16_t(300 + (i * 611) % 1300);
  return File(w, h);
}

void UseRelativeSize(LayoutDocument& d, int32_t tenthsOfPercent = kRelativeFull) {
  d.DefaultImageSettings->SizeMethod = kSizeRelative;
  d.DefaultImageSettings->SizeRelative = {tenthsOfPercent, tenthsOfPercent};
}

struct FlowSettings {
  int32_t horizontal;
  int32_t line;
  int16_t vertical;
  bool bands;
};

// Adding images one by one, with or without a session, places them exactly
// where arranging the whole layout afterwards puts them.
TEST(AddImageFile, OneByOnePlacesImagesAsAWholeArrangementDoes) {
  const FlowSettings settings[] = {
      {kAlignCenter, kAlignBottom, kAlignTop, false}, {kAlignLeft, kAlignTop, kAlignBottom, false},
      {kAlignRight, kAlignMiddle, kAlignMiddle, false}, {kAlignJustify, kAlignBottom, kAlignTop, false},
      {kAlignJustify, kAlignTop, kAlignBottom, true},    {kAlignEqualSpacing, kAlignTop, kAlignMiddle, false},
      {kAlignCenter, kAlignBottom, kAlignBottom, true},
  };
  for (const FlowSettings& f : settings) {
    for (const bool withSession : {true, false}) {
      SCOPED_TRACE(::testing::Message() << f.horizontal << "/" << f.line << "/" << f.vertical << " bands "
                                        << f.bands << " session " << withSession);
      DocumentPtr d = NewDocument();
      UseRelativeSize(*d);
      d->AlignHorizontal = f.horizontal;
      d->AlignLine = f.line;
      d->AlignVertical = f.vertical;
      d->Header.Enabled = d->Footer.Enabled = f.bands;
      ImageAddSession session;
      for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(AddImageFile(*d, AssortedFile(i), NoLayoutServices(), withSession ? &session : nullptr)) << i;

      const std::vector<LPoint> added = Origins(*d);
      const int16_t pages = d->PageNumber;
      ASSERT_GT(pages, 3);
      ArrangeLayout(*d);
      EXPECT_EQ(Origins(*d), added);
      EXPECT_EQ(d->PageNumber, pages);
    }
  }
}

TEST(AddImageFile, TakesADescribedImageThroughEveryStep) {
  DocumentPtr d = NewDocument();
  RecordingServices services;
  ASSERT_TRUE(AddImageFile(*d, File(3000, 2000), services));

  const ImageObject* image = AsImage(d->Objects.Head);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->ImagePath, "/photos/img.jpg");
  EXPECT_EQ(image->ImageNumber, 1);
  EXPECT_EQ(image->Size, (LSize{1260, 1260}));  // the default box
  EXPECT_EQ(image->Origin, (LPoint{45 + (2886 - 1260) / 2, 45}));
  EXPECT_EQ(d->Modified, 1);
  EXPECT_EQ(services.recorded, std::vector<int16_t>{kChangeAddObject});
  EXPECT_EQ(services.changedCodes, std::vector<int16_t>{kChangeGetImages});
  EXPECT_EQ(services.labels, 1);
  EXPECT_EQ(services.previews, 1);
  EXPECT_EQ(services.restores, 0);
}

TEST(AddImageFile, SizesTheBoxFromTheDefaultSettings) {
  struct Case {
    const char* what;
    int16_t method;
    int32_t relative;
    int16_t frame;
    LSize defaultBox;
    uint16_t w, h;
    int32_t resolution;
    LSize box;  // {0, 0}: refused as out of range
    int32_t frameSide;
  } cases[] = {
      {"default box, automatic frame of its width", kSizeFixed, 0, kFrameAuto, {1000, 600}, 3000, 2000, 300,
       {1000, 600}, 50},
      {"physical size", kSizeRelative, 1000, kFrameNone, {}, 3000, 2000, 300, {3600, 2400}, 0},
      {"half the physical size, automatic frame", kSizeRelative, 500, kFrameAuto, {}, 3000, 2000, 300,
       {1800, 1200}, 60},
      {"ten times beyond 30000", kSizeRelative, 10000, kFrameNone, {}, 3000, 2000, 300, {}, 0},
      {"default box beyond 30000", kSizeFixed, 0, kFrameNone, {40000, 500}, 3000, 2000, 300, {}, 0},
      {"physical side beyond 150000", kSizeRelative, 1000, kFrameNone, {}, 65535, 100, 72, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DocumentPtr d = NewDocument();
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    ImageObject& defaults = *d->DefaultImageSettings;
    defaults.SizeMethod = c.method;
    defaults.SizeRelative = {c.relative, c.relative};
    defaults.FrameSetting = c.frame;
    if (c.method == kSizeFixed) defaults.Size = c.defaultBox;

    const bool added = AddImageFile(*d, File(c.w, c.h, c.resolution));
    EXPECT_EQ(added, c.box.cx > 0);
    if (!added) {
      EXPECT_TRUE(d->Objects.Empty());
      ASSERT_EQ(sink.shown.size(), 1u);
      EXPECT_TRUE(sink.Showed(kImageSizeOutOfRange));
      EXPECT_EQ(sink.shown[0].icon, MessageIcon::Stop);
      continue;
    }
    const ImageObject* image = AsImage(d->Objects.Head);
    EXPECT_EQ(image->Size, c.box);
    EXPECT_EQ(image->FrameRect, (LRect{c.frameSide, c.frameSide, c.frameSide, c.frameSide}));
    EXPECT_EQ(image->EffectiveImageOption, c.method == kSizeRelative ? kAutoFit : kImageOptionNone);
    EXPECT_TRUE(sink.shown.empty());
  }
}

// The shape modes turn only quarter turns of flowed relative boxes; the
// camera's orientation turns every picture upright, its box with it where
// the box is made from the picture.
TEST(AddImageFile, AutomaticRotation) {
  struct Case {
    const char* what;
    int16_t mode;
    int32_t free;
    int16_t method;
    int16_t exif;
    int16_t rotate;
    LSize box;
  } cases[] = {
      {"widthways clockwise", kWidthwaysClockwise, 0, kSizeRelative, 0, kRotate90, {3600, 2400}},
      {"widthways counter-clockwise", kWidthwaysCounterClockwise, 0, kSizeRelative, 0, kRotate270, {3600, 2400}},
      {"lengthways: already portrait", kLengthwaysClockwise, 0, kSizeRelative, 0, 0, {2400, 3600}},
      {"fixed box", kWidthwaysClockwise, 0, kSizeFixed, 0, 0, {1260, 1260}},
      {"free layout", kWidthwaysClockwise, 1, kSizeRelative, 0, 0, {2400, 3600}},
      {"Exif quarter turn", kAutoRotationExif, 0, kSizeRelative, 6, kRotate90, {3600, 2400}},
      {"Exif quarter turn counter-clockwise", kAutoRotationExif, 0, kSizeRelative, 8, kRotate270, {3600, 2400}},
      {"Exif half turn", kAutoRotationExif, 0, kSizeRelative, 3, kRotate180, {2400, 3600}},
      {"Exif turn in a fixed box: the box stays", kAutoRotationExif, 0, kSizeFixed, 6, kRotate90, {1260, 1260}},
      {"Exif turn in free layout", kAutoRotationExif, 1, kSizeRelative, 6, kRotate90, {3600, 2400}},
      {"Exif upright picture", kAutoRotationExif, 0, kSizeRelative, 1, 0, {2400, 3600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DocumentPtr d = NewDocument();
    d->AutoRotation = c.mode;
    d->Free = c.free;
    d->DefaultImageSettings->SizeMethod = c.method;
    d->DefaultImageSettings->SizeRelative = {kRelativeFull, kRelativeFull};
    ImageToAdd portrait = File(2000, 3000);
    portrait.Exif.Orientation = c.exif;
    ASSERT_TRUE(AddImageFile(*d, portrait));
    const ImageObject* image = AsImage(d->Objects.Head);
    EXPECT_EQ(image->RotateFlip, c.rotate);
    EXPECT_EQ(image->Size, c.box);
  }
}

TEST(AddImageFile, AnImageBeyondThePageBudgetIsRefusedAndTheSnapshotPutBack) {
  DocumentPtr d = NewDocument();
  d->MaxPageCount = 1;
  RecordingServices services;
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  FakeView view;
  d->View = &view;
  ImageAddSession session;
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(AddImageFile(*d, File(3000, 2000), services, &session));
  const std::vector<LPoint> before = Origins(*d);

  EXPECT_FALSE(AddImageFile(*d, File(3000, 2000), services, &session));
  EXPECT_EQ(ObjectCount(d->Objects), 6);
  EXPECT_EQ(Origins(*d), before);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kIllegalOperation));
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(services.restores, 1);
  EXPECT_GE(view.invalidations, 1);
  // The series goes on after the refusal.
  d->MaxPageCount = 2;
  EXPECT_TRUE(AddImageFile(*d, File(3000, 2000), services, &session));
  EXPECT_EQ(d->PageNumber, 2);
  d->View = nullptr;
}

TEST(AddImageFile, ABottomAlignedPageStillTakesARowItHasRoomFor) {
  DocumentPtr d = NewDocument();
  d->MaxPageCount = 1;
  d->AlignVertical = kAlignBottom;
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(AddImageFile(*d, File(3000, 2000)));
  ArrangeLayout(*d);  // the two rows now sit at the page bottom
  EXPECT_TRUE(AddImageFile(*d, File(3000, 2000)));
  EXPECT_EQ(ObjectCount(d->Objects), 5);
  EXPECT_EQ(AsImage(d->Objects.Head)->Origin.y, 4009 - 3 * 1260 - 2 * 70);
}

TEST(AddImageFile, AnImageWithoutAPreviewIsTakenOutAgain) {
  DocumentPtr d = NewDocument();
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(AddImageFile(*d, File(3000, 2000)));
  ASSERT_EQ(d->PageNumber, 1);
  RecordingServices services;
  services.previewWorks = false;
  d->Modified = 0;
  EXPECT_FALSE(AddImageFile(*d, File(3000, 2000), services));
  EXPECT_EQ(ObjectCount(d->Objects), 6);
  EXPECT_EQ(d->PageNumber, 1);  // the page it opened is gone with it
  EXPECT_EQ(d->Modified, 0);
}

TEST(AddImageFile, NothingIsAddedWhenTheFileCannotBeDescribedOrUndoFails) {
  DocumentPtr d = NewDocument();
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  // No header reader below the imaging layer, and no description given.
  EXPECT_FALSE(AddImageFile(*d, {"/photos/unread.jpg", {}, {}}));
  EXPECT_FALSE(AddImageFile(*d, File(0, 2000)));
  RecordingServices noUndo;
  noUndo.undoWorks = false;
  EXPECT_FALSE(AddImageFile(*d, File(3000, 2000), noUndo));
  EXPECT_TRUE(d->Objects.Empty());
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(noUndo.labels, 0);
}

TEST(AddImageFile, NumbersFollowTheHighestNumberInTheList) {
  DocumentPtr d = NewDocument();
  for (int16_t n : {1, 2, 7}) AddBox(*d, 500, 500)->ImageNumber = n;
  ImageAddSession session;
  ASSERT_TRUE(AddImageFile(*d, File(3000, 2000), NoLayoutServices(), &session));
  UseRelativeSize(*d, 10000);
  EXPECT_FALSE(AddImageFile(*d, File(3000, 2000), NoLayoutServices(), &session));  // out of range
  UseRelativeSize(*d);
  ASSERT_TRUE(AddImageFile(*d, File(3000, 2000), NoLayoutServices(), &session));
  std::vector<int16_t> numbers;
  for (const LayoutObject* o : d->Objects) numbers.push_back(AsImage(o)->ImageNumber);
  EXPECT_EQ(numbers, (std::vector<int16_t>{1, 2, 7, 8, 9}));
}

TEST(AddImageFile, FreeLayoutPutsANewImageWhereTheViewLooks) {
  DocumentPtr d = NewDocument();
  d->Free = 1;
  d->PageNumber = 3;
  ASSERT_TRUE(AddImageFile(*d, File(3000, 2000)));
  EXPECT_EQ(AsImage(d->Objects.Head)->Origin, (LPoint{45, 45}));  // no view: the printable corner

  FakeView view;
  view.page = 2;
  view.visible = {0, 1000, 2000, 3000};
  d->View = &view;
  ASSERT_TRUE(AddImageFile(*d, File(3000, 2000)));
  EXPECT_EQ(AsImage(d->Objects.Head->Next)->Origin, (LPoint{1000 - 630, 2 * 4209 + 2000 - 630}));
  d->View = nullptr;
}

TEST(CanPlaceImage, FreeLayoutAlwaysHasRoom) {
  DocumentPtr d = NewDocument();
  d->MaxPageCount = 1;
  for (int i = 0; i < 20; ++i) AddBox(*d, 1260, 1260);
  EXPECT_FALSE(CanPlaceImage(*d->Objects.Head));
  d->Free = 1;
  EXPECT_TRUE(CanPlaceImage(*d->Objects.Head));
  EXPECT_TRUE(LayoutFits(*d));
}

TEST(PlaceNewObject, AFreeTextInAutomaticLayoutGoesWhereTheViewLooks) {
  DocumentPtr d = NewDocument();
  AddBox(*d, 1260, 1260);
  ArrangeLayout(*d);
  const LPoint image = d->Objects.Head->Origin;
  FakeView view;
  view.visible = {100, 100, 1100, 700};
  d->View = &view;
  FreeTextObject* text = FreeTextObjectNew(d.get(), &d->Objects);
  text->Size = {200, 100};
  text->Origin.x = kUnplacedX;
  PlaceNewObject(*text);
  EXPECT_EQ(text->Origin, (LPoint{500, 350}));
  EXPECT_EQ(d->Objects.Head->Origin, image);
  d->View = nullptr;
}

}  // namespace
}  // namespace tl
