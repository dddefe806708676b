#include "layout/layout_services.h"

#include "document/layout_document.h"

namespace tl {

bool LayoutServices::RecordUndo(LayoutDocument&, int16_t) { return true; }
void LayoutServices::SetUndoChangeCode(int16_t) {}
void LayoutServices::RestoreUndo(LayoutDocument&) {}

// Without a reader nothing can be learnt from a file.
bool LayoutServices::ReadImageHeader(ImageObject&, const std::string&) { return false; }
bool LayoutServices::BuildPreview(ImageObject&) { return true; }
void LayoutServices::TurnPreview(ImageObject&, int16_t, int16_t) {}

void LayoutServices::ComposeLabel(ImageObject&) {}

void LayoutServices::RebuildLabels(LayoutDocument& document) {
  for (LayoutObject* o : document.Objects)
    if (ImageObject* image = AsImage(o)) ComposeLabel(*image);
}

LayoutServices& NoLayoutServices() {
  static LayoutServices defaults;
  return defaults;
}

}  // namespace tl
