// Dragging in the layout view: moving the selection (and where it goes in
// the list), resizing by a handle with its limits, a free line's end,
// Escape and the right button, a snapshot that fails, snap at grid on
// release, the drop that reorders an automatic layout, and the status
// values shown meanwhile.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/undo_store.h"
#include "layout/arrange.h"
#include "layout/edit_services.h"
#include "render/grid_snap.h"
#include "render/selection_marks.h"
#include "render/status_text.h"
#include "render/view_drag.h"
#include "tests/render/view_fixtures.h"

namespace tl::test {
namespace {

class ViewDragTest : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override { ResetUndoStore(); }
  void TearDown() override { ResetUndoStore(); }

  DragServices Services() { return {edit_, NoLayoutServices()}; }
  // A whole gesture: down at `from`, through `steps`, up at the last.
  bool Drag(LayoutObject* object, int code, QPoint from, std::vector<QPoint> steps, SnapGrid snap = {}) {
    if (!BeginDrag(drag, Geometry(), {object, code}, from)) return false;
    for (QPoint p : steps)
      if (!DragTo(drag, Geometry(), p, Services())) return false;
    FinishDrag(drag, Geometry(), steps.empty() ? from : steps.back(), snap, Services());
    return true;
  }
  std::vector<LayoutObject*> Order() {
    std::vector<LayoutObject*> order;
    for (LayoutObject* o : D().Objects) order.push_back(o);
    return order;
  }

  LayoutEditServices edit_;
  ViewDrag drag;
};

TEST_F(ViewDragTest, BodyMovesTheWholeSelection) {
  for (const bool free : {false, true}) {
    document.reset(DocumentNew(nullptr, nullptr));
    D().Free = free;
    ImageObject* a = Image({400, 400, 800, 800});
    FreeTextObject* text = Text({400, 1200, 1200, 1400});
    ImageObject* b = Image({1000, 400, 1400, 800});
    Select({a, text});
    ASSERT_TRUE(BeginDrag(drag, Geometry(), {a, kHitBody}, At(500, 500)));
    // Many small steps end where one big one would: nothing drifts.
    for (int i = 1; i <= 25; ++i) ASSERT_TRUE(DragTo(drag, Geometry(), At(500, 500) + QPoint(i, i / 2), Services()));
    EXPECT_EQ(a->Origin, (LPoint{500, 448})) << free;
    EXPECT_EQ(text->Origin, (LPoint{500, 1248})) << free;
    EXPECT_EQ(b->Origin, (LPoint{1000, 400})) << "not selected, not moved";
    // Free texts come to the top at once; images only in free layout.
    const std::vector<LayoutObject*> expected =
        free ? std::vector<LayoutObject*>{b, a, text} : std::vector<LayoutObject*>{a, b, text};
    EXPECT_EQ(Order(), expected) << free;
    const DragStatus status = DragStatusOf(drag, D(), {1, 1});
    EXPECT_EQ(status.Kind, kStatusMoving);
    EXPECT_EQ(status.A, 500);
    EXPECT_EQ(status.B, 448);
    FinishDrag(drag, Geometry(), At(500, 500) + QPoint(25, 12), {}, Services());
    EXPECT_TRUE(D().Modified);
    EXPECT_TRUE(UndoAvailable(D()));
  }
}

TEST_F(ViewDragTest, NoImageLeavesItsPage) {
  ImageObject* a = Image({2400, 3600, 2800, 4000});  // near the bottom-right corner
  FreeLineObject* line = Line({400, 400}, {800, 400});
  Select({a, line});
  ASSERT_TRUE(BeginDrag(drag, Geometry(), {a, kHitBody}, At(2600, 3800)));
  ASSERT_TRUE(DragTo(drag, Geometry(), At(2600, 3800) + QPoint(500, 300), Services()));
  EXPECT_EQ(a->Origin, (LPoint{2976 - 400, 4209 - 400}));
  EXPECT_EQ(line->End1, (LPoint{400 + 176, 400 + 209})) << "the line stops with the image";
  EXPECT_EQ(drag.Limited, At(2600, 3800) + QPoint(44, 52)) << "the pointer is held with them";
  // Back the other way, far past the top-left: the image stops at the
  // page's corner, the line moves as far as the image can.
  ASSERT_TRUE(DragTo(drag, Geometry(), At(2600, 3800) - QPoint(2000, 2000), Services()));
  EXPECT_EQ(a->Origin, (LPoint{0, 0}));
  EXPECT_EQ(line->End1, (LPoint{-2000, -3200}));
}

TEST_F(ViewDragTest, ResizeByHandles) {
  struct Case {
    const char* what;
    int code;
    QPoint move;
    bool ratio;
    LRect after;
  } cases[] = {
      {"bottom-right", kHitBottomRight, {25, 50}, false, {400, 400, 1300, 1400}},
      {"right side: the height stays", kHitRight, {25, 50}, false, {400, 400, 1300, 1200}},
      {"top-left: the bottom-right corner stays", kHitTopLeft, {-25, 50}, false, {300, 600, 1200, 1200}},
      {"left with the ratio kept: the height follows", kHitLeft, {-80, 7}, true, {80, 400, 1200, 1520}},
      {"a corner with the ratio: the larger change leads", kHitBottomRight, {10, 100}, true, {400, 400, 1600, 1600}},
      {"past the opposite corner: the picture keeps 10 mm", kHitTopLeft, {400, 400}, false, {1058, 1058, 1200, 1200}},
      {"past the paper: one pixel inside it", kHitBottomRight, {2000, 2000}, false, {400, 400, 2972, 4204}},
  };
  for (const Case& c : cases) {
    document.reset(DocumentNew(nullptr, nullptr));
    D().Free = 1;  // no flow to place the image afterwards
    ImageObject* image = Image({400, 400, 1200, 1200});
    image->SizeRatio = c.ratio;
    Select({image});
    const QPoint handle = BoxHandlePoints(Geometry().ToDevice(ObjectArea(*image)))[c.code];
    ASSERT_TRUE(Drag(image, c.code, handle, {handle + c.move})) << c.what;
    EXPECT_EQ(ObjectArea(*image), c.after) << c.what << ": " << ObjectArea(*image).left << "," << ObjectArea(*image).top
                                           << "," << ObjectArea(*image).right << "," << ObjectArea(*image).bottom;
  }
}

TEST_F(ViewDragTest, TrackerStopsTwelvePixelsShort) {
  ImageObject* image = Image({400, 400, 1200, 1200});  // (110, 110)-(309, 309)
  Select({image});
  ASSERT_TRUE(BeginDrag(drag, Geometry(), {image, kHitTopLeft}, {110, 110}));
  ASSERT_TRUE(DragTo(drag, Geometry(), {400, 350}, Services()));
  // The tracker's left and top edges stop at 310 - 12: the pointer with them.
  EXPECT_EQ(drag.Limited, QPoint(298, 298));
  const DragStatus status = DragStatusOf(drag, D(), {2, 1});
  EXPECT_EQ(status.Kind, kStatusResizing);
  EXPECT_EQ(status.A, 2 * image->Size.cx) << "counted at the zoom";
}

TEST_F(ViewDragTest, ResizingSeveralImagesChangesEachByTheSameAmount) {
  ImageObject* a = Image({400, 400, 1200, 1200});
  ImageObject* b = Image({1600, 400, 2000, 1000});
  ImageObject* c = Image({400, 2000, 800, 2400});
  c->FrameRect = {100, 100, 100, 100};
  Select({a, b, c});
  const QPoint handle = BoxHandlePoints(Geometry().ToDevice(ObjectArea(*a)))[kHitRight];
  ASSERT_TRUE(Drag(a, kHitRight, handle, {handle + QPoint(-150, 0)}));
  EXPECT_EQ(a->Size, (LSize{200, 800}));
  EXPECT_EQ(b->Size, (LSize{142, 600})) << "at least 10 mm of picture";
  EXPECT_EQ(c->Size, (LSize{342, 400})) << "10 mm inside a frame of 100 on each side";
}

TEST_F(ViewDragTest, FreeLineEnd) {
  FreeLineObject* line = Line({2000, 400}, {2800, 400});
  // The line's own fields as the dialog keeps them.
  line->Anchor = {2000, 400};
  line->Length = 800;
  line->Angle = 0;
  UpdateFreeLineEnds(*line);
  const LPoint first = line->End1;
  Select({line});
  const QPoint second = Geometry().ToDevice(line->End2);
  ASSERT_TRUE(Drag(line, kHitBottomRight, second, {second + QPoint(0, 50)}));
  EXPECT_EQ(line->End1, first) << "the other end stays";
  EXPECT_EQ(line->Length, 824);
  EXPECT_EQ(line->Angle, 14);
  EXPECT_NEAR(line->End2.x, 2000 + 800, 2);
  EXPECT_NEAR(line->End2.y, 400 + 200, 2);
  EXPECT_LE(line->Origin.x, std::min(line->End1.x, line->End2.x)) << "the box holds the line";

  // Onto the other end: too short a line, the end stays.
  const LPoint before = line->End2;
  const QPoint end = Geometry().ToDevice(line->End2);
  ASSERT_TRUE(Drag(line, kHitBottomRight, end, {Geometry().ToDevice(first)}));
  EXPECT_EQ(line->End2, before);
}

TEST_F(ViewDragTest, EscapeUndoesAndTheRightButtonKeeps) {
  ImageObject* a = Image({400, 400, 800, 800});
  FreeTextObject* text = Text({400, 1200, 1200, 1400});
  ImageObject* b = Image({1000, 400, 1400, 800});
  D().Free = 1;
  Select({a, text});
  const std::vector<LayoutObject*> order = Order();

  ASSERT_TRUE(BeginDrag(drag, Geometry(), {a, kHitBody}, At(500, 500)));
  ASSERT_TRUE(DragTo(drag, Geometry(), At(900, 900), Services()));
  CancelDrag(drag, D(), Services());
  EXPECT_FALSE(Dragging(drag));
  EXPECT_EQ(a->Origin, (LPoint{400, 400}));
  EXPECT_EQ(text->Origin, (LPoint{400, 1200}));
  EXPECT_EQ(Order(), order) << "the list as it was";
  EXPECT_FALSE(D().Modified);

  ASSERT_TRUE(BeginDrag(drag, Geometry(), {a, kHitBody}, At(500, 500)));
  ASSERT_TRUE(DragTo(drag, Geometry(), At(900, 900), Services()));
  AbandonDrag(drag, D(), Services());
  EXPECT_EQ(a->Origin, (LPoint{800, 800}));
  EXPECT_EQ(b->Origin, (LPoint{1000, 400}));
  EXPECT_TRUE(D().Modified);
  EXPECT_TRUE(UndoAvailable(D()));
}

TEST_F(ViewDragTest, AFailedSnapshotMovesNothing) {
  ImageObject* a = Image({400, 400, 800, 800});
  Select({a});
  ASSERT_TRUE(BeginDrag(drag, Geometry(), {a, kHitBody}, At(500, 500)));
  UndoFailNextSnapshot();
  EXPECT_FALSE(DragTo(drag, Geometry(), At(900, 900), Services()));
  EXPECT_FALSE(Dragging(drag)) << "the drag is over";
  EXPECT_EQ(a->Origin, (LPoint{400, 400}));
  EXPECT_FALSE(D().Modified);
}

TEST_F(ViewDragTest, ClickWithoutMovementChangesNothing) {
  ImageObject* a = Image({400, 400, 800, 800});
  Select({a});
  ASSERT_TRUE(Drag(a, kHitBody, At(500, 500), {At(500, 500)}));
  EXPECT_FALSE(D().Modified);
  EXPECT_FALSE(UndoAvailable(D())) << "no snapshot for a click";
}

TEST_F(ViewDragTest, SnapAtGridOnRelease) {
  // The grid starts at the printable corner (45, 45) and repeats every 70.
  const SnapGrid grid{true, {70, 70}};
  struct Case {
    const char* what;
    bool free;
    bool image;
    LPoint dropped;  // where the drag leaves the object's reference point
    LPoint snapped;
  } cases[] = {
      {"an image in free layout", true, true, {480, 900}, {465, 885}},
      {"a free text in automatic layout", false, false, {500, 1220}, {535, 1235}},
      {"an image in automatic layout is left to the flow", false, true, {480, 900}, {480, 900}},
  };
  for (const Case& c : cases) {
    document.reset(DocumentNew(nullptr, nullptr));
    D().Free = c.free;
    LayoutObject* o = c.image ? static_cast<LayoutObject*>(Image({400, 400, 800, 800}))
                              : static_cast<LayoutObject*>(Text({400, 400, 1200, 600}));
    Select({o});
    const QPoint from = At(400, 400);
    ASSERT_TRUE(BeginDrag(drag, Geometry(), {o, kHitBody}, from));
    ASSERT_TRUE(DragTo(drag, Geometry(), from + QPoint((c.dropped.x - 400) / 4, (c.dropped.y - 400) / 4), Services()));
    ASSERT_EQ(SnapReference(*o), c.dropped) << c.what;
    // No flow here: only the snap moves things.
    FinishDrag(drag, Geometry(), from, grid, {NoEditServices(), NoLayoutServices()});
    EXPECT_EQ(SnapReference(*o), c.snapped) << c.what;
  }
}

TEST(GridSnap, ImagesStayOnTheirPage) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->Free = 1;
  ImageObject* image = ImageObjectNew(d->DefaultImageSettings, &d->Objects);
  image->Size = {500, 500};
  struct Case {
    LPoint at;
    LPoint snapped;
  } cases[] = {
      {{2470, 300}, {2425, 325}},          // the nearest line would reach past the right edge: one inward
      {{10, 4209 + 40}, {45, 4209 + 45}},  // on page 2 the lines start again at its top
      {{2476, 3720}, {2425, 3685}},        // both axes inward at the bottom-right corner
  };
  for (const Case& c : cases) {
    image->Origin = c.at;
    SnapObjectToGrid(*d, *image, {70, 70});
    EXPECT_EQ(image->Origin, c.snapped) << c.at.x << "," << c.at.y;
  }
}

TEST_F(ViewDragTest, DropReordersAnAutomaticLayout) {
  std::vector<ImageObject*> images;
  for (int i = 0; i < 4; ++i) images.push_back(Image({0, 0, 600, 600}));
  ArrangeLayout(D());
  const LPoint firstPlace = images[0]->Origin;
  Select({images[3]});
  const QPoint from = Geometry().ToDevice(AreaCentre(ObjectArea(*images[3])));
  const QPoint onto = Geometry().ToDevice(AreaCentre(ObjectArea(*images[1])));
  ASSERT_TRUE(Drag(images[3], kHitBody, from, {onto}));
  EXPECT_EQ(Order(), (std::vector<LayoutObject*>{images[0], images[3], images[1], images[2]}));
  EXPECT_EQ(images[0]->Origin, firstPlace) << "the flow placed the list again";
  EXPECT_GT(images[1]->Origin.x, images[3]->Origin.x);

  // Dropped on empty paper, the order stays and the flow takes the image back.
  ArrangeLayout(D());
  const LPoint back = images[3]->Origin;
  const QPoint start = Geometry().ToDevice(AreaCentre(ObjectArea(*images[3])));
  ASSERT_TRUE(Drag(images[3], kHitBody, start, {start + QPoint(0, 600)}));
  EXPECT_EQ(Order(), (std::vector<LayoutObject*>{images[0], images[3], images[1], images[2]}));
  EXPECT_EQ(images[3]->Origin, back);
}

}  // namespace
}  // namespace tl::test
