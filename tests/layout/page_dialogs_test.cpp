// The page dialogs without their widgets: Page Margins, Image Alignment,
// Automatic Rotation, the banner Length and Specified Page, each opened on
// a document, changed and confirmed, with their refusals.
#include <gtest/gtest.h>

#include "document/undo_store.h"
#include "layout/arrange.h"
#include "layout/auto_rotation_setting.h"
#include "layout/banner_length.h"
#include "layout/image_alignment.h"
#include "layout/page_geometry.h"
#include "layout/page_margins.h"
#include "layout/go_to_page.h"
#include "layout/typed_length.h"
#include "layout/units.h"
#include "tests/layout/layout_fixtures.h"

namespace tl {
namespace {

using fixtures::AddBox;
using fixtures::EditingTest;
using fixtures::NewDocument;

constexpr int kOutOfRange = 10410;

class PageMargins : public EditingTest {
 protected:
  PageMargins() {
    d->PrinterMargins = {45, 45, 45, 200};
    d->LayoutMargin = {100, 110, 120, 130};
    d->LayoutMarginMode = kMarginsManual;
  }
  DocumentPtr d = NewDocument();
};

TEST_F(PageMargins, OpensOnTheMarginsInForceInTheDocumentsUnit) {
  PageMarginsValues v = OpenPageMargins(*d);
  EXPECT_EQ(v.Mode, kMarginsManual);
  EXPECT_EQ(v.Unit, kUnitMillimetre);
  EXPECT_EQ(v.Texts[kMarginLeft], LengthText(100, kUnitMillimetre));
  EXPECT_EQ(v.Texts[kMarginBottom], LengthText(130, kUnitMillimetre));
  ChoosePageMarginsUnit(v, kUnitInch);
  EXPECT_EQ(v.Texts[kMarginTop], LengthText(110, kUnitInch));
  ChoosePageMarginsMode(v, *d, kMarginsFromPrinter);
  EXPECT_EQ(v.Texts[kMarginBottom], LengthText(200, kUnitInch)) << "mode 0 shows the printer's margins";

  d->LayoutMarginMode = kMarginsFromPrinter;
  d->DisplayUnit = kUnitInch;
  v = OpenPageMargins(*d);
  EXPECT_EQ(v.Unit, kUnitInch);
  EXPECT_EQ(v.Texts[kMarginRight], LengthText(45, kUnitInch));
}

TEST_F(PageMargins, RefusesWhatThePrinterOrThePageCannotTake) {
  struct Case {
    const char* what;
    std::array<int32_t, 4> sides;  // layout units, typed in mm
    const char* typedLeft;         // replaces the left text when set
    int badSide;
  } cases[] = {
      {"zero on every side", {0, 0, 0, 0}, nullptr, kMarginLeft},
      {"a bottom narrower than the printer's", {45, 45, 45, 199}, nullptr, kMarginBottom},
      {"left and right exactly the page width", {1488, 45, 1488, 200}, nullptr, -1},
      {"one unit more than the page width", {1489, 45, 1488, 200}, nullptr, kMarginLeft},
      {"top and bottom more than the page height", {45, 2100, 45, 2110}, nullptr, kMarginTop},
      {"letters", {45, 45, 45, 200}, "12mm", kMarginLeft},
      {"an empty edit", {45, 45, 45, 200}, "", kMarginLeft},
      {"a huge value", {45, 45, 45, 200}, "99999999999", kMarginLeft},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetUndoStore();
    PageMarginsValues v = OpenPageMargins(*d);
    const auto opened = v.Texts;
    for (int i = 0; i < 4; ++i) v.Texts[i] = LengthText(c.sides[i], v.Unit);
    if (c.typedLeft) v.Texts[kMarginLeft] = c.typedLeft;
    sink.shown.clear();
    int bad = -2;
    const bool accepted = ApplyPageMargins(v, *d, bad);
    EXPECT_EQ(accepted, c.badSide < 0);
    EXPECT_EQ(bad, c.badSide);
    if (accepted) {
      EXPECT_EQ(d->LayoutMargin, MarginsOf(c.sides));
      EXPECT_EQ(UndoChangeCode(*d), kUndoPageMargins);
      d->LayoutMargin = {100, 110, 120, 130};
      continue;
    }
    EXPECT_TRUE(sink.Showed(kOutOfRange));
    EXPECT_EQ(sink.shown.back().icon, MessageIcon::Stop);
    EXPECT_EQ(v.Texts, opened) << "the values shown at opening come back";
    EXPECT_EQ(d->LayoutMargin, (LRect{100, 110, 120, 130}));
    EXPECT_FALSE(UndoAvailable(*d));
  }
}

TEST_F(PageMargins, PrinterMarginsAreCopiedAndUndoBringsTheManualOnesBack) {
  PageMarginsValues v = OpenPageMargins(*d);
  ChoosePageMarginsMode(v, *d, kMarginsFromPrinter);
  int bad = 0;
  ASSERT_TRUE(ApplyPageMargins(v, *d, bad));
  EXPECT_EQ(d->LayoutMarginMode, kMarginsFromPrinter);
  EXPECT_EQ(d->LayoutMargin, d->PrinterMargins);
  EXPECT_EQ(d->Modified, 1);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(d->LayoutMarginMode, kMarginsManual);
  EXPECT_EQ(d->LayoutMargin, (LRect{100, 110, 120, 130}));
}

TEST_F(PageMargins, UnchangedMarginsComeBackAsTheyWere) {
  d->LayoutMargin = {47, 53, 61, 211};
  for (int unit : {int(kUnitMillimetre), int(kUnitInch)}) {
    PageMarginsValues v = OpenPageMargins(*d);
    ChoosePageMarginsUnit(v, unit);
    int bad = 0;
    ASSERT_TRUE(ApplyPageMargins(v, *d, bad));
    EXPECT_EQ(d->LayoutMargin, (LRect{47, 53, 61, 211}));
  }
}

class ImageAlignment : public EditingTest {
 protected:
  DocumentPtr d = NewDocument();
};

TEST_F(ImageAlignment, OpeningTakesTheSnapshotThatUndoRestores) {
  ImageAlignmentValues v;
  ASSERT_TRUE(OpenImageAlignment(*d, v));
  EXPECT_EQ(UndoChangeCode(*d), kUndoAlignment);
  EXPECT_EQ(v.HorizontalSpacing, LengthText(70, kUnitMillimetre));
  v.Horizontal = kAlignJustify;
  v.Vertical = kAlignBottom;
  v.Line = kAlignTop;
  v.HorizontalSpacing = "10";
  int bad = -2;
  ASSERT_TRUE(ApplyImageAlignment(v, *d, bad));
  EXPECT_EQ(d->AlignHorizontal, kAlignJustify);
  EXPECT_EQ(d->AlignVertical, kAlignBottom);
  EXPECT_EQ(d->AlignLine, kAlignTop);
  EXPECT_EQ(d->AlignHorizontalSpacing, 142);
  ASSERT_TRUE(UndoRestore(*d));
  EXPECT_EQ(d->AlignHorizontal, kAlignCenter);
  EXPECT_EQ(d->AlignHorizontalSpacing, 70);

  UndoFailNextSnapshot();
  EXPECT_FALSE(OpenImageAlignment(*d, v)) << "no dialog without its snapshot";
}

TEST_F(ImageAlignment, SpacingsStayWithinThreeQuartersOfThePrintableArea) {
  const int32_t maxH = MaxHorizontalSpacing(*d), maxV = MaxVerticalSpacing(*d);
  EXPECT_EQ(maxH, d->PrintableRect.Width() * 3 / 4);
  struct Case {
    const char* what;
    std::string horizontal, vertical;
    int bad;
    std::string corrected;  // the refused edit's text afterwards
  } cases[] = {
      {"exactly three quarters", LengthText(maxH, kUnitInch), LengthText(maxV, kUnitInch), -1, ""},
      {"one unit more", LengthText(maxH + 1, kUnitInch), "0", kHorizontalSpacing, LengthText(maxH, kUnitInch)},
      {"a vertical spacing too large", "0", "100", kVerticalSpacing, LengthText(maxV, kUnitInch)},
      {"a negative spacing", "-1", "0", kHorizontalSpacing, "0"},
      {"letters", "abc", "0", kHorizontalSpacing, LengthText(70, kUnitInch)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImageAlignmentValues v;
    ASSERT_TRUE(OpenImageAlignment(*d, v));
    ChooseAlignmentUnit(v, kUnitInch);
    v.HorizontalSpacing = c.horizontal;
    v.VerticalSpacing = c.vertical;
    sink.beeps = 0;
    int bad = -2;
    const bool accepted = ApplyImageAlignment(v, *d, bad);
    EXPECT_EQ(accepted, c.bad < 0);
    EXPECT_EQ(bad, c.bad);
    if (accepted) {
      EXPECT_EQ(d->AlignHorizontalSpacing, maxH);
      d->AlignHorizontalSpacing = d->AlignVerticalSpacing = 70;
      continue;
    }
    EXPECT_EQ(sink.beeps, 1);
    EXPECT_EQ(c.bad == kHorizontalSpacing ? v.HorizontalSpacing : v.VerticalSpacing, c.corrected);
    EXPECT_EQ(d->AlignHorizontalSpacing, 70) << "nothing is stored before OK is accepted";
  }
}

TEST_F(ImageAlignment, AcceptedAlignmentArrangesTheImagesAgain) {
  ImageObject* a = AddBox(*d, 600, 400);
  ImageObject* b = AddBox(*d, 600, 400);
  ArrangeLayout(*d);
  ImageAlignmentValues v;
  ASSERT_TRUE(OpenImageAlignment(*d, v));
  v.Horizontal = kAlignLeft;
  int bad = 0;
  ASSERT_TRUE(ApplyImageAlignment(v, *d, bad));
  EXPECT_EQ(a->Origin.x, d->PrintableRect.left);
  EXPECT_EQ(b->Origin.x, d->PrintableRect.left + 600 + 70);
}

TEST(AutoRotationSetting, StoresOnlyTheSixChoices) {
  DocumentPtr d = NewDocument();
  EXPECT_TRUE(ApplyAutoRotation(*d, 5));
  EXPECT_EQ(d->AutoRotation, 5);
  EXPECT_EQ(d->Modified, 1);
  EXPECT_FALSE(ApplyAutoRotation(*d, 6));
  EXPECT_FALSE(ApplyAutoRotation(*d, -1));
  EXPECT_EQ(d->AutoRotation, 5);
  d->RecordState = 1;  // the application default layout
  d->Modified = 0;
  EXPECT_TRUE(ApplyAutoRotation(*d, 1));
  EXPECT_EQ(d->Modified, 0);
  EXPECT_EQ(StringText(AutoRotationChoiceString(3)), "Widthways (CCW)");
}

class BannerLength : public EditingTest {
 protected:
  BannerLength() {
    d->Banner = 1;
    d->PaperLength = 1000;  // one 100 mm sheet
    d->PageHeight = 4000;
    UpdatePageGeometry(*d);
  }
  DocumentPtr d = NewDocument();
};

TEST_F(BannerLength, OpensOnlyOnBanners) {
  BannerLengthValues v;
  ASSERT_TRUE(OpenBannerLength(*d, v));
  EXPECT_EQ(v.Current, 4000);
  EXPECT_EQ(v.Max, 30000);
  EXPECT_EQ(v.Min, 1417) << "an empty layout needs one sheet";
  d->Banner = 0;
  EXPECT_FALSE(OpenBannerLength(*d, v));
}

TEST_F(BannerLength, LengthsBeyondTheLimitsAreReplacedByTheLimit) {
  BannerLengthValues v;
  ASSERT_TRUE(OpenBannerLength(*d, v));
  struct Case {
    std::string typed;
    int32_t shown;
  } cases[] = {{LengthText(30001, kUnitMillimetre), 30000}, {"99999999", 30000}, {"10", 1417}, {"-5", 1417},
               {"x", 4000}, {"", 4000}};
  for (const Case& c : cases) {
    v.Length = c.typed;
    EXPECT_FALSE(ApplyBannerLength(v, *d)) << c.typed;
    EXPECT_EQ(v.Length, LengthText(c.shown, kUnitMillimetre)) << c.typed;
  }
  EXPECT_EQ(sink.beeps, 6);
  EXPECT_EQ(d->PageHeight, 4000);
}

TEST_F(BannerLength, ANewLengthIsThePagesAndForgetsTheSnapshot) {
  ASSERT_TRUE(UndoRecord(*d, kUndoBackground));
  BannerLengthValues v;
  ASSERT_TRUE(OpenBannerLength(*d, v));
  v.Length = "500";
  ASSERT_TRUE(ApplyBannerLength(v, *d));
  EXPECT_EQ(d->PageHeight, 7087);
  EXPECT_EQ(d->LastPageHeight, 7087);
  EXPECT_EQ(d->PrintableRect.bottom, 7087 - d->PrinterMargins.bottom);
  EXPECT_EQ(d->Modified, 1);
  EXPECT_FALSE(UndoAvailable(*d));
}

TEST_F(BannerLength, FreeLayoutNeedsItsFarthestObject) {
  d->Free = 1;
  ImageObject* image = AddBox(*d, 800, 800);
  image->Origin = {100, 5200};
  BannerLengthValues v;
  ASSERT_TRUE(OpenBannerLength(*d, v));
  EXPECT_EQ(v.Min, 6000);
  d->PaperOrient = 1;  // across the roll: the length is the width
  d->PageWidth = 9000;
  image->Origin = {7000, 100};
  ASSERT_TRUE(OpenBannerLength(*d, v));
  EXPECT_EQ(v.Current, 9000);
  EXPECT_EQ(v.Min, 7800);
}

TEST_F(BannerLength, AutomaticLayoutNeedsTheLengthItsFlowFills) {
  for (int i = 0; i < 7; ++i) AddBox(*d, 1000, 1000);
  d->PageHeight = 30000;
  UpdatePageGeometry(*d);
  ArrangeLayout(*d);
  BannerLengthValues v;
  ASSERT_TRUE(OpenBannerLength(*d, v));
  // Four rows of two below the top margin, the gaps between them, and the
  // bottom margin.
  EXPECT_EQ(v.Min, 45 + 4 * 1000 + 3 * 70 + 200);
  v.Length = LengthText(v.Min, v.Unit);
  ASSERT_TRUE(ApplyBannerLength(v, *d));
  // At the minimum every image still lies on the one page.
  for (const LayoutObject* o : d->Objects) EXPECT_LE(o->Origin.y + o->Size.cy, d->PrintableRect.bottom);
}

TEST(SpecifiedPage, PagesOutsideTheLayoutAreCorrected) {
  fixtures::RecordingSink sink;
  ScopedMessageSink scope(&sink);
  struct Case {
    const char* typed;
    bool accepted;
    std::string shown;  // the edit afterwards
    int32_t page;
  } cases[] = {{"3", true, "3", 2}, {"1", true, "1", 0}, {"5", true, "5", 4}, {"0", false, "1", -1},
               {"6", false, "5", -1}, {"32000", false, "5", -1}, {"-2", false, "1", -1}, {"two", false, "2", -1},
               {"", false, "2", -1}};
  for (const Case& c : cases) {
    SpecifiedPageValues v = OpenSpecifiedPage(1, 5);
    EXPECT_EQ(v.Page, "2");
    v.Page = c.typed;
    int32_t page = -1;
    EXPECT_EQ(ApplySpecifiedPage(v, page), c.accepted) << c.typed;
    EXPECT_EQ(v.Page, c.shown) << c.typed;
    EXPECT_EQ(page, c.page) << c.typed;
  }
  EXPECT_EQ(sink.beeps, 6);
  EXPECT_EQ(PageCountText(5), "/ 5 Page");
}

}  // namespace
}  // namespace tl
