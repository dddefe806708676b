// Every undoable operation, run on mixed documents arranged by the real
// layout engine, followed by Undo, gives back the document it started from;
// and with the snapshot failing, no operation changes anything.
#include <gtest/gtest.h>

#include <functional>

#include "document/clipboard.h"
#include "document/delete_selection.h"
#include "document/duplicate.h"
#include "document/keyboard_move.h"
#include "document/overlap_order.h"
#include "document/page_commands.h"
#include "document/sort_images.h"
#include "layout/add_image.h"
#include "layout/edit_services.h"
#include "layout/layout_mode.h"
#include "layout/orientation.h"
#include "layout/rotate_commands.h"
#include "tests/document/document_compare.h"
#include "tests/document/document_fixtures.h"

namespace tl {
namespace {

using fixtures::FakeView;
using fixtures::MixedLayout;
using fixtures::Picture;
using fixtures::SameDocument;

// A mixed layout shown in a view and arranged as the application keeps it.
struct Arranged : MixedLayout {
  FakeView view;
  LayoutEditServices services;

  explicit Arranged(bool free) : MixedLayout(free) {
    view.visible = {0, 0, 2976, 2400};
    d->View = &view;
    for (LayoutObject* o : d->Objects) o->NeedsRedraw = 1;
    services.Arrange(*d);
    d->Modified = 0;
  }
  ~Arranged() {
    if (d) d->View = nullptr;
  }
};

ImageToAdd DescribedFile(int i) {
  ImageToAdd file;
  file.Path = "/photos/new/" + std::to_string(i) + ".jpg";
  file.Desc = ImageDescBlock(ImageDescBlock::kBasicSize);
  file.Desc.SetWidth(uint16_t(1200 + 100 * i));
  file.Desc.SetHeight(900);
  file.Desc.SetHResolution(300);
  file.Desc.SetVResolution(300);
  return file;
}

struct Operation {
  std::string name;
  std::function<void(Arranged&)> setup;  // runs before the picture is taken
  std::function<bool(Arranged&)> run;
  bool takesSlots = true;  // copy and the layout mode change cannot fail
};

std::vector<Operation> OperationsFor(bool free) {
  std::vector<Operation> ops = {
      {"delete", [](Arranged& a) { a.Select({a.images[1], a.text}); },
       [](Arranged& a) { return DeleteSelection(*a.d, a.services); }},
      {"cut", [](Arranged& a) { a.Select({a.images[0], a.line}); },
       [](Arranged& a) { return CutSelection(*a.d, a.services); }},
      {"copy", [](Arranged& a) { a.Select({a.images[2], a.lowerText}); },
       [](Arranged& a) { return CopySelection(*a.d); }, false},
      {"paste",
       [](Arranged& a) {
         a.Select({a.images[0], a.text});
         CopySelection(*a.d);
         UndoClear();
       },
       [](Arranged& a) { return PasteClipboard(*a.d, a.services); }},
      {"paste what was cut",
       [](Arranged& a) {
         a.Select({a.images[3], a.line});
         CutSelection(*a.d, a.services);
       },
       [](Arranged& a) { return PasteClipboard(*a.d, a.services); }},
      {"duplicate", [](Arranged& a) { a.Select({a.images[1], a.line}); },
       [](Arranged& a) { return DuplicateSelection(*a.d, a.services); }},
      {"duplicate three times, then once more", [](Arranged& a) { a.Select({a.images[2], a.text}); },
       [](Arranged& a) {
         return DuplicateSelectionTimes(*a.d, 3, a.services) && DuplicateSelection(*a.d, a.services);
       }},
      {"three keyboard moves", [](Arranged& a) { a.Select({a.images[0], a.text}); },
       [](Arranged& a) {
         return NudgeSelection(*a.d, kNudgeRight, a.services) && NudgeSelection(*a.d, kNudgeDown, a.services) &&
                NudgeSelection(*a.d, kNudgeRight, a.services);
       }},
      {"rotate", [](Arranged& a) { a.Select({a.images[1]}); },
       [](Arranged& a) { return RotateSelectedImages(*a.d, kTurnClockwise); }},
      {"add an image", [](Arranged& a) { a.Select({a.text}); },
       [](Arranged& a) { return AddImageFile(*a.d, DescribedFile(0)); }},
      {"Get Image series", [](Arranged&) {},
       [](Arranged& a) {
         if (!UndoRecord(*a.d, kUndoGetImages)) return false;
         ImageAddSession session;
         for (int i = 0; i < 5; ++i)
           if (!AddImageFile(*a.d, DescribedFile(i), NoLayoutServices(), &session)) return false;
         return true;
       }},
      {"dropped images", [](Arranged&) { UndoClear(); },
       [](Arranged& a) {
         ImageAddSession session;
         for (int i = 0; i < 3; ++i)
           if (!AddImageFile(*a.d, DescribedFile(i), NoLayoutServices(), &session)) return false;
         return true;
       }},
  };
  for (const int16_t mode : {kOverlapToTop, kOverlapForward, kOverlapBackward, kOverlapToBottom})
    ops.push_back({"drawing order " + std::to_string(mode), [](Arranged& a) { a.Select({a.text}); },
                   [mode](Arranged& a) { return ChangeOverlap(*a.d, mode); }});
  if (free) {
    ops.push_back({"insert a page in front", [](Arranged& a) { a.view.page = 1; },
                   [](Arranged& a) { return InsertPage(*a.d, true, a.services); }});
    ops.push_back({"insert a page behind", [](Arranged&) {},
                   [](Arranged& a) { return InsertPage(*a.d, false, a.services); }});
    ops.push_back({"delete an empty page",
                   [](Arranged& a) {
                     a.d->PageNumber = 3;
                     a.view.page = 2;
                   },
                   [](Arranged& a) { return DeletePage(*a.d, a.services); }});
  } else {
    for (const int16_t order : {kSortFileName, kSortFolderName, kSortCreationTime, kSortLastWriteTime, kSortWidth,
                                kSortHeight, kSortFileKind, kSortFileSize, kSortBrightness, kSortReverse})
      ops.push_back({"sort " + std::to_string(order), [](Arranged&) {},
                     [order](Arranged& a) { return SortImages(*a.d, order, a.services); }});
    ops.push_back({"switch to free layout", [](Arranged&) {},
                   [](Arranged& a) { return ChangeLayoutMode(*a.d, true); }, false});
  }
  return ops;
}

class UndoRoundTrip : public fixtures::EditingTest {};

TEST_F(UndoRoundTrip, EveryOperationFollowedByUndoGivesBackTheDocument) {
  for (const bool free : {false, true}) {
    for (const Operation& op : OperationsFor(free)) {
      SCOPED_TRACE(op.name + (free ? " in free layout" : " in automatic layout"));
      Arranged a(free);
      op.setup(a);
      const auto before = Picture(*a.d);
      ASSERT_TRUE(op.run(a));
      EXPECT_FALSE(SameDocument(before, *a.d)) << "the operation changed nothing";
      ASSERT_TRUE(UndoRestore(*a.d, a.services));
      EXPECT_TRUE(SameDocument(before, *a.d));
      EXPECT_FALSE(UndoAvailable(*a.d));
      EXPECT_TRUE(sink.shown.empty());
    }
  }
}

TEST_F(UndoRoundTrip, WithTheSnapshotFailingNoOperationChangesAnything) {
  for (const bool free : {false, true}) {
    for (const Operation& op : OperationsFor(free)) {
      if (!op.takesSlots) continue;
      SCOPED_TRACE(op.name + (free ? " in free layout" : " in automatic layout"));
      Arranged a(free);
      op.setup(a);
      const int16_t code = UndoChangeCode(*a.d);
      const auto before = Picture(*a.d);
      UndoFailNextSnapshot();
      EXPECT_FALSE(op.run(a));
      EXPECT_TRUE(SameDocument(before, *a.d));
      EXPECT_EQ(UndoChangeCode(*a.d), code) << "the earlier snapshot stays";
    }
  }
}

// Snapshots replaced, cleared and outliving their objects, in the orders a
// session takes them; the sanitizers check that every object is freed once.
TEST_F(UndoRoundTrip, LongEditingSessionsFreeEveryObjectOnce) {
  Arranged a(true);
  a.Select({a.images[0], a.text});
  ASSERT_TRUE(CopySelection(*a.d));
  ASSERT_TRUE(CutSelection(*a.d, a.services));      // the copies wait on the pending list
  ASSERT_TRUE(PasteClipboard(*a.d, a.services));    // and are freed for good here
  ASSERT_TRUE(DeleteSelection(*a.d, a.services));   // the pasted objects wait
  ASSERT_TRUE(UndoRestore(*a.d, a.services));       // and come back
  ASSERT_TRUE(DuplicateSelectionTimes(*a.d, 2, a.services));
  a.Select({a.images[1]});
  ASSERT_TRUE(DeleteSelection(*a.d, a.services));
  UndoClear();                                      // the deleted image is freed
  a.Select({a.images[2], a.line});
  ASSERT_TRUE(CutSelection(*a.d, a.services));
  ASSERT_TRUE(PasteClipboard(*a.d, a.services));
  ASSERT_TRUE(PasteClipboard(*a.d, a.services));
  ASSERT_TRUE(UndoRestore(*a.d, a.services));
  a.Select({a.lowerText});
  ASSERT_TRUE(DeleteSelection(*a.d, a.services));
  // The document goes while its snapshot and pending objects are stored;
  // the clipboard outlives it.
  a.d->View = nullptr;
  a.d.reset();
  EXPECT_FALSE(ClipboardObjects().Empty());
  EXPECT_TRUE(PendingObjects().Empty());
}

}  // namespace
}  // namespace tl
