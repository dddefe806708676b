// The flow engine of automatic layout: images flow in list order into rows
// that fill the printable width, rows stack down the page with a fixed gap,
// and a row that does not fit starts the next page. The arrangement pass,
// the feasibility checks and the placing of new objects all drive it; on
// its own it keeps no state between runs.
#pragma once

#include <cstdint>

#include "document/layout_document.h"
#include "document/object_geometry.h"

namespace tl {

// What one flow works with, taken from the document when it starts: the
// printable rectangle of a page (page-relative, the header and footer bands
// taken out), the page height and budget, the spacings and alignments.
struct FlowFrame {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t pageHeight = 0;
  int32_t maxPages = 1;
  int32_t horizontalSpacing = 0;
  int32_t verticalSpacing = 0;
  int32_t alignHorizontal = kAlignCenter;
  int32_t alignLine = kAlignBottom;
  int32_t alignVertical = kAlignTop;

  friend bool operator==(const FlowFrame&, const FlowFrame&) = default;
};

FlowFrame FlowFrameFor(const LayoutDocument& document);

// True when the document's images flow: a live document in automatic
// layout with a usable page height.
bool DocumentFlows(const LayoutDocument& document);

// Flow membership by kind. Free texts and lines never take part; the
// row-breaking kinds end a row (no kind has them today); images take the
// computed positions; anything else occupies a cell without moving.
inline bool SkippedByFlow(const LayoutObject* o) { return (o->ObjectKind & (kKindFreeText | kKindFreeLine)) != 0; }
inline bool EndsFlowRow(const LayoutObject* o) { return (o->ObjectKind & 0xC) != 0; }
inline bool PlacedByFlow(const LayoutObject* o) { return (o->ObjectKind & 0x3) != 0; }

// The first object of the list that the flow places, `ignored` left out.
LayoutObject* FirstFlowImage(const ObjectList& list, const LayoutObject* ignored = nullptr);

// One row: the objects from `first` up to (not including) `end`.
struct FlowRow {
  LayoutObject* first = nullptr;
  LayoutObject* end = nullptr;       // where the next row starts; null at the list end
  LayoutObject* lastCell = nullptr;  // the last object that took a cell
  LayoutObject* lastObject = nullptr;  // the last object the row walked over
  int64_t width = 0;                 // cells and the gaps between them
  int64_t height = 0;
  int32_t rowMax = 0;                // tallest cell
  int32_t cells = 0;
  bool endsBlock = false;            // last row of a justified block
  bool holdsIgnored = false;         // walked over the ignored object
};

// One run of the flow from a given row on. A dry run computes the rows and
// their places without writing anything; a placing run writes Origin and
// NeedsRedraw of the images it places.
class FlowRun {
 public:
  enum Mode { kDryRun, kPlace };

  // `firstImage` is the first image of the whole list (its row never moves
  // to the next page); `ignored` is an object the run treats as absent.
  FlowRun(const FlowFrame& frame, const LayoutObject* firstImage, Mode mode,
          const LayoutObject* ignored = nullptr);

  // Starts at the row beginning with `start`, whose top before placement is
  // `y` (page-absolute).
  void Start(LayoutObject* start, int64_t y);

  // Builds and places the next row; false when the list is exhausted.
  bool Step();

  // Runs to the end of the list; with `stopOnOverflow` as soon as a row
  // overflows the page budget.
  void Run(bool stopOnOverflow);

  bool Overflowed() const { return overflow_; }
  const FlowRow& LastRow() const { return row_; }

  // The first row of the page the last placed row lies on, and its top as
  // it was before placement: a later run started there re-places that page
  // exactly as this one did.
  LayoutObject* PageStart() const { return pageStart_; }
  int64_t PageStartY() const { return pageStartY_; }
  // The lowest bottom edge of the images placed so far.
  int64_t LowestBottom() const { return lowestBottom_; }

 private:
  FlowRow BuildRow(LayoutObject* start) const;
  void PlaceRow(const FlowRow& row);
  void PlaceCells(const FlowRow& row, int64_t top);
  int64_t CellWidth(const LayoutObject* o) const;

  FlowFrame frame_;
  const LayoutObject* firstImage_;
  Mode mode_;
  const LayoutObject* ignored_;

  LayoutObject* next_ = nullptr;
  int64_t y_ = 0;
  bool overflow_ = false;
  FlowRow row_;
  LayoutObject* pageStart_ = nullptr;
  int64_t pageStartY_ = 0;
  int64_t pageStartPage_ = -1;
  int64_t lowestBottom_ = 0;
};

// Moves the block of images of each page down for bottom (by the room left
// under it) or centre (by half that) block alignment, starting at `from`,
// the first image of a page. Pages are told apart in list order by the page
// each image's top lies on.
void AlignPageBlocks(const FlowFrame& frame, LayoutObject* from);

}  // namespace tl
