// The arrangement analysis behind Fotoba cut marks: whether the block of
// images can be cut apart in two passes of straight cuts, in which
// direction the through cuts run, how far outside the block the outer
// marks lie, and where the cuts inside each band are.
//
// The block is cut either in rows (cuts across its whole width first, then
// across each row band), in columns (the same turned), or as a grid, where
// every cut runs through the whole block. Cut positions are the centres of
// the interspaces, relative to the block's top-left corner.
#pragma once

#include <cstdint>
#include <vector>

#include "document/layout_document.h"

namespace tl {

enum FotobaOrientationCode : int16_t {
  kFotobaNone = 0,
  kFotobaRows = 1,
  kFotobaColumns = 2,
  kFotobaGrid = 3,
};

// An uncovered run between images along one axis.
struct Interspace {
  int32_t centre = 0;  // relative to the block's start on that axis
  int32_t width = 0;   // length of the run

  friend bool operator==(const Interspace&, const Interspace&) = default;
};

struct FotobaArrangement {
  int16_t orientation = kFotobaNone;
  int32_t outerDistance = 0;
  LRect block;                             // union of the images
  std::vector<Interspace> rowInterspaces;     // run across the whole block, top to bottom
  std::vector<Interspace> columnInterspaces;  // run down the whole block, left to right
  // Per band (row bands for rows and grids, column bands for columns), the
  // interspaces that cut it apart across the other axis.
  std::vector<std::vector<Interspace>> bandInterspaces;
};

// Analyses a block of image rectangles (page-absolute). `fallbackDistance`
// is the outer distance of a block without any interspace (one image).
// False, with orientation kFotobaNone, when the block cannot be cut apart
// or needs more cut positions than a crop mark set holds.
bool AnalyseFotobaBlock(const std::vector<LRect>& images, int32_t fallbackDistance, FotobaArrangement& out);

// The analysis of a document's images. Fotoba marks need automatic layout
// with rows aligned left, right or centre, and a live document. A single
// image gets its outer marks at half the smaller of the two spacings.
bool FotobaArrangementFor(const LayoutDocument& document, FotobaArrangement& out);

// The band interspaces as a crop mark set keeps them: the centres of each
// band, every band followed by a 0.
std::vector<int32_t> BandCentreList(const FotobaArrangement& arrangement);

}  // namespace tl
