// The info pane of the template dialogs: thirteen
// rows, captions from strings 32887-32899, values from a template summary.
#pragma once

#include <string>
#include <vector>

#include "persistence/template_summary.h"

namespace tl {

inline constexpr int kTemplateInfoRowCount = 13;

struct TemplateInfoRow {
  std::string Label;
  std::string Value;
};

// "Name" file name, "Comment", "Printer" model, "Paper Source", "Paper
// Size", "Banner Page Length" (paper length with the banner flag, else
// "-"), "Media Type", "Orientation", "Ink", "Layout Mode", "Image Size",
// "Image Options" (with the size-by-dimensions flag, else "-"),
// "Automatic Rotation". Each value is one line: the line break that ends
// the image size text is dropped, others become spaces.
std::vector<TemplateInfoRow> TemplateInfoRows(const TemplateSummary& summary);

}  // namespace tl
