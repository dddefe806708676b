// Page geometry: the page size from the printer's paper and orientation,
// the driver paper that matches a page, and the printable rectangle and
// page limit that follow from the page size.
#pragma once

#include <cstdint>

#include "document/geometry.h"

namespace tl {

struct LayoutDocument;
class PaperList;

// Matching modes of PaperFromPageSize.
enum PaperMatchMode : int {
  kMatchBothSides = 0,
  kMatchRollWidth = 1,  // banners: only the roll width matters
};

// Largest distance (layout units) at which a driver paper still matches.
constexpr int32_t kPaperMatchTolerance = 5;

// Page width and height in layout units for a paper of the given length and
// width (0.1 mm); landscape swaps them.
LSize PageSizeFromPaper(int16_t orientation, int32_t paperLength, int32_t paperWidth);

// The driver paper for a page: its id with its length and width (0.1 mm);
// 256 with the page's own size when no paper matches but the page fits the
// largest paper; 0 (and sizes 0) when the page is larger than every paper.
int16_t PaperFromPageSize(const PaperList& papers, int32_t pageWidth, int32_t pageHeight, bool landscape,
                          int32_t& length, int32_t& width, int mode = kMatchBothSides);

// PrintableRect and MaxPageCount from the page size, margins and Banner.
void UpdatePageGeometry(LayoutDocument& document);

// After a driver query left no paper id, the document becomes portrait A4.
void ApplyPaperIdFallback(LayoutDocument& document);

}  // namespace tl
