// What the engine's editing operations need from an open document's
// window: the real arrangement, labels and previews, the view scrolled to
// an object, and the tool windows told of a new current image.
#pragma once

#include "layout/edit_services.h"
#include "persistence/image_services.h"

namespace tl {

class CGPDoc;

// Holds the import services, so that they are made before the editing
// services that refer to them.
struct ImportServicesHolder {
  ImageImportServices import;
};

class DocumentServices final : private ImportServicesHolder, public LayoutEditServices {
 public:
  explicit DocumentServices(CGPDoc& document) : LayoutEditServices(import), document_(document) {}

  ImageImportServices& Import() { return import; }
  void ScrollTo(LayoutDocument& document, const LayoutObject& object) override;
  void CurrentImageChanged(LayoutDocument& document) override;

 private:
  CGPDoc& document_;
};

}  // namespace tl
