// The arrangement pass and its relatives: ArrangeLayout flows the images of
// a document (automatic layout) and keeps free objects inside the layout
// area; LayoutFits and CanPlaceImage are dry runs of the flow;
// PlaceNewObject places one object that was just linked into the list.
#pragma once

#include <cstdint>

#include "document/layout_document.h"
#include "layout/flow_engine.h"

namespace tl {

// The x of an object that has not been placed yet.
constexpr int32_t kUnplacedX = -32768;

// The arrangement pass, run after every change that can move objects. Does
// nothing unless the document is live.
void ArrangeLayout(LayoutDocument& document);

// A dry run of the flow: false when the images need more than MaxPageCount
// pages. Always true in free layout, where nothing flows.
bool LayoutFits(const LayoutDocument& document);

// Where the flow of a series of appended objects resumes: the first row of
// the last page, as the previous placement left it. A caller that appends
// many objects in a row (Get Image) keeps one cursor for the series, so each
// append re-flows only the last page instead of the whole list. The cursor
// stays valid while nothing but CanPlaceImage/PlaceNewObject with this
// cursor changes the list or the objects in it; it notices appends in
// another place and changed flow settings and starts afresh then.
struct FlowCursor {
  const LayoutDocument* document = nullptr;
  FlowFrame frame;
  LayoutObject* tail = nullptr;       // the object the next append follows
  LayoutObject* firstImage = nullptr;
  LayoutObject* pageStart = nullptr;  // null: nothing known
  int64_t pageStartY = 0;
  bool pagesCounted = false;  // the page count was brought up to date since
};

// A dry run of the flow from the row that `object` (an image just linked
// into its owner's list) would join: false when it would overflow the page
// budget. Always true in free layout.
bool CanPlaceImage(const LayoutObject& object, FlowCursor* cursor = nullptr);

// Places one object that was just linked into its owner's list. Automatic
// layout re-flows from the page the object joins; an object the flow does
// not place (and any object in free layout) whose x is kUnplacedX is
// centred in the part of the current page the view shows, or put at the
// printable top-left corner without a view.
void PlaceNewObject(LayoutObject& object, FlowCursor* cursor = nullptr);

}  // namespace tl
