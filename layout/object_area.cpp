#include "layout/object_area.h"

#include "document/view_link.h"

namespace tl {

void InvalidateObject(ViewLink& view, const LayoutObject& object) {
  view.InvalidateArea(ObjectArea(object));
  if (const ImageObject* image = AsImage(&object); image && !image->OuterRect.IsEmpty())
    view.InvalidateArea(image->OuterRect);
}

}  // namespace tl
