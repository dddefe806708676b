// The editing commands' services with the real layout engine: the
// arrangement pass and the page-budget check of automatic layout, and the
// label, header reader and preview work of the layers above through their
// LayoutServices.
#pragma once

#include "document/edit_services.h"
#include "layout/layout_services.h"

namespace tl {

class LayoutEditServices : public EditServices {
 public:
  explicit LayoutEditServices(LayoutServices& services = NoLayoutServices()) : services_(services) {}

  void Arrange(LayoutDocument& document) override;
  bool LayoutFits(const LayoutDocument& document) override;
  void RebuildLabels(LayoutDocument& document) override;
  void RereadImage(ImageObject& image) override;

 private:
  LayoutServices& services_;
};

}  // namespace tl
