// The status texts of a layout window: the document summary after an edit,
// the size of objects being moved or resized, the progress of files being
// added or previews being updated, and the failures at the end of an add.
#pragma once

#include <cstdint>
#include <string>

namespace tl {

struct LayoutDocument;

enum StatusKind : int {
  kStatusSummary = 1,   // "P = page / pages  width X height unit"
  kStatusMoving = 2,    // A x B, the moved objects' size
  kStatusResizing = 3,
  kStatusLoading = 4,   // A files added so far
  kStatusUpdating = 6,  // A of B previews updated
  kStatusFailures = 7,  // -B of A - B files failed
};

// What a view keeps for its status line: its zoom, its page and the two
// values A and B that long operations count in.
struct StatusValues {
  int32_t ZoomNumerator = 1;
  int32_t ZoomDenominator = 1;
  int32_t CurrentPage = 0;  // counted from 0
  int32_t A = 0;
  int32_t B = 0;
};

// The text of status `kind`; empty for a kind without text, and for the
// summary without a document.
std::string StatusText(const LayoutDocument* document, const StatusValues& values, int kind);

}  // namespace tl
