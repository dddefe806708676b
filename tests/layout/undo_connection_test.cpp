// The add-image path and the layout mode change with the application's
// undo store connected, as the default services have it.
#include <gtest/gtest.h>

#include "document/undo_store.h"
#include "layout/add_image.h"
#include "layout/edit_services.h"
#include "layout/image_geometry.h"
#include "layout/layout_mode.h"
#include "tests/document/document_compare.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::Described;
using fixtures::NewDocument;
using fixtures::Origins;
using fixtures::Picture;
using fixtures::SameDocument;

class UndoConnection : public fixtures::EditingTest {
 protected:
  LayoutEditServices edit;
};

ImageToAdd File(int i) { return {"/photos/" + std::to_string(i) + ".jpg", Described(1200, 900), {}}; }

// One page that holds three of the files' images and a free text: the
// fourth image overflows it.
DocumentPtr SinglePage() {
  DocumentPtr d = NewDocument();
  d->Banner = 1;
  d->MaxPageCount = 1;
  d->DefaultImageSettings->SizeMethod = kSizeRelative;
  d->DefaultImageSettings->SizeRelative = {kRelativeFull, kRelativeFull};
  FreeTextObject* text = FreeTextObjectNew(d.get(), &d->Objects);
  text->Origin = {100, 100};
  text->Size = {300, 100};
  text->NeedsRedraw = 0;
  d->Modified = 0;
  return d;
}

TEST_F(UndoConnection, UndoAfterAddingToAnEmptyDocumentRemovesTheImage) {
  DocumentPtr d = NewDocument();
  ASSERT_TRUE(AddImageFile(*d, File(0)));
  EXPECT_EQ(d->Modified, 1);
  EXPECT_EQ(UndoChangeCode(*d), kUndoGetImages);
  ASSERT_TRUE(UndoRestore(*d, edit));
  EXPECT_TRUE(d->Objects.Empty());
  EXPECT_EQ(d->Modified, 0);
}

TEST_F(UndoConnection, AGetImageSeriesIsUndoneAtOnceAndARefusalKeepsItsUndo) {
  DocumentPtr d = SinglePage();
  const auto before = Picture(*d);
  ASSERT_TRUE(UndoRecord(*d, kUndoGetImages));
  ImageAddSession session;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(AddImageFile(*d, File(i), NoLayoutServices(), &session)) << i;
  const std::vector<LPoint> placed = Origins(*d);

  EXPECT_FALSE(AddImageFile(*d, File(3), NoLayoutServices(), &session));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kIllegalOperation));
  EXPECT_EQ(Origins(*d), placed) << "the images of the series stay where they are";
  EXPECT_EQ(UndoChangeCode(*d), kUndoGetImages);

  // One undo takes back the whole series, the refused image included.
  ASSERT_TRUE(UndoRestore(*d, edit));
  EXPECT_TRUE(SameDocument(before, *d));
}

TEST_F(UndoConnection, ASingleAddThatDoesNotFitPutsItsOwnSnapshotBack) {
  DocumentPtr d = SinglePage();
  for (int i = 0; i < 3; ++i) AddBox(*d, 1440, 1080);
  ArrangeLayout(*d);
  d->Modified = 0;
  const auto before = Picture(*d);
  ASSERT_TRUE(UndoRecord(*d, kUndoImageGeometry));  // an earlier change's undo

  EXPECT_FALSE(AddImageFile(*d, File(0)));
  EXPECT_TRUE(sink.Showed(kIllegalOperation));
  EXPECT_TRUE(SameDocument(before, *d));
  EXPECT_FALSE(UndoAvailable(*d)) << "the add replaced the earlier undo and its restore used it up";
}

TEST_F(UndoConnection, DroppedImagesShareTheSnapshotOfTheFirstOne) {
  DocumentPtr d = SinglePage();
  AddBox(*d, 500, 500);
  ArrangeLayout(*d);
  const auto before = Picture(*d);
  ImageAddSession session;
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(AddImageFile(*d, File(i), NoLayoutServices(), &session));
  EXPECT_EQ(ObjectCount(d->Objects), 4);
  ASSERT_TRUE(UndoRestore(*d, edit));
  EXPECT_TRUE(SameDocument(before, *d));
}

TEST_F(UndoConnection, UndoOfSwitchingToFreeLayoutMovesNoImage) {
  DocumentPtr d = NewDocument();
  for (int i = 0; i < 5; ++i) AddBox(*d, 900 + 100 * i, 700);
  ArrangeLayout(*d);
  const auto before = Picture(*d);

  ASSERT_TRUE(ChangeLayoutMode(*d, true));
  EXPECT_EQ(UndoChangeCode(*d), kUndoLayoutMode);
  ASSERT_TRUE(UndoRestore(*d, edit));
  EXPECT_EQ(d->Free, 0);
  EXPECT_TRUE(SameDocument(before, *d));
  EXPECT_FALSE(UndoRestore(*d, edit)) << "a second undo does nothing";
}

}  // namespace
}  // namespace tl
