// The info pane rows of a template summary.
#include "templates/template_info.h"

#include "resources/string_table.h"
#include "templates/template_classes.h"

namespace tl {
namespace {

constexpr int kFirstInfoLabel = 32887;
constexpr const char* kNoValue = "-";

// A list row holds one line: line breaks at the end are dropped (the image
// size text ends in one), others become spaces.
std::string OneLine(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

std::vector<TemplateInfoRow> TemplateInfoRows(const TemplateSummary& s) {
  const std::string values[kTemplateInfoRowCount] = {
      TemplateListName(s),
      s.Comment,
      s.PrinterModel,
      s.PaperSource,
      s.PaperSize,
      s.Banner != 0 ? s.PaperLength : kNoValue,
      s.MediaType,
      s.Orientation,
      s.Ink,
      s.LayoutMode,
      s.ImageSize,
      s.SizeByDimensions != 0 ? s.ImageOptions : kNoValue,
      s.AutoRotation,
  };
  std::vector<TemplateInfoRow> rows;
  rows.reserve(kTemplateInfoRowCount);
  for (int i = 0; i < kTemplateInfoRowCount; ++i) rows.push_back({StringCopy(kFirstInfoLabel + i), OneLine(values[i])});
  return rows;
}

}  // namespace tl
