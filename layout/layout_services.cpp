#include "layout/layout_services.h"

#include "document/layout_document.h"
#include "layout/edit_services.h"

namespace tl {

bool LayoutServices::RecordUndo(LayoutDocument& document, int16_t changeCode) {
  return UndoRecord(document, changeCode);
}
void LayoutServices::SetUndoChangeCode(int16_t changeCode) { UndoSetChangeCode(changeCode); }
void LayoutServices::RestoreUndo(LayoutDocument& document) {
  LayoutEditServices edit(*this);
  UndoRestore(document, edit);
}
int16_t LayoutServices::UndoChangeCode(const LayoutDocument& document) { return tl::UndoChangeCode(document); }

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
