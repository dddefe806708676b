#include "color/matched_view.h"

#include "color/match_bitmap.h"
#include "color/selection_refusals.h"
#include "document/layout_document.h"
#include "document/view_link.h"
#include "imaging/preview.h"

namespace tl {

int RunColorMatchedView(LayoutDocument& document, MatchedViewProgress* progress, const ColorMatchHooks& hooks) {
  const std::vector<ImageObject*> images = ImagesForMatchedView(document);
  if (images.empty()) return 0;
  if (progress) progress->Start(int(images.size()));
  ColorPixelMatcher matcher(hooks);
  int rebuilt = 0, done = 0;
  for (ImageObject* image : images) {
    if (done > 0 && progress && progress->CancelRequested()) break;
    if (MatchPreview(*image, &matcher)) {
      ++rebuilt;
      image->NeedsRedraw = 1;
      if (document.View) document.View->InvalidateArea(image->OuterRect);
    }
    if (progress) progress->Advance(++done);
  }
  return rebuilt;
}

}  // namespace tl
