// Dragging in the layout view: moving the selection by its body, resizing
// the selected images by a handle, and moving one end of a free line. A
// drag is a plain record of where everything was when the button went
// down; each step puts the objects where the pointer's whole movement
// takes them, so nothing drifts however many steps there are.
//
// The first movement takes the undo snapshot (a drag whose snapshot fails
// moves nothing); Escape undoes, the right button ends without undo, and
// the release drops (automatic layout: before the image under the
// pointer), snaps at the grid and arranges the layout again.
#pragma once

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

#include "document/edit_services.h"
#include "document/layout_document.h"
#include "layout/layout_services.h"
#include "render/view_geometry.h"
#include "render/view_hit_test.h"
#include "render/view_zoom.h"

namespace tl {

// A resized image keeps at least 10 mm of picture inside its frame; the
// tracker at least 12 pixels in each dragged direction.
constexpr int32_t kMinPictureSide = 142;
constexpr int kMinTrackerPixels = 12;
// A free line keeps a length the free line dialog accepts: 10 mm to 15 m.
constexpr int32_t kMinLineLength = 142;
constexpr int32_t kMaxLineLength = 212598;

enum class DragKind : int16_t { None, Move, Resize, LineEnd };

// An object as it was when the drag started.
struct DragOrigin {
  LayoutObject* Object = nullptr;
  LPoint Origin;
  LSize Size;
  LPoint End1;  // free lines
  LPoint End2;
};

struct ViewDrag {
  DragKind Kind = DragKind::None;
  LayoutObject* Grabbed = nullptr;  // the object under the pointer
  int Code = kHitNothing;
  QPoint Start;     // where the button went down (device pixels)
  QPoint Limited;   // where the limits held the pointer at the last step
  QRect StartBox;   // resize: the grabbed image's device rectangle
  LSize Offset;     // move: the layout offset of the last step
  bool Moved = false;  // the undo snapshot was taken
  std::vector<DragOrigin> Objects;
};

// Grid snapping on release.
struct SnapGrid {
  bool On = false;
  LSize Pitch;
};

// What a drag needs from the layers above: the arrangement pass, image
// numbers and undo (`Edit`), and the labels of resized images (`Layout`).
struct DragServices {
  EditServices& Edit;
  LayoutServices& Layout;
};

inline bool Dragging(const ViewDrag& drag) { return drag.Kind != DragKind::None; }

// Starts a drag of `hit` (an object the click left selected) from `point`:
// the body moves every selected object, an image's handle resizes every
// selected image, a free line's end moves that end. False when there is
// nothing to drag there.
bool BeginDrag(ViewDrag& drag, const ViewGeometry& geometry, const ViewHit& hit, QPoint point);

// The pointer moved to `point`. False when the drag ended because the
// undo snapshot failed (nothing moved).
bool DragTo(ViewDrag& drag, const ViewGeometry& geometry, QPoint point, DragServices services);

// The button released at `point`.
void FinishDrag(ViewDrag& drag, const ViewGeometry& geometry, QPoint point, const SnapGrid& snap,
                DragServices services);
// Escape: everything back where it was when the mouse had moved.
void CancelDrag(ViewDrag& drag, LayoutDocument& document, DragServices services);
// The right button: the drag ends where it is, nothing dropped or snapped.
void AbandonDrag(ViewDrag& drag, LayoutDocument& document, DragServices services);

// The status line while dragging: kind 2 (moving) with the grabbed
// object's place on its page, or 3 (resizing) with the grabbed image's
// size, A and B counted at the zoom (value x numerator / denominator).
struct DragStatus {
  int Kind = 0;
  int32_t A = 0;
  int32_t B = 0;
};
DragStatus DragStatusOf(const ViewDrag& drag, const LayoutDocument& document, ZoomRatio zoom);

}  // namespace tl
