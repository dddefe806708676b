// The view's picture: a partial refresh gives what a whole draw gives, and
// a drag step draws only what it must -- a move shifts the picture of the
// dragged images taken when the drag began, a resize draws the resized
// images alone -- without touching the other pictures or any image file.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <vector>

#include "document/undo_store.h"
#include "render/selection_marks.h"
#include "render/view_picture.h"
#include "tests/render/render_test_support.h"
#include "tests/render/view_fixtures.h"

namespace tl::test {
namespace {

// Pixels of `a` whose colour differs from `b`'s by more than 2 in a channel.
int Differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!Near(Rgb(a, x, y), Rgb(b, x, y), 2)) ++count;
  return count;
}

class ViewPictureTest : public ::testing::Test, public ViewFixture {
 protected:
  void SetUp() override {
    ResetUndoStore();
    const QRgb colours[] = {kRed, kGreen, kBlue, kYellow, 0x00FFFF, 0xFF00FF};
    for (int i = 0; i < 6; ++i) {
      const std::string path = WriteSolidJpeg(folder_, "p" + std::to_string(i) + ".jpg", 64, 48, colours[i]);
      const int32_t x = 200 + (i % 3) * 900, y = 300 + (i / 3) * 900;
      ImageObject* image = PlacePicture(D(), path, {x, y, x + 600, y + 450});
      ASSERT_NE(image, nullptr);
      images.push_back(image);
    }
    D().Free = 1;
  }
  void TearDown() override { ResetUndoStore(); }

  QImage Fresh() { return RenderScreenPage(D(), view, QRect(QPoint(0, 0), view.ClientSize)); }
  // Nothing is left to draw the pictures from but the view's picture.
  void ForgetPictures(const std::vector<ImageObject*>& which) {
    for (ImageObject* image : which) {
      image->Preview.reset();
      image->PreviewMask.reset();
      std::filesystem::remove(image->ImagePath);
    }
  }
  DragServices Services() { return {NoEditServices(), NoLayoutServices()}; }

  TempFolder folder_;
  std::vector<ImageObject*> images;
  ViewPicture picture;
  ViewDrag drag;
};

TEST_F(ViewPictureTest, PartialRefreshDrawsWhatAWholeDrawWould) {
  picture.Refresh(D(), view);
  ImageObject& moved = *images[4];
  const QRect before = Geometry().ToDevice(ObjectArea(moved));
  MoveObjectBy(moved, 160, -120);
  moved.Selected = 1;
  const QRect after = Geometry().ToDevice(ObjectArea(moved));
  picture.Invalidate(before.adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach));
  picture.Invalidate(after.adjusted(-kHandleReach, -kHandleReach, kHandleReach, kHandleReach));
  const QRegion drawn = picture.Refresh(D(), view);
  EXPECT_LT(drawn.boundingRect().width() * drawn.boundingRect().height(), view.ClientSize.width() * view.ClientSize.height() / 8);
  EXPECT_EQ(Differing(picture.Image(), Fresh()), 0);

  // A change of zoom draws everything again.
  view.ZoomNumerator = 2;
  EXPECT_EQ(picture.Refresh(D(), view).boundingRect(), QRect(QPoint(0, 0), view.ClientSize));
}

TEST_F(ViewPictureTest, MoveStepsShiftThePictureOfTheDraggedImages) {
  Select({images[0], images[4]});
  picture.Refresh(D(), view);
  const QPoint start = Geometry().ToDevice(AreaCentre(ObjectArea(*images[0])));
  ASSERT_TRUE(BeginDrag(drag, Geometry(), {images[0], kHitBody}, start));
  picture.BeginDrag(D(), view, drag);

  ASSERT_TRUE(DragTo(drag, Geometry(), start + QPoint(20, 12), Services()));
  QRect changed = picture.ShowDrag(D(), view, drag);
  EXPECT_EQ(Differing(picture.Image(), Fresh()), 0);
  EXPECT_LT(changed.width() * changed.height(), view.ClientSize.width() * view.ClientSize.height() / 2);

  ASSERT_TRUE(DragTo(drag, Geometry(), start + QPoint(45, -30), Services()));
  const QImage expected = Fresh();
  ForgetPictures(images);
  changed = picture.ShowDrag(D(), view, drag);
  EXPECT_EQ(Differing(picture.Image(), expected), 0) << "nothing was drawn from previews or files";
  EXPECT_TRUE(changed.contains(Geometry().ToDevice(ObjectArea(*images[4]))));
}

TEST_F(ViewPictureTest, ResizeStepsDrawOnlyTheResizedImages) {
  Select({images[1]});
  picture.Refresh(D(), view);
  const QPoint handle = BoxHandlePoints(Geometry().ToDevice(ObjectArea(*images[1])))[kHitBottomRight];
  ASSERT_TRUE(BeginDrag(drag, Geometry(), {images[1], kHitBottomRight}, handle));
  picture.BeginDrag(D(), view, drag);
  ASSERT_TRUE(DragTo(drag, Geometry(), handle + QPoint(30, 40), Services()));
  picture.ShowDrag(D(), view, drag);
  EXPECT_EQ(Differing(picture.Image(), Fresh()), 0);

  // Shrinking uncovers the page below, taken from the picture of the page
  // without the other images' previews or files.
  ASSERT_TRUE(DragTo(drag, Geometry(), handle + QPoint(-60, -50), Services()));
  const QImage expected = Fresh();
  std::vector<ImageObject*> others = images;
  others.erase(others.begin() + 1);
  ForgetPictures(others);
  picture.ShowDrag(D(), view, drag);
  EXPECT_EQ(Differing(picture.Image(), expected), 0);
}

// A press that never moves (a click, the first half of a double click)
// leaves the picture as it is; a drag that drew is drawn again whole.
TEST_F(ViewPictureTest, EndingADragRedrawsOnlyWhenTheDragDrew) {
  const QRect whole(QPoint(0, 0), view.ClientSize);
  Select({images[2]});
  picture.Refresh(D(), view);
  const QPoint start = Geometry().ToDevice(AreaCentre(ObjectArea(*images[2])));
  for (const bool moves : {false, true}) {
    SCOPED_TRACE(moves ? "moved" : "clicked");
    drag = {};
    ASSERT_TRUE(BeginDrag(drag, Geometry(), {images[2], kHitBody}, start));
    picture.BeginDrag(D(), view, drag);
    if (moves) {
      ASSERT_TRUE(DragTo(drag, Geometry(), start + QPoint(15, 10), Services()));
      picture.ShowDrag(D(), view, drag);
    }
    picture.EndDrag();
    EXPECT_FALSE(picture.InDrag());
    EXPECT_EQ(picture.Refresh(D(), view).boundingRect(), moves ? whole : QRect());
    EXPECT_EQ(Differing(picture.Image(), Fresh()), 0);
  }
}

}  // namespace
}  // namespace tl::test
