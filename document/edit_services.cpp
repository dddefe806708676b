#include "document/edit_services.h"

namespace tl {

void EditServices::Arrange(LayoutDocument&) {}
bool EditServices::LayoutFits(const LayoutDocument&) { return true; }
void EditServices::RebuildLabels(LayoutDocument&) {}
void EditServices::RereadImage(ImageObject&) {}
void EditServices::ScrollTo(LayoutDocument&, const LayoutObject&) {}
void EditServices::CurrentImageChanged(LayoutDocument&) {}

EditServices& NoEditServices() {
  static EditServices defaults;
  return defaults;
}

}  // namespace tl
