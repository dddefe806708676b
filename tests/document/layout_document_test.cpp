#include "document/layout_document.h"

#include <gtest/gtest.h>

#include "document/view_link.h"

namespace tl {
namespace {

struct FakeView final : ViewLink {
  int32_t page = 0;
  int invalidations = 0;
  int pageCountChanges = 0;
  int32_t CurrentPage() const override { return page; }
  void SetCurrentPage(int32_t p) override { page = p; }
  void Invalidate() override { ++invalidations; }
  void InvalidateArea(const LRect&) override {}
  void PageCountChanged() override { ++pageCountChanges; }
};

ImageObject* AddImageAt(LayoutDocument& d, int32_t y, int32_t height) {
  ImageObject* image = ImageObjectNew(d.DefaultImageSettings, &d.Objects);
  image->Origin = {100, y};
  image->Size = {500, height};
  return image;
}

TEST(DocumentNew, ANewDocumentIsPortraitA4WithTheDefaultLayout) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->PageWidth, 2976);
  EXPECT_EQ(d->PageHeight, 4209);
  EXPECT_EQ(d->PrintableRect, (LRect{45, 45, 2931, 4009}));
  EXPECT_EQ(d->MaxPageCount, 50);
  EXPECT_EQ(d->PageNumber, 1);
  EXPECT_EQ(d->PaperSizeID, 9);
  EXPECT_EQ(d->PaperTableIndex, 16);
  EXPECT_EQ(d->Free, 0);
  EXPECT_EQ(d->AlignHorizontal, kAlignCenter);
  EXPECT_EQ(d->AlignLine, kAlignBottom);
  EXPECT_EQ(d->AlignVertical, kAlignTop);
  EXPECT_EQ(d->AlignHorizontalSpacing, 70);
  EXPECT_EQ(d->AlignVerticalSpacing, 70);
  EXPECT_EQ(d->DisplayUnitName, "mm");
  EXPECT_EQ(d->HeaderFooterStyle.FontSize, 50);
  EXPECT_EQ(d->HeaderFooterStyle.LineHeight, 55);
  EXPECT_TRUE(d->HeaderFooterStyle.FontName.empty());
  EXPECT_EQ(d->OutputPrinterControls, kByPrinterDriver);
  EXPECT_EQ(d->Header.Offset, 69);

  ASSERT_NE(d->DefaultImageSettings, nullptr);
  EXPECT_EQ(d->DefaultImageSettings->ObjectRole, kRoleDefaultSettings);
  EXPECT_EQ(d->DefaultImageSettings->Owner, d.get());
  EXPECT_EQ(d->DefaultImageSettings->Size, (LSize{1260, 1260}));
  EXPECT_EQ(d->DefaultImageSettings->LabelFontName, "Tahoma");
  EXPECT_TRUE(d->Objects.Empty());
}

TEST(DocumentNew, ACopyDuplicatesSettingsButNotObjectsOrViewLinks) {
  DocumentPtr source(DocumentNew(nullptr, nullptr));
  source->Comment = "proof sheet";
  source->Header.Text = "Client A";
  source->DefaultImageSettings->CaptionString = "caption";
  source->DefaultImageSettings->LabelItems = 0x3;
  AddImageAt(*source, 45, 500);
  FakeView view;
  source->View = &view;
  source->CurrentImage = AsImage(source->Objects.Head);

  DocumentList list;
  LayoutDocument* copy = DocumentNew(source.get(), &list);
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(copy->Comment, "proof sheet");
  EXPECT_EQ(copy->Header.Text, "Client A");
  EXPECT_TRUE(copy->Objects.Empty());
  EXPECT_EQ(copy->View, nullptr);
  EXPECT_EQ(copy->CurrentImage, nullptr);
  ASSERT_NE(copy->DefaultImageSettings, source->DefaultImageSettings);
  EXPECT_EQ(copy->DefaultImageSettings->Owner, copy);
  EXPECT_EQ(copy->DefaultImageSettings->CaptionString, "caption");
  EXPECT_EQ(copy->DefaultImageSettings->LabelItems, 0x3);

  // The copy's strings are its own.
  source->DefaultImageSettings->CaptionString = "changed";
  EXPECT_EQ(copy->DefaultImageSettings->CaptionString, "caption");
  DocumentFree(copy, &list);
  EXPECT_TRUE(list.empty());
  source->View = nullptr;
}

TEST(DocumentNew, AUserDefinedPageFollowsThePaperSize) {
  DocumentPtr source(DocumentNew(nullptr, nullptr));
  source->UserDefinedPageInUse = 1;
  source->PaperLength = 2794;  // US Letter, 0.1 mm
  source->PaperWidth = 2159;
  source->Orientation = kLandscape;
  DocumentPtr d(DocumentNew(source.get(), nullptr));
  EXPECT_EQ(d->PageWidth, 3960);
  EXPECT_EQ(d->PageHeight, 3060);
  EXPECT_EQ(d->PrintableRect, (LRect{45, 45, 3960 - 45, 3060 - 200}));

  // A missing paper size falls back to portrait A4.
  source->PaperLength = 0;
  DocumentPtr a4(DocumentNew(source.get(), nullptr));
  EXPECT_EQ(a4->Orientation, kPortrait);
  EXPECT_EQ(a4->PageWidth, 2976);
  EXPECT_EQ(a4->PageHeight, 4209);
}

TEST(MaxPageCount, FollowsThePageHeightWithinFifteenMetres) {
  struct Case {
    int32_t pageHeight;
    bool banner;
    int16_t expected;
  } cases[] = {
      {4209, false, 50},    // A4 portrait
      {2976, false, 71},    // A4 landscape
      {212598, false, 1},   // exactly the length limit
      {300000, false, 1},   // longer than the limit still gives one page
      {4209, true, 1},      // banners are one long page
      {100000, true, 1},
      {1, false, 32767},    // capped to what the page counter holds
  };
  for (const Case& c : cases)
    EXPECT_EQ(MaxPageCountFor(c.pageHeight, c.banner), c.expected) << c.pageHeight << " banner " << c.banner;
}

TEST(UpdatePageCount, PagesFollowTheLowestObjectInAutomaticLayout) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  FakeView view;
  d->View = &view;

  ImageObject* image = AddImageAt(*d, 4209 * 2 + 10, 500);  // lies on the third page
  UpdatePageCount(*d);
  EXPECT_EQ(d->PageNumber, 3);
  EXPECT_EQ(view.pageCountChanges, 1);

  view.page = 2;
  image->Origin.y = 45;
  image->Size.cy = 4209 - 45;  // bottom exactly on the first page boundary
  UpdatePageCount(*d);
  EXPECT_EQ(d->PageNumber, 1);
  EXPECT_EQ(view.page, 0) << "the view is pulled back to the last page";

  // No more pages than MaxPageCount.
  AddImageAt(*d, 4209 * 60, 500);
  UpdatePageCount(*d);
  EXPECT_EQ(d->PageNumber, d->MaxPageCount);
  d->View = nullptr;
}

TEST(UpdatePageCount, FreeLayoutKeepsThePagesTheUserSet) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->Free = 1;
  d->PageNumber = 4;
  AddImageAt(*d, 100, 100);
  UpdatePageCount(*d);
  EXPECT_EQ(d->PageNumber, 4);

  // Records that are not live documents are left alone.
  d->Free = 0;
  d->RecordState = 0;
  UpdatePageCount(*d);
  EXPECT_EQ(d->PageNumber, 4);
}

TEST(UpdatePageCount, AnEmptyLayoutHasOnePage) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->PageNumber = 3;
  UpdatePageCount(*d);
  EXPECT_EQ(d->PageNumber, 1);
}

TEST(TenthMillimetres, ConvertThroughMillimetresRoundingHalfAwayFromZero) {
  EXPECT_EQ(TenthMillimetresToLayout(2100), 2976);
  EXPECT_EQ(TenthMillimetresToLayout(2970), 4209);
  EXPECT_EQ(TenthMillimetresToLayout(-49), -69);
  EXPECT_EQ(TenthMillimetresToLayout(0), 0);
}

TEST(DocumentFree, FreesEveryObjectAndTheDefaultSettingsOnce) {
  // ASan reports a leak or double free if any object is missed or freed twice.
  LayoutDocument* d = DocumentNew(nullptr, nullptr);
  AddImageAt(*d, 0, 100)->CaptionString = std::string(300, 'c');
  FreeTextObjectNew(d, &d->Objects)->String = "free text";
  FreeLineObjectNew(d, &d->Objects);
  ASSERT_NE(CropMarkSetNew(d, &d->Objects), nullptr);
  EXPECT_EQ(ObjectCount(d->Objects), 4);
  DocumentFree(d, nullptr);
  DocumentFree(nullptr, nullptr);
}

}  // namespace
}  // namespace tl
