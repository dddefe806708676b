#include "layout/page_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "document/layout_document.h"
#include "layout/paper_list.h"
#include "layout/paper_table.h"

namespace tl {
namespace {

// A page side in layout units as 0.1 mm: its millimetre text (hundredths,
// rounded as LayoutToUnitText rounds them) times ten, truncated.
int32_t LayoutToTenthMillimetres(int32_t value) {
  const int64_t hundredths = (int64_t(value) * 2540 + kLayoutUnitsPerInch / 2) / kLayoutUnitsPerInch;
  return static_cast<int32_t>(hundredths / 10);
}

}  // namespace

LSize PageSizeFromPaper(int16_t orientation, int32_t paperLength, int32_t paperWidth) {
  const int32_t across = TenthMillimetresToLayout(paperWidth);
  const int32_t along = TenthMillimetresToLayout(paperLength);
  if (orientation == kPortrait) return {across, along};
  return {along, across};
}

int16_t PaperFromPageSize(const PaperList& papers, int32_t pageWidth, int32_t pageHeight, bool landscape,
                          int32_t& length, int32_t& width, int mode) {
  const int16_t orientation = landscape ? kLandscape : kPortrait;
  int32_t best = std::numeric_limits<int32_t>::max();
  const DriverPaper* bestPaper = nullptr;

  const std::vector<DriverPaper> list = papers.Papers();
  for (const DriverPaper& paper : list) {
    const LSize size = PageSizeFromPaper(orientation, paper.Length, paper.Width);
    const int32_t dx = std::abs(size.cx - pageWidth);
    const int32_t dy = std::abs(size.cy - pageHeight);
    const int32_t distance = mode == kMatchRollWidth ? (landscape ? dy : dx) : std::max(dx, dy);
    if (distance < best) {
      best = distance;
      bestPaper = &paper;
      if (distance == 0) break;
    }
  }

  if (bestPaper && best <= kPaperMatchTolerance && bestPaper->Id != kUserDefinedPaperId) {
    length = bestPaper->Length;
    width = bestPaper->Width;
    return bestPaper->Id;
  }

  int32_t largestWidth = 0, largestLength = 0;
  const bool known = papers.LargestPaper(largestWidth, largestLength);
  const LSize largest = PageSizeFromPaper(orientation, largestLength, largestWidth);
  if (!known || pageWidth > largest.cx || pageHeight > largest.cy) {
    length = width = 0;
    return 0;
  }
  const int32_t alongPaper = landscape ? pageWidth : pageHeight;
  const int32_t acrossPaper = landscape ? pageHeight : pageWidth;
  length = LayoutToTenthMillimetres(alongPaper);
  width = LayoutToTenthMillimetres(acrossPaper);
  return kUserDefinedPaperId;
}

void UpdatePageGeometry(LayoutDocument& document) {
  document.PrintableRect = PrintableRectFor(document);
  document.MaxPageCount = MaxPageCountFor(document.PageHeight, document.Banner != 0);
}

void ApplyPaperIdFallback(LayoutDocument& document) {
  if (document.PaperSizeID != 0) return;
  document.Orientation = kPortrait;
  document.PaperSizeID = kA4PaperId;
  document.PaperLength = kA4PaperLength;
  document.PaperWidth = kA4PaperWidth;
}

}  // namespace tl
