#include "render/view_selection.h"

#include "document/object_geometry.h"
#include "document/selection.h"
#include "layout/object_area.h"

namespace tl {
namespace {

// Repaints the object's place with its marks.
void Repaint(const LayoutDocument& d, const LayoutObject* o) {
  if (d.View && o) InvalidateObject(*d.View, *o);
}

void SetSelected(LayoutDocument& d, LayoutObject& o, bool selected) {
  if ((o.Selected != 0) == selected) return;
  o.Selected = selected ? 1 : 0;
  Repaint(d, &o);
}

void SetCurrentImage(LayoutDocument& d, ImageObject* image) {
  if (d.CurrentImage == image) return;
  Repaint(d, d.CurrentImage);
  d.CurrentImage = image;
  Repaint(d, image);
}

// With images selected but none current, the last selected one becomes
// current.
void KeepCurrentImage(LayoutDocument& d) {
  if (d.CurrentImage) return;
  ImageObject* last = nullptr;
  for (LayoutObject* o : d.Objects)
    if (ImageObject* image = AsImage(o); image && image->Selected) last = image;
  SetCurrentImage(d, last);
}

// Toggles an object; an image that becomes selected becomes current, one
// that is deselected stops being current.
void Toggle(LayoutDocument& d, LayoutObject& o) {
  SetSelected(d, o, !o.Selected);
  ImageObject* image = AsImage(&o);
  if (!image) return;
  if (image->Selected) SetCurrentImage(d, image);
  else if (d.CurrentImage == image) SetCurrentImage(d, nullptr);
}

// The rectangle the band must hold: the box of an image or a free text,
// the span of a free line's ends.
LRect SelectableArea(const LayoutObject& o) {
  if (const FreeLineObject* line = AsFreeLine(&o)) {
    BoundingBox box;
    box.Add({line->End1.x, line->End1.y, line->End1.x, line->End1.y});
    box.Add({line->End2.x, line->End2.y, line->End2.x, line->End2.y});
    return box.area;
  }
  return ObjectArea(o);
}

bool StrictlyInside(const QRect& inner, const QRect& outer) {
  return inner.left() > outer.left() && inner.top() > outer.top() && inner.right() < outer.right() &&
         inner.bottom() < outer.bottom();
}

}  // namespace

bool ClearViewSelection(LayoutDocument& d) {
  bool changed = d.CurrentImage != nullptr;
  for (LayoutObject* o : d.Objects) {
    changed |= o->Selected != 0;
    SetSelected(d, *o, false);
  }
  SetCurrentImage(d, nullptr);
  RecountSelection(d);
  return changed;
}

bool SelectByClick(LayoutDocument& d, const ViewHit& hit, bool shift) {
  LayoutObject* o = hit.object;
  if (!o || hit.code == kHitNothing) {
    if (!shift) ClearViewSelection(d);
    return false;
  }
  if (!shift && !o->Selected) ClearViewSelection(d);
  if (ImageObject* image = AsImage(o)) {
    if (shift && image->Selected) {
      Toggle(d, *image);
    } else {
      SetSelected(d, *image, true);
      SetCurrentImage(d, image);
    }
  } else if (shift || !o->Selected) {
    Toggle(d, *o);
  }
  KeepCurrentImage(d);
  RecountSelection(d);
  if (!o->Selected) return false;
  return !IsFreeText(o) || hit.code == kHitBody;
}

void SelectByBand(const ViewGeometry& g, const QRect& band, bool shift) {
  LayoutDocument& d = g.Document();
  if (!shift) ClearViewSelection(d);
  const QRect area = band.normalized();
  for (LayoutObject* o : d.Objects) {
    if (!IsImageOrFree(o) || !OnShownPage(g, *o)) continue;
    if (StrictlyInside(g.ToDevice(SelectableArea(*o)), area)) Toggle(d, *o);
  }
  KeepCurrentImage(d);
  RecountSelection(d);
}

}  // namespace tl
