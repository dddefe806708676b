#include "document/layout_object.h"

#include <gtest/gtest.h>

#include <vector>

#include "document/layout_document.h"

namespace tl {
namespace {

std::vector<LayoutObject*> Members(const ObjectList& list) {
  std::vector<LayoutObject*> members;
  for (LayoutObject* o = list.Head; o; o = o->Next) members.push_back(o);
  return members;
}

class ObjectListTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.reset(DocumentNew(nullptr, nullptr)); }
  ImageObject* AddImage() { return ImageObjectNew(doc->DefaultImageSettings, &doc->Objects); }
  DocumentPtr doc;
};

TEST_F(ObjectListTest, ImagesAreNumberedAfterTheHighestNumber) {
  EXPECT_EQ(AddImage()->ImageNumber, 1);
  AddImage();
  ImageObject* third = AddImage();
  third->ImageNumber = 7;
  EXPECT_EQ(AddImage()->ImageNumber, 8);

  // Numbers are not reused: freeing one does not lower the next number.
  ObjectFree(third, &doc->Objects);
  EXPECT_EQ(AddImage()->ImageNumber, 9);
}

TEST_F(ObjectListTest, NewObjectsAreAppendedAsListMembersOfTheirDocument) {
  doc->DefaultImageSettings->LabelItems = 0x2;
  ImageObject* image = AddImage();
  FreeTextObject* text = FreeTextObjectNew(doc.get(), &doc->Objects);
  FreeLineObject* line = FreeLineObjectNew(doc.get(), &doc->Objects);
  EXPECT_EQ(Members(doc->Objects), (std::vector<LayoutObject*>{image, text, line}));

  EXPECT_EQ(image->ObjectRole, kRoleListMember);
  EXPECT_EQ(image->Owner, doc.get());
  EXPECT_EQ(image->NeedsRedraw, 1);
  EXPECT_EQ(image->LabelItems, 0x2) << "copied from the default image settings";
  EXPECT_EQ(text->Owner, doc.get());
  EXPECT_EQ(text->Style.FontName, "Tahoma");
  EXPECT_EQ(text->Style.LineHeight, 55);
  EXPECT_EQ(text->Style.Justify, kJustifyCenter);
  EXPECT_EQ(line->Thickness, 15);
  EXPECT_EQ(line->Length, 1417);
  EXPECT_EQ(line->Angle, 45);
}

TEST_F(ObjectListTest, TheCropMarkSetGoesToTheHeadAndOnlyIntoAListWithObjects) {
  EXPECT_EQ(CropMarkSetNew(doc.get(), &doc->Objects), nullptr);
  ImageObject* image = AddImage();
  CropMarkSet* marks = CropMarkSetNew(doc.get(), &doc->Objects);
  ASSERT_NE(marks, nullptr);
  EXPECT_EQ(Members(doc->Objects), (std::vector<LayoutObject*>{marks, image}));
  EXPECT_FALSE(IsImageOrFree(marks));
  EXPECT_TRUE(IsImageOrFree(image));
}

TEST_F(ObjectListTest, InsertBeforeReturnsThePositionAndAppendsForUnknownMembers) {
  ImageObject* a = AddImage();
  ImageObject* b = AddImage();
  FreeTextObject* text = FreeTextObjectNew(doc.get(), nullptr);
  EXPECT_EQ(ObjectInsertBefore(doc->Objects, b, text), 2);
  EXPECT_EQ(Members(doc->Objects), (std::vector<LayoutObject*>{a, text, b}));

  FreeLineObject* line = FreeLineObjectNew(doc.get(), nullptr);
  FreeLineObject stranger;
  EXPECT_EQ(ObjectInsertBefore(doc->Objects, &stranger, line), 4);
  EXPECT_EQ(Members(doc->Objects).back(), line);
  EXPECT_EQ(ObjectInsertBefore(doc->Objects, a, FreeLineObjectNew(doc.get(), nullptr)), 1);
}

TEST_F(ObjectListTest, UnlinkLeavesOtherListsAndNonMembersAlone) {
  ImageObject* a = AddImage();
  ImageObject* b = AddImage();
  ImageObject* c = AddImage();
  ObjectUnlink(doc->Objects, b);
  EXPECT_EQ(Members(doc->Objects), (std::vector<LayoutObject*>{a, c}));
  ObjectUnlink(doc->Objects, b);  // not in the list any more
  EXPECT_EQ(Members(doc->Objects), (std::vector<LayoutObject*>{a, c}));
  EXPECT_FALSE(ObjectInList(doc->Objects, b));
  ObjectFree(b, nullptr);
  ObjectFree(c, &doc->Objects);
  EXPECT_EQ(Members(doc->Objects), (std::vector<LayoutObject*>{a}));
}

TEST_F(ObjectListTest, ClonesAreUnlinkedCopiesOfEveryKind) {
  ImageObject* image = AddImage();
  image->CaptionString = "original";
  FreeTextObject* text = FreeTextObjectNew(doc.get(), &doc->Objects);
  text->String = "text";
  AddImage();
  for (LayoutObject* o : Members(doc->Objects)) {
    LayoutObject* copy = ObjectClone(*o);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ObjectKind, o->ObjectKind);
    EXPECT_EQ(copy->Next, nullptr);
    ObjectFree(copy, nullptr);
  }
  auto* copy = AsImage(ObjectClone(*image));
  copy->CaptionString = "copy";
  EXPECT_EQ(image->CaptionString, "original");
  ObjectFree(copy, nullptr);
}

TEST(ObjectKinds, CastsRefuseOtherKinds) {
  ImageObject image;
  FreeTextObject text;
  FreeLineObject line;
  EXPECT_EQ(AsImage(&image), &image);
  EXPECT_EQ(AsImage(static_cast<LayoutObject*>(&text)), nullptr);
  EXPECT_EQ(AsFreeText(static_cast<LayoutObject*>(&line)), nullptr);
  EXPECT_EQ(AsFreeLine(static_cast<LayoutObject*>(&line)), &line);
  EXPECT_TRUE(IsFreeElement(&text));
  EXPECT_TRUE(IsFreeElement(&line));
  EXPECT_FALSE(IsFreeElement(&image));
  EXPECT_EQ(AsImage(static_cast<LayoutObject*>(nullptr)), nullptr);
}

TEST(FreeLineEnds, AreDerivedFromLengthAndAngle) {
  // The degree constant is a little below pi/180, so cos 180 and sin 90
  // come out just short of 1 and the truncation loses one unit.
  struct Case {
    int32_t x, y, length;
    int16_t angle;
    LPoint end1, end2;
  } cases[] = {
      {1000, 500, 1000, 0, {1001, 500}, {2000, 500}},
      {1000, 500, 1000, 90, {1500, 1}, {1500, 999}},
      {1000, 500, 1000, 180, {1999, 500}, {1001, 500}},
      {0, 0, 1417, 45, {708 - 500, -500}, {708 + 500, 500}},
      {0, 0, 100, -30, {50 - 43, 25}, {50 + 43, -24}},
  };
  for (const Case& c : cases) {
    FreeLineObject line;
    line.Anchor = {c.x, c.y};
    line.Length = c.length;
    line.Angle = c.angle;
    UpdateFreeLineEnds(line);
    EXPECT_EQ(line.End1, c.end1) << "angle " << c.angle;
    EXPECT_EQ(line.End2, c.end2) << "angle " << c.angle;
  }
}

}  // namespace
}  // namespace tl
