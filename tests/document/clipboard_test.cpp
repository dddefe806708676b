// Cut, Copy, Paste and Duplicate.
#include "document/clipboard.h"

#include <gtest/gtest.h>

#include "document/duplicate.h"
#include "document/object_geometry.h"
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

class ClipboardTest : public fixtures::EditingTest {};

std::vector<std::string> Texts(const ObjectList& list) {
  std::vector<std::string> texts;
  for (const LayoutObject* o : list) {
    if (const FreeTextObject* t = AsFreeText(o)) texts.push_back(t->String);
    else if (const ImageObject* i = AsImage(o)) texts.push_back(i->ImagePath);
    else texts.push_back(IsFreeLine(o) ? "line" : "marks");
  }
  return texts;
}

TEST_F(ClipboardTest, CutMovesTheSelectionOntoTheClipboardAndUndoBringsBothBack) {
  MixedLayout m(false);
  // Something already on the clipboard, which the cut sets aside.
  m.Select({m.lowerText});
  ASSERT_TRUE(CopySelection(*m.d));
  LayoutObject* earlier = ClipboardObjects().Head;

  m.Select({m.images[0], m.text});
  const auto before = Picture(*m.d);
  CountingEditServices services;
  ASSERT_TRUE(CutSelection(*m.d, services));
  // The clipboard holds the cut objects in reverse list order.
  EXPECT_EQ(Members(ClipboardObjects()), (std::vector<LayoutObject*>{m.text, m.images[0]}));
  EXPECT_EQ(Members(PendingObjects()), std::vector<LayoutObject*>{earlier});
  EXPECT_FALSE(ObjectInList(m.d->Objects, m.text));
  EXPECT_EQ(m.d->SelectedImageCount + m.d->SelectedOtherCount, 0);
  EXPECT_EQ(m.d->CurrentImage, nullptr);
  EXPECT_EQ(m.d->Modified, 1);
  EXPECT_EQ(services.arranges, 1);
  EXPECT_EQ(services.relabels, 1);

  ASSERT_TRUE(UndoRestore(*m.d));
  EXPECT_EQ(Members(ClipboardObjects()), std::vector<LayoutObject*>{earlier});
  EXPECT_TRUE(PendingObjects().Empty());
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);

  m.Select({});
  EXPECT_FALSE(CutSelection(*m.d));
  EXPECT_FALSE(UndoAvailable(*m.d)) << "a cut of nothing takes no snapshot";
}

TEST_F(ClipboardTest, CopyLeavesTheDocumentAloneAndUndoRestoresTheClipboard) {
  MixedLayout m(true);
  m.d->Modified = 0;
  m.Select({m.lowerText});
  ASSERT_TRUE(CopySelection(*m.d));
  LayoutObject* earlier = ClipboardObjects().Head;

  m.Select({m.images[2], m.line, m.text});
  const auto before = Picture(*m.d);
  ASSERT_TRUE(CopySelection(*m.d));
  EXPECT_EQ(Texts(ClipboardObjects()), (std::vector<std::string>{"line", "Summer", "/scans/gamma.tif"}));
  for (const LayoutObject* o : ClipboardObjects()) {
    EXPECT_FALSE(ObjectInList(m.d->Objects, o)) << "copies, not the objects";
    EXPECT_EQ(o->Selected, 1);
  }
  EXPECT_EQ(m.d->Modified, 0);
  EXPECT_EQ(UndoChangeCode(*m.d), kUndoCopy);

  ASSERT_TRUE(UndoRestore(*m.d));
  EXPECT_EQ(Members(ClipboardObjects()), std::vector<LayoutObject*>{earlier});
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);

  // Copying nothing keeps what the clipboard holds.
  m.Select({});
  EXPECT_FALSE(CopySelection(*m.d));
  EXPECT_EQ(Members(ClipboardObjects()), std::vector<LayoutObject*>{earlier});
  EXPECT_TRUE(PasteEnabled());
}

TEST_F(ClipboardTest, PasteTwiceGivesTwoSetsCentredOnTheVisibleArea) {
  MixedLayout m(true);
  FakeView view;
  view.page = 1;
  view.visible = {0, 0, 2000, 1000};
  m.d->View = &view;
  m.Select({m.images[0], m.text, m.line});
  ASSERT_TRUE(CopySelection(*m.d));
  const std::vector<LayoutObject*> clipboard = Members(ClipboardObjects());

  BoundingBox source;
  for (LayoutObject* o : {static_cast<LayoutObject*>(m.images[0]), static_cast<LayoutObject*>(m.text),
                          static_cast<LayoutObject*>(m.line)})
    source.Add(ObjectArea(*o));
  const LPoint target = {1000, 4209 + 500};

  const size_t count = Members(m.d->Objects).size();
  for (int pass = 1; pass <= 2; ++pass) {
    SCOPED_TRACE(pass);
    CountingEditServices services;
    ASSERT_TRUE(PasteClipboard(*m.d, services));
    const std::vector<LayoutObject*> objects = Members(m.d->Objects);
    ASSERT_EQ(objects.size(), count + 3 * pass);
    // The copies come at the end, in the order of their source document.
    std::vector<LayoutObject*> pasted(objects.end() - 3, objects.end());
    EXPECT_EQ(AsImage(pasted[0])->ImagePath, "/photos/b/beta.jpg");
    EXPECT_EQ(AsFreeText(pasted[1])->String, "Summer");
    EXPECT_TRUE(IsFreeLine(pasted[2]));
    BoundingBox box;
    for (LayoutObject* o : pasted) {
      box.Add(ObjectArea(*o));
      EXPECT_EQ(o->Selected, 1);
      EXPECT_EQ(o->Owner, m.d.get());
    }
    EXPECT_EQ(AreaCentre(box.area), target);
    EXPECT_EQ(box.area.Width(), source.area.Width());
    EXPECT_EQ(AsFreeLine(pasted[2])->End1.y - pasted[2]->Origin.y, m.line->End1.y - m.line->Origin.y);
    EXPECT_EQ(AsImage(pasted[0])->ImageNumber, 0) << "numbered again by the label services";
    EXPECT_EQ(m.d->CurrentImage, pasted[0]);
    EXPECT_EQ(m.d->SelectedImageCount, 1);
    EXPECT_EQ(m.d->SelectedOtherCount, 2);
    for (size_t i = 0; i + 3 < objects.size(); ++i) EXPECT_EQ(objects[i]->Selected, 0);
    EXPECT_EQ(m.d->Modified, 1);
    EXPECT_EQ(services.arranges, 1);
    EXPECT_EQ(Members(ClipboardObjects()), clipboard) << "the clipboard stays for the next paste";
  }
  m.d->View = nullptr;
}

TEST_F(ClipboardTest, PasteInAutomaticLayoutLeavesImagesToTheFlowAndOutlivesTheSource) {
  {
    MixedLayout source(false);
    source.Select({source.images[1], source.text});
    ASSERT_TRUE(CutSelection(*source.d));
  }  // the document the clipboard came from is gone

  MixedLayout m(false);
  const LPoint image = ClipboardObjects().Head->Next->Origin;  // the cut image
  ASSERT_TRUE(PasteClipboard(*m.d));
  const std::vector<LayoutObject*> objects = Members(m.d->Objects);
  const LayoutObject* pastedImage = objects[objects.size() - 2];
  ASSERT_TRUE(IsImage(pastedImage));
  EXPECT_EQ(pastedImage->Origin, image);
  EXPECT_EQ(AreaCentre(ObjectArea(*objects.back())), AreaCentre(m.d->PrintableRect))
      << "without a view the text goes to the middle of the printable area";
}

TEST_F(ClipboardTest, APasteBeyondThePageBudgetIsUndoneAtOnce) {
  MixedLayout m(false);
  m.Select({m.images[0]});
  ASSERT_TRUE(CopySelection(*m.d));
  m.Select({m.text});
  const auto before = Picture(*m.d);

  CountingEditServices services;
  services.fits = false;
  EXPECT_FALSE(PasteClipboard(*m.d, services));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.Showed(kPasteIllegalOperation));
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);
  EXPECT_FALSE(UndoAvailable(*m.d));

  ObjectListFree(ClipboardObjects());
  EXPECT_FALSE(PasteEnabled());
  EXPECT_FALSE(PasteClipboard(*m.d));
}

// Five images in a row, flowed by the layout.
struct FiveImages {
  DocumentPtr d = NewDocument();
  ImageObject* images[5] = {};
  FiveImages() {
    for (int i = 0; i < 5; ++i) {
      images[i] = ImageObjectNew(d->DefaultImageSettings, &d->Objects);
      images[i]->Owner = d.get();
      images[i]->Origin = {100 + 200 * i, 100};
      images[i]->Size = {150, 150};
    }
  }
};

TEST_F(ClipboardTest, DuplicateInAutomaticLayoutPutsTheCopyInFrontOfItsSource) {
  FiveImages f;
  f.images[2]->Selected = 1;
  f.d->CurrentImage = f.images[2];
  RecountSelection(*f.d);
  CountingEditServices services;
  ASSERT_TRUE(DuplicateSelection(*f.d, services));

  const std::vector<LayoutObject*> objects = Members(f.d->Objects);
  ASSERT_EQ(objects.size(), 6u);
  EXPECT_EQ(objects[3], f.images[2]) << "the source follows its copy";
  const ImageObject* copy = AsImage(objects[2]);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->ImageNumber, 6);
  EXPECT_EQ(copy->Selected, 0);
  EXPECT_EQ(copy->NeedsRedraw, 1);
  EXPECT_EQ(copy->Origin, f.images[2]->Origin) << "the flow places it";
  EXPECT_EQ(f.d->CurrentImage, copy) << "the information windows follow the copy";
  EXPECT_EQ(services.scrolledTo, std::vector<const LayoutObject*>{copy});
  EXPECT_EQ(services.arranges, 1);
  EXPECT_EQ(f.d->Modified, 1);
  ASSERT_TRUE(UndoRestore(*f.d));
  EXPECT_EQ(f.d->CurrentImage, f.images[2]) << "undo brings the current image back";
}

TEST_F(ClipboardTest, DuplicatesThatTheUserPlacesFollowTheirSourceCentredInTheView) {
  MixedLayout m(true);
  FakeView view;
  view.visible = {0, 0, 3000, 2000};
  m.d->View = &view;
  m.Select({m.images[0], m.text});
  BoundingBox box;
  box.Add(ObjectArea(*m.images[0]));
  box.Add(ObjectArea(*m.text));
  const LPoint centre = AreaCentre(box.area);
  const LPoint offset = {1500 - centre.x, 1000 - centre.y};

  ASSERT_TRUE(DuplicateSelection(*m.d));
  const LayoutObject* imageCopy = m.images[0]->Next;
  const LayoutObject* textCopy = m.text->Next;
  ASSERT_TRUE(IsImage(imageCopy));
  ASSERT_TRUE(IsFreeText(textCopy));
  EXPECT_EQ(imageCopy->Origin, (LPoint{m.images[0]->Origin.x + offset.x, m.images[0]->Origin.y + offset.y}));
  EXPECT_EQ(textCopy->Origin, (LPoint{m.text->Origin.x + offset.x, m.text->Origin.y + offset.y}));
  EXPECT_EQ(m.d->SelectedImageCount + m.d->SelectedOtherCount, 2) << "the selection stays on the sources";
  m.d->View = nullptr;
}

TEST_F(ClipboardTest, DuplicateWithACountIsUndoneAtOnce) {
  FiveImages f;
  f.images[0]->Selected = f.images[4]->Selected = 1;
  RecountSelection(*f.d);
  const auto before = Picture(*f.d);

  ASSERT_TRUE(DuplicateSelectionTimes(*f.d, 3));
  EXPECT_EQ(Members(f.d->Objects).size(), 11u) << "every pass copies the same two sources";
  // A plain duplicate right after joins the same undo.
  ASSERT_TRUE(DuplicateSelection(*f.d));
  EXPECT_EQ(Members(f.d->Objects).size(), 13u);
  EXPECT_EQ(UndoChangeCode(*f.d), kUndoDuplicateNumber);
  ASSERT_TRUE(UndoRestore(*f.d));
  TL_EXPECT_SAME_DOCUMENT(before, *f.d);

  EXPECT_FALSE(DuplicateSelectionTimes(*f.d, 0));
  EXPECT_FALSE(DuplicateSelectionTimes(*f.d, kMaxDuplicateCount + 1));
  f.images[0]->Selected = f.images[4]->Selected = 0;
  EXPECT_FALSE(DuplicateSelectionTimes(*f.d, 2));
  EXPECT_FALSE(DuplicateSelection(*f.d));
  EXPECT_FALSE(UndoAvailable(*f.d)) << "nothing to duplicate takes no snapshot";
}

}  // namespace
}  // namespace tl
