// TemplateSummary: the display values of a layout or template file, read
// by XPath without building a document; the arrays that hold them (all
// templates, found at start-up, and the layouts read since); and the scan
// of a templates folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tl {

// The 29 values of a summary, in their order. Texts stay as the file holds
// them (UTF-8); the values of elements the file lacks stay empty.
struct TemplateSummary {
  std::string Path;
  std::string ModifiedDate;  // "%y.%m.%d %H:%M"
  std::string FileSize;      // bytes, decimal
  std::string Comment;
  std::string PrinterModel;
  int32_t PrinterFilter = 0;  // set when read; the printer filter writes it
  std::string PaperSize;
  int32_t PaperSizeFilter = 0;
  std::string PaperSource;
  int32_t PaperSourceFilter = 0;
  std::string PaperLength;
  std::string MediaType;
  std::string Orientation;
  std::string Ink;
  std::string LayoutMode;    // "Free Layout" or "Automatic Layout"
  std::string ImageSize;     // "Width = %ld, Height = %ld\n"
  std::string ImageOptions;
  std::string Spacing;       // "X = %s, Y = %s\n"
  std::string AutoRotation;
  int32_t Banner = 0;
  int32_t SizeByDimensions = 0;
  std::string ImageOptionsAgain;
  std::string Genre;
  int32_t Unused = 0;
  std::string OutputImageForm;
  int32_t TreeFlag = 0;
  int32_t Visible = 0;
  int32_t PreviewSize = 0;
  std::vector<uint8_t> Preview;  // the JPEG bytes of the file's preview
};

using TemplateArray = std::vector<TemplateSummary>;

// Fills `summary` from the file; false, with `summary` unchanged, when the
// file does not parse as XML.
bool ReadTemplateSummary(const std::string& path, TemplateSummary& summary);

// Appends a summary for each file under `folder` (and its subfolders)
// whose name ends in `letters` (the extension without its dot; case
// matters), in file name order. Files that do not parse are skipped.
void LoadTemplateSummaryFolder(const std::string& folder, const std::string& letters, int depth,
                               TemplateArray& array);

// The summaries of all template files, built once at start-up.
TemplateArray& ApplicationTemplateArray();
// One summary per layout file read, appended by LoadLayoutFile.
TemplateArray& LayoutSummaryArray();

}  // namespace tl
