#include "document/undo_store.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/document/document_compare.h"
#include "tests/document/document_fixtures.h"

namespace tl {
namespace {

using fixtures::CountingEditServices;
using fixtures::FakeView;
using fixtures::Members;
using fixtures::MixedLayout;
using fixtures::NewDocument;
using fixtures::Picture;

class UndoStoreTest : public fixtures::EditingTest {};

// Changes every kind of saved field of the mixed layout's objects.
void EditEverything(MixedLayout& m) {
  ImageObject& image = *m.images[1];
  image.Selected = 1;
  image.Origin = {2000, 3000};
  image.Size = {50, 60};
  image.FrameRect = {1, 2, 3, 4};
  image.RotateFlip = kRotate90 | kFlipHorizontal;
  image.LabelText = "changed label";
  image.CaptionString = "changed caption";
  image.ImageSrcProfile = "/icc/other.icc";
  image.ColorTune = {1, 2, 3};
  image.CropArea = {5, 6, 70, 80};
  image.LabelFontName = "Serif";
  m.text->String = "Autumn";
  m.text->Style.FontSize = 99;
  m.text->Angle = 30;
  m.text->Corners[2] = {7, 7};
  m.line->Angle = -90;
  m.line->Length = 10;
  m.line->End2 = {1, 1};
  m.line->ArrowMark = kArrowBothSide;
  m.d->Modified = 1;
  m.d->AutoRotation = 3;
}

TEST_F(UndoStoreTest, RestorePutsValuesBackRemovesAddedObjectsAndRelinksRemovedOnes) {
  for (const bool free : {false, true}) {
    SCOPED_TRACE(free ? "free layout" : "automatic layout");
    MixedLayout m(free);
    m.Select({m.images[0], m.text});
    const auto before = Picture(*m.d);
    ASSERT_TRUE(UndoRecord(*m.d, kUndoAddObject));
    EXPECT_TRUE(UndoAvailable(*m.d));

    EditEverything(m);
    ObjectUnlink(m.d->Objects, m.images[2]);
    UndoKeepRemoved(*m.images[2]);
    ObjectUnlink(m.d->Objects, m.line);
    ObjectAppend(m.d->Objects, m.line);  // moved to the top
    FreeTextObjectNew(m.d.get(), &m.d->Objects);
    ImageObjectNew(m.d->DefaultImageSettings, &m.d->Objects)->Owner = m.d.get();
    m.d->CurrentImage = nullptr;

    CountingEditServices services;
    ASSERT_TRUE(UndoRestore(*m.d, services));
    TL_EXPECT_SAME_DOCUMENT(before, *m.d);
    EXPECT_TRUE(PendingObjects().Empty());
    EXPECT_EQ(services.arranges, 1);
    EXPECT_EQ(services.relabels, 1);
    EXPECT_EQ(services.scrolledTo, std::vector<const LayoutObject*>{m.images[0]});
    EXPECT_EQ(m.d->Objects.Head->NeedsRedraw, 1);

    // The snapshot is forgotten.
    EXPECT_FALSE(UndoAvailable(*m.d));
    EXPECT_FALSE(UndoRestore(*m.d, services));
    EXPECT_EQ(services.arranges, 1);
  }
}

TEST_F(UndoStoreTest, EachCodeSavesTheDocumentValuesItTouchesAndNoOthers) {
  struct Case {
    int16_t code;
    std::function<void(LayoutDocument&)> change;  // of the code's own values
  } cases[] = {
      {kUndoPage,
       [](LayoutDocument& d) {
         d.PageNumber = 5;
         if (d.View) d.View->SetCurrentPage(3);
       }},
      {kUndoLayoutMode, [](LayoutDocument& d) { d.Free = 1; }},
      {kUndoAlignment,
       [](LayoutDocument& d) {
         d.AlignHorizontal = kAlignJustify;
         d.AlignLine = kAlignTop;
         d.AlignVertical = kAlignMiddle;
         d.AlignHorizontalSpacing = 1;
         d.AlignVerticalSpacing = 2;
       }},
      {kUndoCutLines,
       [](LayoutDocument& d) {
         d.CutLineMode = kCutLineFotoba;
         d.CutLineOthersType = kCutAroundImage;
         d.CutLineCornerLength = 9;
         d.CutLineColor = 0x123456;
       }},
      {kUndoImageStamp,
       [](LayoutDocument& d) {
         d.ImageStampInUse = 1;
         d.ImageStampSettings = 2;
         d.ImageStampFileName = "/stamps/logo.png";
         d.ImageStampPosition = {3, 4};
         d.ImageStampSize = {5, 6};
         d.ImageStampConstrainPropotion = 0;
       }},
      {kUndoHeaderFooter,
       [](LayoutDocument& d) {
         d.Header.Enabled = d.Header.DispText = 1;
         d.Header.Text = "Proofs";
         d.Header.FixedDate = {2024, 5, 6};
         d.Footer.Offset = 99;
         d.Footer.DispDatePage = 1;
         d.HeaderFooterStyle.FontSize = 80;
       }},
      {kUndoBackground, [](LayoutDocument& d) { d.PaperColor = kBlack; }},
      {kUndoPageMargins,
       [](LayoutDocument& d) {
         d.LayoutMarginMode = 1;
         d.LayoutMargin = {10, 20, 30, 40};
       }},
  };
  for (const Case& own : cases) {
    SCOPED_TRACE(own.code);
    DocumentPtr d = NewDocument();
    FakeView view;
    view.page = 1;
    d->View = &view;
    const auto before = Picture(*d);

    ASSERT_TRUE(UndoRecord(*d, own.code));
    own.change(*d);
    ASSERT_TRUE(UndoRestore(*d));
    TL_EXPECT_SAME_DOCUMENT(before, *d);

    // Values of every other row are left as they are now.
    for (const Case& other : cases) {
      if (other.code == own.code) continue;
      DocumentPtr changed = NewDocument();
      ASSERT_TRUE(UndoRecord(*changed, own.code));
      other.change(*changed);
      const auto after = Picture(*changed);
      ASSERT_TRUE(UndoRestore(*changed));
      TL_EXPECT_SAME_DOCUMENT(after, *changed) << "code " << own.code << " put back values of " << other.code;
    }
    d->View = nullptr;
  }
}

TEST_F(UndoStoreTest, SeriesCoalesceIntoTheSnapshotOfTheirFirstStep) {
  struct Case {
    int16_t stored, next;
    bool coalesces;
  } cases[] = {
      {kUndoReplaceImage, kUndoReplaceImage, true}, {kUndoDuplicateNumber, kUndoDuplicate, true},
      {kUndoKeyboardMove, kUndoKeyboardMove, true}, {kUndoDuplicate, kUndoDuplicateNumber, false},
      {kUndoDuplicate, kUndoDuplicate, false},      {kUndoAddObject, kUndoAddObject, false},
      {kUndoKeyboardMove, kUndoImageGeometry, false}, {kUndoGetImages, kUndoAddObject, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.stored << " then " << c.next);
    MixedLayout m(true);
    const auto original = Picture(*m.d);
    ASSERT_TRUE(UndoRecord(*m.d, c.stored));
    m.images[0]->Origin.x += 100;
    const auto afterFirst = Picture(*m.d);
    ASSERT_TRUE(UndoRecord(*m.d, c.next));
    m.images[0]->Origin.x += 100;
    EXPECT_EQ(UndoChangeCode(*m.d), c.coalesces ? c.stored : c.next);
    ASSERT_TRUE(UndoRestore(*m.d));
    TL_EXPECT_SAME_DOCUMENT(c.coalesces ? original : afterFirst, *m.d);
  }

  // A series never reaches into another document's snapshot.
  MixedLayout first(true), second(true);
  ASSERT_TRUE(UndoRecord(*first.d, kUndoKeyboardMove));
  const auto secondBefore = Picture(*second.d);
  ASSERT_TRUE(UndoRecord(*second.d, kUndoKeyboardMove));
  second.text->Origin.y += 14;
  EXPECT_FALSE(UndoAvailable(*first.d));
  ASSERT_TRUE(UndoRestore(*second.d));
  TL_EXPECT_SAME_DOCUMENT(secondBefore, *second.d);
}

TEST_F(UndoStoreTest, AFailedSnapshotBeepsAndKeepsThePreviousOne) {
  MixedLayout m(true);
  ASSERT_TRUE(UndoRecord(*m.d, kUndoImageGeometry));
  m.images[3]->Size = {10, 10};

  UndoFailNextSnapshot();
  EXPECT_FALSE(UndoRecord(*m.d, kUndoDelete));
  EXPECT_EQ(sink.beeps, 1);
  EXPECT_EQ(UndoChangeCode(*m.d), kUndoImageGeometry);
  // The failure is spent: the next snapshot works.
  ASSERT_TRUE(UndoRecord(*m.d, kUndoImageGeometry));
  UndoFailNextSnapshot();
  EXPECT_FALSE(UndoRecord(*m.d, kUndoAddObject));
  ASSERT_TRUE(UndoRestore(*m.d));
  EXPECT_EQ(m.images[3]->Size, (LSize{10, 10}));  // the second snapshot's state

  // Snapshots without slots cannot run short of memory.
  UndoFailNextSnapshot();
  EXPECT_TRUE(UndoRecord(*m.d, kUndoLayoutMode));
  EXPECT_TRUE(UndoRecord(*m.d, kUndoCopy));
  EXPECT_FALSE(UndoRecord(*m.d, kUndoCut));
}

TEST_F(UndoStoreTest, ASnapshotBelongsToOneDocument) {
  MixedLayout first(true), second(true);
  ASSERT_TRUE(UndoRecord(*first.d, kUndoAddObject));
  const auto secondBefore = Picture(*second.d);
  EXPECT_FALSE(UndoAvailable(*second.d));
  EXPECT_EQ(UndoChangeCode(*second.d), kUndoNone);
  EXPECT_FALSE(UndoRestore(*second.d));
  TL_EXPECT_SAME_DOCUMENT(secondBefore, *second.d);

  // Recording for the second replaces the first's snapshot.
  ASSERT_TRUE(UndoRecord(*second.d, kUndoAddObject));
  EXPECT_FALSE(UndoAvailable(*first.d));
  EXPECT_TRUE(UndoAvailable(*second.d));

  // A document that goes away takes its snapshot and pending objects along.
  ObjectUnlink(second.d->Objects, second.line);
  UndoKeepRemoved(*second.line);
  second.d.reset();
  EXPECT_TRUE(PendingObjects().Empty());
  EXPECT_FALSE(UndoAvailable(*first.d));
}

TEST_F(UndoStoreTest, LayoutModeComesBackAloneWithoutArranging) {
  MixedLayout m(false);
  m.d->Modified = 0;
  ASSERT_TRUE(UndoRecord(*m.d, kUndoLayoutMode));
  m.d->Free = 1;
  m.d->Modified = 1;
  m.images[0]->Origin = {9, 9};  // moved in free layout without a snapshot

  CountingEditServices services;
  ASSERT_TRUE(UndoRestore(*m.d, services));
  EXPECT_EQ(m.d->Free, 0);
  EXPECT_EQ(m.d->Modified, 0);
  EXPECT_EQ(m.images[0]->Origin, (LPoint{9, 9}));
  EXPECT_EQ(services.arranges, 0);
  EXPECT_FALSE(UndoRestore(*m.d, services));
}

TEST_F(UndoStoreTest, ReplacedImagesComeBackAndTheirReplacementsAreFreed) {
  MixedLayout m(false);
  const auto before = Picture(*m.d);
  // Each replacement goes in front of the old image, which waits on the
  // pending list; the second replacement coalesces into the first.
  for (ImageObject* old : {m.images[1], m.images[3]}) {
    ASSERT_TRUE(UndoRecord(*m.d, kUndoReplaceImage));
    ImageObject* replacement = ImageObjectNew(m.d->DefaultImageSettings, nullptr);
    replacement->ImagePath = "/photos/new.jpg";
    ObjectInsertBefore(m.d->Objects, old, replacement);
    ObjectUnlink(m.d->Objects, old);
    UndoKeepRemoved(*old);
  }
  CountingEditServices services;
  ASSERT_TRUE(UndoRestore(*m.d, services));
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);
  EXPECT_TRUE(services.reread.empty()) << "the old images kept their own files";

  // An image whose file changed in place is read again from its old file.
  ASSERT_TRUE(UndoRecord(*m.d, kUndoReplaceImage));
  m.images[2]->ImagePath = "/elsewhere/gamma.tif";
  ASSERT_TRUE(UndoRestore(*m.d, services));
  EXPECT_EQ(m.images[2]->ImagePath, "/scans/gamma.tif");
  EXPECT_EQ(services.reread, std::vector<std::string>{"/scans/gamma.tif"});
}

TEST_F(UndoStoreTest, PendingObjectsLiveUntilTheNextSnapshot) {
  MixedLayout m(true);
  ASSERT_TRUE(UndoRecord(*m.d, kUndoDelete));
  ObjectUnlink(m.d->Objects, m.text);
  UndoKeepRemoved(*m.text);
  EXPECT_EQ(Members(PendingObjects()), std::vector<LayoutObject*>{m.text});

  // The next snapshot frees it for good (the sanitizer checks that it is
  // freed once), and its undo no longer knows it.
  ASSERT_TRUE(UndoRecord(*m.d, kUndoDrawingOrder));
  EXPECT_TRUE(PendingObjects().Empty());
  const auto before = Picture(*m.d);
  ASSERT_TRUE(UndoRestore(*m.d));
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);

  // Clearing frees the pending objects too.
  ASSERT_TRUE(UndoRecord(*m.d, kUndoDelete));
  ObjectUnlink(m.d->Objects, m.line);
  UndoKeepRemoved(*m.line);
  UndoClear();
  EXPECT_TRUE(PendingObjects().Empty());
  EXPECT_FALSE(UndoAvailable(*m.d));
}

TEST_F(UndoStoreTest, GetImagesTagHandsTheSnapshotToItsOwnClass) {
  // Adding to an empty document: undo removes what was added, selected or
  // not.
  DocumentPtr empty = NewDocument();
  ASSERT_TRUE(UndoRecord(*empty, kUndoAddObject));
  ImageObjectNew(empty->DefaultImageSettings, &empty->Objects);
  ASSERT_TRUE(UndoRestore(*empty));
  EXPECT_TRUE(empty->Objects.Empty());

  // A code 5 snapshot retagged as Get Images keeps its slots: undo removes
  // every image added since, whatever came before stays.
  MixedLayout m(false);
  const auto before = Picture(*m.d);
  ASSERT_TRUE(UndoRecord(*m.d, kUndoAddObject));
  UndoSetChangeCode(kUndoGetImages);
  EXPECT_EQ(UndoChangeCode(*m.d), kUndoGetImages);
  for (int i = 0; i < 5; ++i) ImageObjectNew(m.d->DefaultImageSettings, &m.d->Objects)->Owner = m.d.get();
  ASSERT_TRUE(UndoRestore(*m.d));
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);

  // Without a snapshot there is nothing to retag.
  UndoSetChangeCode(kUndoGetImages);
  EXPECT_FALSE(UndoAvailable(*m.d));
}

}  // namespace
}  // namespace tl
