#include "color/selection_refusals.h"

#include "document/layout_document.h"
#include "document/message_box.h"

namespace tl {

bool IsGrayscaleImage(const ImageObject& image) { return image.ColorSpace == FourCC("GRAY"); }

bool SelectionAllowsColorDialog(const LayoutDocument& document) {
  for (const LayoutObject* object : document.Objects) {
    const ImageObject* image = AsImage(object);
    if (image && image->Selected && IsGrayscaleImage(*image)) {
      ShowMessage(kGrayscaleDetectedMessage, MessageIcon::Stop);
      return false;
    }
  }
  return true;
}

std::vector<ImageObject*> ImagesForMatchedView(LayoutDocument& document) {
  std::vector<ImageObject*> images;
  bool grayscaleSeen = false;
  for (LayoutObject* object : document.Objects) {
    ImageObject* image = AsImage(object);
    if (!image || !image->Selected) continue;
    if (IsGrayscaleImage(*image))
      grayscaleSeen = true;
    else
      images.push_back(image);
  }
  if (grayscaleSeen) ShowMessage(kGrayscaleNotMatchedMessage, MessageIcon::Stop);
  return images;
}

}  // namespace tl
