#include "layout/page_geometry.h"

#include <gtest/gtest.h>

#include "document/layout_document.h"
#include "layout/paper_list.h"

namespace tl {
namespace {

class FixedPapers final : public PaperList {
 public:
  FixedPapers(std::vector<DriverPaper> papers, int32_t largestWidth, int32_t largestLength)
      : papers_(std::move(papers)), width_(largestWidth), length_(largestLength) {}
  std::vector<DriverPaper> Papers() const override { return papers_; }
  bool LargestPaper(int32_t& width, int32_t& length) const override {
    width = width_;
    length = length_;
    return width_ > 0;
  }

 private:
  std::vector<DriverPaper> papers_;
  int32_t width_, length_;
};

TEST(PageSizeFromPaper, TurnsDriverPaperIntoThePage) {
  EXPECT_EQ(PageSizeFromPaper(kPortrait, 2970, 2100), (LSize{2976, 4209}));
  EXPECT_EQ(PageSizeFromPaper(kLandscape, 2970, 2100), (LSize{4209, 2976}));
  EXPECT_EQ(PageSizeFromPaper(kPortrait, 2794, 2159), (LSize{3060, 3960}));
}

TEST(PaperFromPageSize, MatchesTheNearestPaperWithinFiveUnits) {
  int32_t length = 0, width = 0;
  EXPECT_EQ(PaperFromPageSize(BuiltInPaperList(), 2976, 4209, false, length, width), 9);
  EXPECT_EQ(length, 2970);
  EXPECT_EQ(width, 2100);

  EXPECT_EQ(PaperFromPageSize(BuiltInPaperList(), 4209, 2976, true, length, width), 9);
  // Five units off still matches, six does not.
  EXPECT_EQ(PaperFromPageSize(BuiltInPaperList(), 2981, 4204, false, length, width), 9);
  EXPECT_EQ(PaperFromPageSize(BuiltInPaperList(), 2982, 4209, false, length, width), 256);
}

TEST(PaperFromPageSize, FallsBackToAUserPaperOrNone) {
  const FixedPapers papers({{9, 2100, 2970, "A4"}, {13, 1820, 2570, "B5"}}, 2100, 2970);
  int32_t length = -1, width = -1;

  // Smaller than the largest paper: a user-defined paper of the page's size.
  EXPECT_EQ(PaperFromPageSize(papers, 2000, 3000, false, length, width), 256);
  EXPECT_EQ(width, 1411);   // 141.11 mm
  EXPECT_EQ(length, 2116);  // 211.66 mm

  // Larger than every paper: nothing fits.
  EXPECT_EQ(PaperFromPageSize(papers, 3000, 5000, false, length, width), 0);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(width, 0);

  // A driver that lists nothing matches nothing.
  const FixedPapers none({}, 0, 0);
  EXPECT_EQ(PaperFromPageSize(none, 2976, 4209, false, length, width), 0);
}

TEST(PaperFromPageSize, ADriverUserPaperIsNeverTakenAsAMatch) {
  const FixedPapers papers({{256, 2100, 2970, "User"}, {9, 2100, 2970, "A4"}}, 2100, 2970);
  int32_t length = 0, width = 0;
  // The first of two equal papers wins; being id 256, it leads to the fallback.
  EXPECT_EQ(PaperFromPageSize(papers, 2976, 4209, false, length, width), 256);
}

TEST(PaperFromPageSize, BannersMatchOnTheRollWidthOnly) {
  const FixedPapers rolls({{700, 2100, 30000, "Roll 210 mm"}, {701, 3290, 30000, "Roll 329 mm"}}, 3290, 150000);
  int32_t length = 0, width = 0;
  EXPECT_EQ(PaperFromPageSize(rolls, 2976, 60000, false, length, width, kMatchRollWidth), 700);
  EXPECT_EQ(PaperFromPageSize(rolls, 60000, 4663, true, length, width, kMatchRollWidth), 701);
  // Matched on both sides the long page fits no roll.
  EXPECT_EQ(PaperFromPageSize(rolls, 2976, 60000, false, length, width), 256);
}

TEST(UpdatePageGeometry, FollowsPageMarginsAndBanner) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->PageWidth = 4209;
  d->PageHeight = 2976;
  d->PrinterMargins = {10, 20, 30, 40};
  UpdatePageGeometry(*d);
  EXPECT_EQ(d->PrintableRect, (LRect{10, 20, 4179, 2936}));
  EXPECT_EQ(d->MaxPageCount, 71);

  d->Banner = 1;
  d->PageHeight = 100000;
  UpdatePageGeometry(*d);
  EXPECT_EQ(d->MaxPageCount, 1);
}

TEST(ApplyPaperIdFallback, MakesADocumentWithoutPaperPortraitA4) {
  DocumentPtr d(DocumentNew(nullptr, nullptr));
  d->PaperSizeID = 0;
  d->Orientation = kLandscape;
  ApplyPaperIdFallback(*d);
  EXPECT_EQ(d->Orientation, kPortrait);
  EXPECT_EQ(d->PaperSizeID, 9);
  EXPECT_EQ(d->PaperLength, 2970);
  EXPECT_EQ(d->PaperWidth, 2100);
}

}  // namespace
}  // namespace tl
