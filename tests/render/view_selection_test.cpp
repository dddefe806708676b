// Hit testing and selecting in the layout view: which object and which
// part of it a point hits (handles of selected objects first, then the
// topmost object), the selection a click leaves with and without Shift,
// and the rubber band.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/view_hit_test.h"
#include "render/view_selection.h"
#include "tests/render/view_fixtures.h"

namespace tl::test {
namespace {

class ViewHitTest : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override {
    // A shows at (110, 110)-(309, 309); B overlaps it on top, (210, 210)-(409, 409).
    a = Image({400, 400, 1200, 1200});
    b = Image({800, 800, 1600, 1600});
    line = Line({2000, 400}, {2800, 400});  // (510, 110) to (710, 110)
  }
  ImageObject* a = nullptr;
  ImageObject* b = nullptr;
  FreeLineObject* line = nullptr;
};

TEST_F(ViewHitTest, HandlesOfTheSelectionThenTheTopmost) {
  struct Case {
    const char* what;
    std::vector<LayoutObject*> selected;
    QPoint point;
    LayoutObject* object;
    int code;
  } cases[] = {
      {"both under the point: the topmost", {}, {250, 250}, b, kHitBody},
      {"a selected image's handle under another image", {a}, {309, 309}, a, kHitBottomRight},
      {"the same point with the top image selected", {b}, {309, 309}, b, kHitBody},
      {"an unselected image shows no handles", {}, {107, 107}, nullptr, kHitNothing},
      {"the handle just outside a selected image", {a}, {107, 107}, a, kHitTopLeft},
      {"the middle of a side", {a}, {209, 111}, a, kHitTop},
      {"the right side's middle, under B", {a}, {309, 209}, a, kHitRight},
      {"empty paper", {}, {600, 900}, nullptr, kHitNothing},
      {"a free line's first end", {}, {511, 111}, line, kHitTopLeft},
      {"its second end", {}, {708, 110}, line, kHitBottomRight},
      {"the line itself", {}, {610, 112}, line, kHitBody},
      {"beside the line", {}, {610, 120}, nullptr, kHitNothing},
  };
  for (const Case& c : cases) {
    Select({});
    for (LayoutObject* o : c.selected) o->Selected = 1;
    const ViewHit hit = HitTest(Geometry(), c.point);
    EXPECT_EQ(hit.object, c.object) << c.what;
    EXPECT_EQ(hit.code, c.code) << c.what;
  }
}

TEST_F(ViewHitTest, OnlyThePageShownIsHit) {
  // An image on page 2 at the place A has on page 1.
  ImageObject* below = Image({400, 4209 + 400, 1200, 4209 + 1200});
  EXPECT_EQ(HitTest(Geometry(), {150, 150}).object, a);
  view.CurrentPage = 1;
  EXPECT_EQ(HitTest(Geometry(), {150, 150}).object, below);
  EXPECT_EQ(DropTargetAt(Geometry(), {150, 150}), below);
  below->Selected = 1;
  EXPECT_EQ(DropTargetAt(Geometry(), {150, 150}), nullptr) << "a selected image is no drop target";
}

TEST_F(ViewHitTest, TurnedFreeTextIsHitInsideItsBox) {
  // A square turned 45 degrees: a diamond in a 800 x 800 box at (2000, 2000).
  FreeTextObject* text = Text({2000, 2000, 2800, 2800});
  text->Corners = {LPoint{400, 0}, {800, 400}, {400, 800}, {0, 400}};
  text->Selected = 1;
  const ViewHit centre = HitTest(Geometry(), At(2400, 2400));
  EXPECT_EQ(centre.object, text);
  EXPECT_EQ(centre.code, kHitBody);
  EXPECT_EQ(HitTest(Geometry(), At(2040, 2040)).object, nullptr) << "the box's corner is outside the diamond";
  EXPECT_EQ(HitTest(Geometry(), At(2000, 2000)).code, kHitNothing) << "free texts have no handles";
}

TEST(TrackerHit, SmallBoxesKeepTheirCorners) {
  const QRect box(100, 100, 20, 20);  // too small for the middles of its sides
  EXPECT_EQ(TrackerHit(box, {110, 100}, true), kHitBody);
  EXPECT_EQ(TrackerHit(box, {103, 103}, true), kHitTopLeft);
  EXPECT_EQ(TrackerHit(QRect(100, 100, 60, 60), {129, 100}, true), kHitTop);
  EXPECT_EQ(TrackerHit(box, {96, 96}, false), kHitNothing);
}

TEST(HitCursor, SelectedObjectsShowTheirHandle) {
  ImageObject image;
  image.Selected = 1;
  FreeLineObject line;
  line.Selected = 1;
  struct Case {
    LayoutObject* object;
    int code;
    Qt::CursorShape cursor;
  } cases[] = {
      {&image, kHitTopLeft, Qt::SizeFDiagCursor}, {&image, kHitBottomLeft, Qt::SizeBDiagCursor},
      {&image, kHitBottom, Qt::SizeVerCursor},    {&image, kHitLeft, Qt::SizeHorCursor},
      {&image, kHitBody, Qt::SizeAllCursor},      {&line, kHitBottomRight, Qt::CrossCursor},
      {nullptr, kHitNothing, Qt::ArrowCursor},
  };
  for (const Case& c : cases) EXPECT_EQ(HitCursor({c.object, c.code}), c.cursor) << c.code;
  image.Selected = 0;
  EXPECT_EQ(HitCursor({&image, kHitBody}), Qt::ArrowCursor) << "unselected objects keep the arrow";
}

class ViewSelectionTest : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override {
    i1 = Image({400, 400, 800, 800});
    i2 = Image({1000, 400, 1400, 800});
    i3 = Image({1600, 400, 2000, 800});
    text = Text({400, 1200, 1200, 1400});
    line = Line({400, 2000}, {1200, 2000});
  }
  std::string Selected() {
    std::string s;
    const std::pair<LayoutObject*, const char*> names[] = {{i1, "i1"}, {i2, "i2"}, {i3, "i3"}, {text, "t"}, {line, "l"}};
    for (const auto& [o, name] : names)
      if (o->Selected) s += std::string(s.empty() ? "" : " ") + name;
    return s;
  }
  ImageObject *i1 = nullptr, *i2 = nullptr, *i3 = nullptr;
  FreeTextObject* text = nullptr;
  FreeLineObject* line = nullptr;
};

TEST_F(ViewSelectionTest, ClicksWithAndWithoutShift) {
  struct Case {
    const char* what;
    std::vector<LayoutObject*> before;
    ImageObject* currentBefore;
    LayoutObject* clicked;  // null: empty space
    bool shift;
    const char* after;
    ImageObject* current;
    bool drag;
  };
  const Case cases[] = {
      {"a first image", {}, nullptr, i1, false, "i1", i1, true},
      {"a selected image keeps the group", {i1, i2}, i1, i2, false, "i1 i2", i2, true},
      {"an unselected image replaces the group", {i1, i2}, i2, i3, false, "i3", i3, true},
      {"Shift deselects a selected image", {i1, i2}, i2, i2, true, "i1", i1, false},
      {"Shift adds an image", {i1}, i1, i3, true, "i1 i3", i3, true},
      {"a free text alone", {i1}, i1, text, false, "t", nullptr, true},
      {"Shift toggles a free text off", {i1, text}, i1, text, true, "i1", i1, false},
      {"Shift adds a free line", {}, nullptr, line, true, "l", nullptr, true},
      {"empty space clears", {i1, line}, i1, nullptr, false, "", nullptr, false},
      {"Shift on empty space keeps", {i1}, i1, nullptr, true, "i1", i1, false},
  };
  for (const Case& c : cases) {
    Select({});
    for (LayoutObject* o : c.before) o->Selected = 1;
    RecountSelection(D());
    D().CurrentImage = c.currentBefore;
    const ViewHit hit{c.clicked, c.clicked ? kHitBody : kHitNothing};
    EXPECT_EQ(SelectByClick(D(), hit, c.shift), c.drag) << c.what;
    EXPECT_EQ(Selected(), c.after) << c.what;
    EXPECT_EQ(D().CurrentImage, c.current) << c.what;
    int images = 0, others = 0;
    for (const LayoutObject* o : D().Objects) (IsImage(o) ? images : others) += o->Selected;
    EXPECT_EQ(D().SelectedImageCount, images) << c.what;
    EXPECT_EQ(D().SelectedOtherCount, others) << c.what;
  }
}

TEST_F(ViewSelectionTest, RubberBand) {
  // A band round i1, i2 and the text's left part only.
  const QRect band(At(300, 300), At(1500, 1300));
  SelectByBand(Geometry(), band, false);
  EXPECT_EQ(Selected(), "i1 i2") << "only what lies wholly inside";
  EXPECT_EQ(D().CurrentImage, i2);
  EXPECT_EQ(D().SelectedImageCount, 2);

  // With Shift the band toggles: i1 and i2 go, i3 comes.
  SelectByBand(Geometry(), QRect(At(300, 300), At(2100, 900)), true);
  EXPECT_EQ(Selected(), "i3");
  EXPECT_EQ(D().CurrentImage, i3);

  // Any corner order; without Shift what was selected is let go first.
  SelectByBand(Geometry(), QRect(At(1300, 2100), At(300, 1100)).normalized(), false);
  EXPECT_EQ(Selected(), "t l");
  EXPECT_EQ(D().CurrentImage, nullptr);
}

}  // namespace
}  // namespace tl::test
