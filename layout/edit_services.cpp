#include "layout/edit_services.h"

#include "layout/arrange.h"

namespace tl {

void LayoutEditServices::Arrange(LayoutDocument& document) { ArrangeLayout(document); }

bool LayoutEditServices::LayoutFits(const LayoutDocument& document) { return tl::LayoutFits(document); }

void LayoutEditServices::RebuildLabels(LayoutDocument& document) { services_.RebuildLabels(document); }

void LayoutEditServices::RereadImage(ImageObject& image) {
  if (services_.ReadImageHeader(image, image.ImagePath)) services_.BuildPreview(image);
}

}  // namespace tl
