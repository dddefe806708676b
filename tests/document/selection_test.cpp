#include "document/selection.h"

#include <gtest/gtest.h>

#include "tests/document/document_fixtures.h"

namespace tl {
namespace {

using fixtures::FakeView;
using fixtures::MixedLayout;

// Which objects of the mixed layout are selected, in list order: the crop
// mark set, the four images, the text, the line, the lower text.
std::string Selection(const LayoutDocument& d) {
  std::string flags;
  for (const LayoutObject* o : d.Objects) flags += o->Selected ? '1' : '0';
  return flags;
}

TEST(SelectObjects, EachModeSelectsItsObjects) {
  struct Case {
    const char* what;
    int16_t mode;
    std::vector<int> selectedBefore;  // indexes into the mixed layout's objects
    const char* after;
    int currentImage;  // index of the image made current, -1 none, -2 left as it was
    bool changed;
  } cases[] = {
      {"all: never the crop mark set", kSelectAll, {}, "01111111", 4, true},
      {"all images, others deselected", kSelectAllImages, {5, 6}, "01111000", 4, true},
      {"images in page of image 2 (page 0)", kSelectImagesInPage, {2, 5}, "01110000", 3, true},
      {"images in page of image 4 (page 1)", kSelectImagesInPage, {4}, "00001000", 4, false},
      {"images in page, nothing selected", kSelectImagesInPage, {}, "00000000", -1, false},
      {"images in folder /photos/a", kSelectImagesInFolder, {2, 7}, "00101000", 4, true},
      {"images in folder /scans", kSelectImagesInFolder, {3}, "00010000", 3, false},
      {"free texts, the rest kept", kSelectFreeTexts, {1}, "01000101", -2, true},
      {"free lines", kSelectFreeLines, {}, "00000010", -2, true},
      {"inverse", kSelectInverse, {2}, "01011111", 4, true},
      {"inverse of nothing reports a change", kSelectInverse, {1, 2, 3, 4, 5, 6, 7}, "00000000", -1, true},
      {"deselect", kSelectNone, {2, 6}, "00000000", -1, true},
      {"deselect nothing", kSelectNone, {}, "00000000", -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MixedLayout m(false);
    FakeView view;
    m.d->View = &view;
    std::vector<LayoutObject*> objects = fixtures::Members(m.d->Objects);
    for (int i : c.selectedBefore) objects[i]->Selected = 1;
    ImageObject* previous = m.images[0];
    m.d->CurrentImage = previous;
    for (LayoutObject* o : m.d->Objects) o->NeedsRedraw = 1;

    EXPECT_EQ(SelectObjects(*m.d, c.mode), c.changed);
    EXPECT_EQ(Selection(*m.d), c.after);
    const ImageObject* expected =
        c.currentImage == -2 ? previous : c.currentImage == -1 ? nullptr : AsImage(objects[c.currentImage]);
    EXPECT_EQ(m.d->CurrentImage, expected);
    int images = 0, others = 0;
    for (size_t i = 0; i < objects.size(); ++i)
      if (c.after[i] == '1') ++(IsImage(objects[i]) ? images : others);
    EXPECT_EQ(m.d->SelectedImageCount, images);
    EXPECT_EQ(m.d->SelectedOtherCount, others);
    for (const LayoutObject* o : m.d->Objects) EXPECT_EQ(o->NeedsRedraw, 0);
    EXPECT_EQ(view.invalidations, 1);
    m.d->View = nullptr;
  }
}

TEST(SelectObjects, RefusesAnUnknownMode) {
  MixedLayout m(false);
  EXPECT_FALSE(SelectObjects(*m.d, 0));
  EXPECT_FALSE(SelectObjects(*m.d, 9));
  EXPECT_EQ(Selection(*m.d), "00000000");
}

TEST(ImagePaths, SplitAtTheLastSeparator) {
  EXPECT_EQ(FolderOf("/photos/a/alpha.jpg"), "/photos/a");
  EXPECT_EQ(FileNameOf("/photos/a/alpha.jpg"), "alpha.jpg");
  EXPECT_EQ(FolderOf("/root.jpg"), "");
  EXPECT_EQ(FolderOf("bare.jpg"), "");
  EXPECT_EQ(FileNameOf("bare.jpg"), "bare.jpg");
  EXPECT_EQ(FileNameOf("/photos/"), "");
}

}  // namespace
}  // namespace tl
