// Inserting and deleting pages of a free layout, and sorting images.
#include <gtest/gtest.h>

#include "document/page_commands.h"
#include "document/sort_images.h"
#include "tests/document/document_compare.h"
#include "tests/document/document_fixtures.h"

namespace tl {
namespace {

using fixtures::FakeView;
using fixtures::Members;
using fixtures::NewDocument;
using fixtures::Picture;

constexpr int32_t kPage = kA4PageHeight;

class PageCommandsTest : public fixtures::EditingTest {};

// A free layout of three pages shown in a view: one text on each page and
// one that straddles the boundary between pages 2 and 3.
struct ThreePages {
  DocumentPtr d = NewDocument();
  FakeView view;
  FreeTextObject* onPage[3] = {};
  FreeTextObject* straddling = nullptr;

  ThreePages() {
    d->Free = 1;
    d->PageNumber = 3;
    d->View = &view;
    for (int page = 0; page < 3; ++page) onPage[page] = Text(page * kPage + 500, 300);
    straddling = Text(2 * kPage - 100, 200);
  }
  ~ThreePages() { d->View = nullptr; }
  FreeTextObject* Text(int32_t y, int32_t height) {
    FreeTextObject* t = FreeTextObjectNew(d.get(), &d->Objects);
    t->Origin = {500, y};
    t->Size = {400, height};
    t->NeedsRedraw = 0;
    return t;
  }
};

TEST_F(PageCommandsTest, InsertingBehindAPageMovesEverythingBelowItDown) {
  ThreePages t;
  t.view.page = 1;
  const auto before = Picture(*t.d);
  ASSERT_TRUE(InsertPage(*t.d, false));
  EXPECT_EQ(t.d->PageNumber, 4);
  EXPECT_EQ(t.onPage[2]->Origin.y, 3 * kPage + 500) << "page 3 became page 4";
  EXPECT_EQ(t.onPage[2]->NeedsRedraw, 1);
  EXPECT_EQ(t.onPage[1]->Origin.y, kPage + 500);
  EXPECT_EQ(t.straddling->Origin.y, 2 * kPage - 100) << "an object across the boundary stays";
  EXPECT_EQ(t.view.page, 1);
  EXPECT_EQ(t.view.pageCountChanges, 1);
  EXPECT_EQ(t.d->Modified, 1);

  ASSERT_TRUE(UndoRestore(*t.d));
  TL_EXPECT_SAME_DOCUMENT(before, *t.d);
}

TEST_F(PageCommandsTest, InsertingInFrontKeepsTheViewOnTheSameObjects) {
  ThreePages t;
  t.view.page = 1;
  const auto before = Picture(*t.d);
  ASSERT_TRUE(InsertPage(*t.d, true));
  EXPECT_EQ(t.onPage[1]->Origin.y, 2 * kPage + 500);
  EXPECT_EQ(t.onPage[0]->Origin.y, 500);
  EXPECT_EQ(t.view.page, 2);
  ASSERT_TRUE(UndoRestore(*t.d));
  TL_EXPECT_SAME_DOCUMENT(before, *t.d);
}

TEST_F(PageCommandsTest, InsertingStopsAtThePageBudgetAndOutsideFreeLayout) {
  ThreePages t;
  t.d->MaxPageCount = 3;
  EXPECT_FALSE(InsertPage(*t.d, false));
  EXPECT_EQ(sink.beeps, 1);
  EXPECT_EQ(t.d->PageNumber, 3);
  EXPECT_FALSE(UndoAvailable(*t.d));

  t.d->MaxPageCount = 50;
  t.d->Free = 0;
  EXPECT_FALSE(InsertPageEnabled(*t.d));
  EXPECT_FALSE(InsertPage(*t.d, false));
  t.d->Free = 1;
  t.d->RecordState = 1;
  EXPECT_FALSE(InsertPage(*t.d, true));
}

TEST_F(PageCommandsTest, DeletingAPageThatHoldsAnyPartOfAnObjectIsRefused) {
  for (int32_t page : {0, 1, 2}) {
    SCOPED_TRACE(page);
    ThreePages t;
    t.view.page = page;
    const auto before = Picture(*t.d);
    EXPECT_FALSE(DeletePage(*t.d));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_TRUE(sink.Showed(kObjectsRemainInPage));
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Stop);
    sink.shown.clear();
    TL_EXPECT_SAME_DOCUMENT(before, *t.d);
    EXPECT_FALSE(UndoAvailable(*t.d));
  }
}

TEST_F(PageCommandsTest, DeletingAnEmptyPageMovesTheRestUp) {
  ThreePages t;
  ObjectFree(t.onPage[0], &t.d->Objects);
  t.view.page = 0;
  ASSERT_TRUE(DeletePageEnabled(*t.d));
  const auto before = Picture(*t.d);
  ASSERT_TRUE(DeletePage(*t.d));
  EXPECT_EQ(t.d->PageNumber, 2);
  EXPECT_EQ(t.onPage[1]->Origin.y, 500);
  EXPECT_EQ(t.straddling->Origin.y, kPage - 100);
  EXPECT_EQ(t.view.page, 0);
  EXPECT_TRUE(sink.shown.empty());
  ASSERT_TRUE(UndoRestore(*t.d));
  TL_EXPECT_SAME_DOCUMENT(before, *t.d);

  // The view steps back a page when it can; a single page stays.
  ObjectListFree(t.d->Objects);
  t.view.page = 2;
  ASSERT_TRUE(DeletePage(*t.d));
  EXPECT_EQ(t.view.page, 1);
  ASSERT_TRUE(DeletePage(*t.d));
  EXPECT_EQ(t.d->PageNumber, 1);
  EXPECT_FALSE(DeletePageEnabled(*t.d));
  EXPECT_FALSE(DeletePage(*t.d));
  EXPECT_EQ(t.d->PageNumber, 1);
}

class SortImagesTest : public fixtures::EditingTest {};

struct ImageFacts {
  const char* path;
  LSize box;
  int16_t rotate;
  int64_t time;
  uint64_t size;
  uint32_t kind;
  int16_t brightness;
};

// An automatic layout of images with the given facts, and a free text
// after the second image.
DocumentPtr ImagesWith(const std::vector<ImageFacts>& facts) {
  DocumentPtr d = NewDocument();
  int n = 0;
  for (const ImageFacts& f : facts) {
    ImageObject* image = ImageObjectNew(d->DefaultImageSettings, &d->Objects);
    image->Owner = d.get();
    image->ImagePath = f.path;
    image->Size = f.box;
    image->RotateFlip = f.rotate;
    image->CreationTime = f.time;
    image->LastWriteTime = -f.time;
    image->FileSize = f.size;
    image->FileKind = f.kind;
    image->AverageBrightness = f.brightness;
    if (++n == 2) FreeTextObjectNew(d.get(), &d->Objects)->String = "between";
  }
  return d;
}

DocumentPtr ImagesNamed(std::initializer_list<const char*> paths) {
  std::vector<ImageFacts> facts;
  for (const char* path : paths) facts.push_back({path, {100, 100}, 0, 0, 0, 0, 0});
  return ImagesWith(facts);
}

// The list as file names, the free text as "|".
std::string Order(const LayoutDocument& d) {
  std::string order;
  for (const LayoutObject* o : d.Objects) {
    if (!order.empty()) order += ' ';
    order += IsImage(o) ? std::string(FileNameOf(AsImage(o)->ImagePath)) : "|";
  }
  return order;
}

TEST_F(SortImagesTest, EachOrderSortsStablyAndLeavesOtherObjectsInPlace) {
  const std::vector<ImageFacts> facts = {
      ImageFacts{"/p/z/b.jpg", {300, 100}, 0, 30, 900, FourCC("TIFF"), 50},
      ImageFacts{"/p/x/a.jpg", {100, 400}, kRotate90, 10, 100, FourCC("JPEG"), 200},
      ImageFacts{"/c.jpg", {200, 200}, 0, 20, 500, FourCC("BMPf"), 10},
      ImageFacts{"/p/y/a.jpg", {250, 50}, 0, 10, 100, FourCC("JPEG"), 50},
  };
  struct Case {
    int16_t order;
    const char* after;
  } cases[] = {
      {kSortFileName, "a.jpg a.jpg | b.jpg c.jpg"},      // equal names keep their order
      {kSortFolderName, "c.jpg a.jpg | a.jpg b.jpg"},    // "/" < "/x" < "/y" < "/z"
      {kSortCreationTime, "a.jpg a.jpg | c.jpg b.jpg"},
      {kSortLastWriteTime, "b.jpg c.jpg | a.jpg a.jpg"},
      {kSortWidth, "c.jpg a.jpg | b.jpg a.jpg"},   // the turned image counts its height (400)
      {kSortHeight, "a.jpg b.jpg | a.jpg c.jpg"},  // ... and its width (100)
      {kSortFileKind, "c.jpg a.jpg | a.jpg b.jpg"},
      {kSortFileSize, "a.jpg a.jpg | c.jpg b.jpg"},
      {kSortBrightness, "c.jpg b.jpg | a.jpg a.jpg"},
      {kSortReverse, "a.jpg c.jpg | a.jpg b.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    DocumentPtr d = ImagesWith(facts);
    ASSERT_EQ(Order(*d), "b.jpg a.jpg | c.jpg a.jpg");
    const auto before = Picture(*d);
    ASSERT_TRUE(SortImages(*d, c.order));
    EXPECT_EQ(Order(*d), c.after);
    EXPECT_EQ(d->Modified, 1);
    ASSERT_TRUE(UndoRestore(*d));
    TL_EXPECT_SAME_DOCUMENT(before, *d);
  }
}

TEST_F(SortImagesTest, ReverseOrderOfFourImagesAroundAFreeText) {
  DocumentPtr d = ImagesNamed({"/1.jpg", "/2.jpg", "/3.jpg", "/4.jpg"});
  ASSERT_TRUE(SortImages(*d, kSortReverse));
  EXPECT_EQ(Order(*d), "4.jpg 3.jpg | 2.jpg 1.jpg");
}

TEST_F(SortImagesTest, ASelectedRunIsSortedAlone) {
  DocumentPtr d = ImagesNamed({"/d.jpg", "/c.jpg", "/b.jpg", "/a.jpg", "/0.jpg"});
  std::vector<LayoutObject*> objects = Members(d->Objects);  // d c | b a 0
  objects[1]->Selected = objects[3]->Selected = objects[4]->Selected = 1;
  RecountSelection(*d);
  ASSERT_TRUE(SortEnabled(*d));
  ASSERT_TRUE(SortImages(*d, kSortFileName));
  EXPECT_EQ(Order(*d), "d.jpg a.jpg | b.jpg c.jpg 0.jpg");
}

TEST_F(SortImagesTest, SortingNeedsAnAutomaticLayoutOfTwoImagesInOneSelectedRun) {
  DocumentPtr d = ImagesNamed({"/b.jpg", "/a.jpg", "/c.jpg"});
  std::vector<LayoutObject*> objects = Members(d->Objects);  // b a | c
  EXPECT_TRUE(SortEnabled(*d));
  objects[0]->Selected = objects[3]->Selected = 1;  // an unselected image between them
  EXPECT_FALSE(SortEnabled(*d));
  EXPECT_FALSE(SortImages(*d, kSortFileName));
  EXPECT_EQ(Order(*d), "b.jpg a.jpg | c.jpg");
  objects[1]->Selected = 1;
  EXPECT_TRUE(SortEnabled(*d)) << "a free text inside the run does not break it";
  EXPECT_FALSE(SortImages(*d, 7)) << "no such order";
  d->Free = 1;
  EXPECT_FALSE(SortEnabled(*d));
  EXPECT_FALSE(UndoAvailable(*d));

  DocumentPtr single = ImagesNamed({"/a.jpg"});
  EXPECT_FALSE(SortEnabled(*single));
}

}  // namespace
}  // namespace tl
