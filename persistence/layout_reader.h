// LoadLayoutFile: reads a layout or template file into a new document.
// Every image is located (asking the user through the prompt when it has
// moved), its header read, the document's colour settings applied and its
// label, geometry and preview made; missing fonts are replaced.
#pragma once

#include <functional>
#include <string>

#include "document/layout_document.h"

namespace tl {

class MissingImagePrompt;
class PaperList;

inline constexpr int kFailedToOpenMessage = 10417;

struct LayoutReadOptions {
  // Asks about images that have moved; null answers every question
  // "Ignore" (headless reading).
  MissingImagePrompt* Prompt = nullptr;
  // The driver papers the page is matched against; null: the built-in list.
  const PaperList* Papers = nullptr;
  // Make the preview of every image (an image without one is dropped).
  bool BuildPreviews = true;
  // Append the file's summary to LayoutSummaryArray().
  bool RecordSummary = true;
  // Measures a free text's box once it is read (the text renderer); until
  // then the box sits at its anchor point with no size.
  std::function<void(FreeTextObject&)> MeasureFreeText;
  // Sets a free line's bounding box (Origin, Size) once its end points are
  // known (the line renderer, which knows thickness and arrows); without
  // it the box spans the end points.
  std::function<void(FreeLineObject&)> BoundFreeLine;
};

// The document of the file at `path`, or null. Null without a message when
// the file is not well-formed XML or has no root element; null after
// "Failed to open file." (10417) for any other bad content or when memory
// runs out. Dropped images and replaced fonts mark the document modified.
DocumentPtr LoadLayoutFile(const std::string& path, const LayoutReadOptions& options = {});

}  // namespace tl
