// Delete, the drawing order commands and keyboard moves.
#include <gtest/gtest.h>

#include <map>

#include "document/delete_selection.h"
#include "document/keyboard_move.h"
#include "document/overlap_order.h"
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

class EditingCommandsTest : public fixtures::EditingTest {};

TEST_F(EditingCommandsTest, DeleteKeepsTheSelectedObjectsAliveForUndo) {
  MixedLayout m(false);
  FakeView view;
  view.page = 5;  // beyond the pages: pulled back
  m.d->View = &view;
  m.Select({m.images[1], m.line});
  CountingEditServices services;

  EXPECT_TRUE(DeleteSelection(*m.d, services));
  EXPECT_EQ(Members(m.d->Objects),
            (std::vector<LayoutObject*>{m.marks, m.images[0], m.images[2], m.images[3], m.text, m.lowerText}));
  std::vector<LayoutObject*> pending = Members(PendingObjects());
  EXPECT_EQ(pending.size(), 2u);
  EXPECT_NE(std::find(pending.begin(), pending.end(), m.images[1]), pending.end());
  EXPECT_NE(std::find(pending.begin(), pending.end(), m.line), pending.end());
  EXPECT_EQ(m.d->SelectedImageCount + m.d->SelectedOtherCount, 0);
  EXPECT_EQ(m.d->CurrentImage, nullptr);
  EXPECT_EQ(m.d->Modified, 1);
  EXPECT_EQ(UndoChangeCode(*m.d), kUndoDelete);
  EXPECT_EQ(m.images[2]->NeedsRedraw, 1) << "the flow closes the gap behind a deleted image";
  EXPECT_EQ(services.arranges, 1);
  EXPECT_EQ(services.relabels, 1);
  EXPECT_EQ(services.currentImageChanges, 1);
  EXPECT_EQ(view.areas.size(), 2u);
  EXPECT_EQ(view.page, 1);
  EXPECT_EQ(view.pageCountChanges, 1);
  m.d->View = nullptr;
}

TEST_F(EditingCommandsTest, DeleteWithoutSelectionOnlyArranges) {
  MixedLayout m(false);
  ASSERT_TRUE(UndoRecord(*m.d, kUndoImageGeometry));
  const auto before = Picture(*m.d);
  CountingEditServices services;
  EXPECT_FALSE(DeleteSelection(*m.d, services));
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);
  EXPECT_EQ(UndoChangeCode(*m.d), kUndoImageGeometry) << "no snapshot was taken";
  EXPECT_EQ(services.arranges, 1);
}

// A free layout whose objects are named by letters: lower case objects lie
// apart, upper case ones overlap the selected S.
struct OverlapLayout {
  DocumentPtr d = NewDocument();
  std::map<char, LayoutObject*> named;

  explicit OverlapLayout(const std::string& order) {
    d->Free = 1;
    for (char c : order) {
      FreeTextObject* o = FreeTextObjectNew(d.get(), &d->Objects);
      const bool overlaps = (c >= 'A' && c <= 'Z');
      o->Origin = overlaps ? LPoint{1000, 1000} : LPoint{100 * (c - 'a'), 3000};
      o->Size = overlaps ? LSize{400, 400} : LSize{50, 50};
      o->Selected = c == 'S';
      named[c] = o;
    }
    // The crop mark set is never an obstacle, wherever its box lies.
    CropMarkSet* marks = CropMarkSetNew(d.get(), &d->Objects);
    marks->Size = {5000, 5000};
    named['#'] = marks;
  }
  std::string Order() const {
    std::string order;
    for (const LayoutObject* o : d->Objects)
      for (const auto& [c, object] : named)
        if (object == o) order += c;
    return order;
  }
};

TEST_F(EditingCommandsTest, DrawingOrderMovesPastTheObjectsTheSelectionOverlaps) {
  struct Case {
    int16_t mode;
    const char* before;
    const char* after;
  } cases[] = {
      {kOverlapToTop, "AbBScDeE", "#AbBcDeES"},    {kOverlapForward, "AbBScDeE", "#AbBcDSeE"},
      {kOverlapBackward, "AbBScDeE", "#AbSBcDeE"}, {kOverlapToBottom, "AbBScDeE", "#SAbBcDeE"},
      {kOverlapToTop, "aSb", "#aSb"},              {kOverlapToBottom, "aSb", "#aSb"},
      {kOverlapForward, "SA", "#AS"},              {kOverlapBackward, "AS", "#SA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.mode << " on " << c.before);
    OverlapLayout layout(c.before);
    ASSERT_TRUE(ChangeOverlap(*layout.d, c.mode));
    EXPECT_EQ(layout.Order(), c.after);
    EXPECT_EQ(layout.d->Modified, 1);
    // Even when nothing moved the command took its snapshot.
    EXPECT_EQ(UndoChangeCode(*layout.d), kUndoDrawingOrder);
  }
}

TEST_F(EditingCommandsTest, DrawingOrderSkipsSelectedObjectsAsObstacles) {
  // Both overlap each other, but both are selected: nothing to pass.
  OverlapLayout layout("STA");
  layout.named['T']->Selected = 1;
  layout.named['A']->Origin = {9000, 9000};
  ASSERT_TRUE(ChangeOverlap(*layout.d, kOverlapToTop));
  EXPECT_EQ(layout.Order(), "#STA");
  EXPECT_FALSE(ChangeOverlap(*layout.d, 3)) << "no such mode";
}

TEST_F(EditingCommandsTest, DrawingOrderCommandsNeedOneObjectAndNoImageInAutomaticLayout) {
  struct Case {
    bool free;
    int images, others;
    bool enabled;
  } cases[] = {
      {false, 0, 1, true}, {false, 1, 0, false}, {false, 1, 1, false}, {false, 0, 2, false},
      {true, 1, 0, true},  {true, 0, 1, true},   {true, 1, 1, false},  {true, 0, 0, false},
  };
  for (const Case& c : cases) {
    DocumentPtr d = NewDocument();
    d->Free = c.free;
    d->SelectedImageCount = c.images;
    d->SelectedOtherCount = c.others;
    EXPECT_EQ(OverlapCommandsEnabled(*d), c.enabled) << c.free << " " << c.images << " " << c.others;
  }
}

TEST_F(EditingCommandsTest, ArrowKeysMoveByTheNudgeStepAndShareOneSnapshot) {
  MixedLayout m(true);
  m.d->NudgeStep = 14;
  m.Select({m.images[0], m.line});
  const auto before = Picture(*m.d);
  const LPoint image = m.images[0]->Origin, end = m.line->End1;

  ASSERT_TRUE(NudgeSelection(*m.d, kNudgeRight));
  ASSERT_TRUE(NudgeSelection(*m.d, kNudgeRight));
  ASSERT_TRUE(NudgeSelection(*m.d, kNudgeUp));
  EXPECT_EQ(m.images[0]->Origin, (LPoint{image.x + 28, image.y - 14}));
  EXPECT_EQ(m.line->End1, (LPoint{end.x + 28, end.y - 14})) << "a line's ends move with it";
  ASSERT_TRUE(NudgeSelection(*m.d, kNudgeLeft));
  ASSERT_TRUE(NudgeSelection(*m.d, kNudgeDown));
  EXPECT_EQ(m.images[0]->Origin, (LPoint{image.x + 14, image.y}));
  EXPECT_EQ(m.d->Modified, 1);

  ASSERT_TRUE(UndoRestore(*m.d));
  TL_EXPECT_SAME_DOCUMENT(before, *m.d);
  EXPECT_FALSE(NudgeSelection(*m.d, 4)) << "no such direction";
}

TEST_F(EditingCommandsTest, ArrowKeysLeaveTheImagesOfAnAutomaticLayoutToTheFlow) {
  MixedLayout m(false);
  m.Select({m.images[0]});
  EXPECT_FALSE(NudgeAllowed(*m.d));
  EXPECT_FALSE(NudgeSelection(*m.d, kNudgeDown));
  EXPECT_FALSE(UndoAvailable(*m.d));

  m.Select({m.images[0], m.text});
  const LPoint image = m.images[0]->Origin, text = m.text->Origin;
  ASSERT_TRUE(NudgeSelection(*m.d, kNudgeDown));
  EXPECT_EQ(m.images[0]->Origin, image);
  EXPECT_EQ(m.text->Origin, (LPoint{text.x, text.y + m.d->NudgeStep}));

  m.Select({});
  EXPECT_FALSE(NudgeAllowed(*m.d));
}

}  // namespace
}  // namespace tl
