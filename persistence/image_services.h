// The image import that layouts use for real files: LayoutServices whose
// header reader, label composer and preview builder do the work of the
// imaging and colour layers, and the profile names labels show.
#pragma once

#include <string>

#include "imaging/format_image_item.h"
#include "layout/layout_services.h"

namespace tl {

// The descriptions of an image's source and simulation profiles (the
// embedded profile's own when the image uses it).
class ColorProfileNames final : public ProfileNames {
 public:
  std::string SourceProfileName(const ImageObject& image) const override;
  std::string SimulationProfileName(const ImageObject& image) const override;
};

// Without an undo store (the command line and the layout reader keep none).
class ImageImportServices : public LayoutServices {
 public:
  // The file's header, then the document's input colour settings.
  bool ReadImageHeader(ImageObject& image, const std::string& path) override;
  // The raw preview and its mask; false (the load's message shown) when
  // none can be made.
  bool BuildPreview(ImageObject& image) override;
  void TurnPreview(ImageObject& image, int16_t fromState, int16_t toState) override;
  // The label text and the automatic label and caption sizes.
  void ComposeLabel(ImageObject& image) override;
  void RebuildLabels(LayoutDocument& document) override;

 private:
  ColorProfileNames profileNames_;
};

}  // namespace tl
