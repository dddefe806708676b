// ViewLink: what the document layer may ask of the view that shows a
// document. The view (in the user interface) implements it; records and
// operations only call it when a view is attached.
#pragma once

#include <cstdint>

#include "document/geometry.h"

namespace tl {

class ViewLink {
 public:
  virtual ~ViewLink() = default;

  // The page the view shows, counted from 0.
  virtual int32_t CurrentPage() const = 0;
  virtual void SetCurrentPage(int32_t page) = 0;

  // Repaint everything, or one area in layout units.
  virtual void Invalidate() = 0;
  virtual void InvalidateArea(const LRect& area) = 0;

  // The page count changed: refresh the navigator and rebuild the header
  // and footer texts.
  virtual void PageCountChanged() = 0;

  // The part of the current page the view shows, in layout units relative
  // to that page's top-left corner (scroll position plus the client area at
  // the current zoom); empty when the view cannot tell.
  virtual LRect VisiblePageArea() const { return {}; }
};

}  // namespace tl
