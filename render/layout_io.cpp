#include "render/layout_io.h"

#include "persistence/layout_writer.h"
#include "render/free_line.h"
#include "render/free_text.h"
#include "render/page_thumbnail.h"

namespace tl {

LayoutReadOptions RenderReadOptions(LayoutReadOptions options) {
  options.MeasureFreeText = [](FreeTextObject& text) { MeasureFreeText(text); };
  options.BoundFreeLine = BoundFreeLine;
  return options;
}

DocumentPtr LoadRenderedLayoutFile(const std::string& path, LayoutReadOptions options) {
  return LoadLayoutFile(path, RenderReadOptions(std::move(options)));
}

bool SaveLayoutFileWithPreview(const std::string& path, const LayoutDocument& document) {
  return SaveLayoutFile(path, document, PageThumbnailRenderer());
}

}  // namespace tl
