// A layout with a view on its first page where the arithmetic is easy: a
// 90 dpi screen at 1 : 1, so one device pixel is four layout units, and a
// window 20 pixels larger than the page, so the paper's corner is at
// (10, 10): layout (x, y) shows at (10 + x / 4, 10 + y / 4).
#pragma once

#include <QPoint>

#include "document/layout_document.h"
#include "document/object_geometry.h"
#include "document/selection.h"
#include "render/screen_page.h"
#include "render/view_geometry.h"

namespace tl::test {

struct ViewFixture {
  ViewFixture() {
    document.reset(DocumentNew(nullptr, nullptr));
    view.DpiX = view.DpiY = 90;
    view.ClientSize = QSize(2976 / 4 + 2 * kPaperInset, 4209 / 4 + 2 * kPaperInset);
  }

  LayoutDocument& D() { return *document; }
  ViewGeometry Geometry() const { return ViewGeometry(*document, view); }
  // Where a layout point of page 0 shows.
  static QPoint At(int32_t x, int32_t y) { return {kPaperInset + x / 4, kPaperInset + y / 4}; }

  ImageObject* Image(const LRect& box) {
    ImageObject* image = ImageObjectNew(document->DefaultImageSettings, &document->Objects);
    image->Owner = document.get();
    image->Origin = {box.left, box.top};
    image->Size = {box.Width(), box.Height()};
    image->FrameRect = {};
    image->SizeRatio = 0;
    return image;
  }
  FreeTextObject* Text(const LRect& box) {
    FreeTextObject* text = FreeTextObjectNew(document.get(), &document->Objects);
    text->Origin = {box.left, box.top};
    text->Size = text->BoxSize = {box.Width(), box.Height()};
    text->Corners = {LPoint{0, 0}, {box.Width(), 0}, {box.Width(), box.Height()}, {0, box.Height()}};
    return text;
  }
  FreeLineObject* Line(LPoint first, LPoint second) {
    FreeLineObject* line = FreeLineObjectNew(document.get(), &document->Objects);
    line->End1 = first;
    line->End2 = second;
    line->Origin = {std::min(first.x, second.x), std::min(first.y, second.y)};
    line->Size = {std::abs(second.x - first.x), std::abs(second.y - first.y)};
    return line;
  }
  void Select(std::initializer_list<LayoutObject*> objects) {
    for (LayoutObject* o : document->Objects) o->Selected = 0;
    for (LayoutObject* o : objects) o->Selected = 1;
    RecountSelection(*document);
  }

  DocumentPtr document;
  ScreenView view;
};

}  // namespace tl::test
