// Cut lines: marks that show where a printed sheet is to be cut -- a
// rectangle around each image, marks at each image's corners, or the
// paired marks a Fotoba cutter reads across and along the sheet. They are
// built for the images of the page being drawn, drawn, and dropped; each
// sheet carries its own marks.
#pragma once

#include <QPainter>
#include <cstdint>

#include "document/layout_document.h"
#include "render/page_draw_context.h"

namespace tl {

constexpr int kCutLinesInvalidMessage = 10680;  // "Cropmarks are deleted because your ..."

enum CropMarkType : int16_t { kMarkCorners = 1, kMarkFotoba = 2, kMarkRectangles = 3 };

// Tells the user that the cut lines have become invalid: once, and not
// again until they have been drawn valid again, so that neither the
// repaints a message box causes nor later repaints repeat it.
class CutLineNotice {
 public:
  virtual ~CutLineNotice() = default;
  void Invalid();
  void Valid() { told_ = false; }

 protected:
  // The message box (error icon), and what goes with it.
  virtual void Show();
  virtual void ClearUndoHistory() {}

 private:
  bool told_ = false;
  bool showing_ = false;
};

// The notice of draws that bring none of their own.
CutLineNotice& ProcessCutLineNotice();

enum class CutLineBuild { None, Built, Invalid };

// Builds the crop mark set of the images on layout page `page` (every image
// of a banner). None: no cut lines to draw (mode off, no images, Fotoba
// marks that the arrangement does not allow); Invalid: the images leave
// no area or no cut between them.
CutLineBuild BuildCropMarkSet(const LayoutDocument& document, int32_t page, CropMarkSet& set);

void DrawCutLines(QPainter& painter, PageDrawContext& context);

}  // namespace tl
