// Shared helpers of the template library tests.
#include "tests/templates/templates_fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "resources/string_table.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl::test {
namespace {

// The text in double quotes, as the writer stores texts; empty stays empty.
std::string Quoted(const std::string& text) { return text.empty() ? text : "\"" + text + "\""; }

// An element, or nothing for an empty value.
std::string Row(const std::string& name, const std::string& value) {
  return value.empty() ? std::string() : "<" + name + ">" + value + "</" + name + ">";
}

}  // namespace

bool WriteTemplateFile(const std::string& path, const TemplateValues& v) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const std::string rows = Row("Comment", Quoted(v.Comment)) + Row("NameGenre", Quoted(v.Genre)) +
                           Row("NameOutputImageForm", Quoted(v.OutputImageForm)) +
                           Row("PrinterModel", Quoted(v.PrinterModel)) + Row("PaperSize", Quoted(v.PaperSize)) +
                           Row("PaperSource", Quoted(v.PaperSource));
  return WriteText(path, LayoutXml(rows));
}

TemplateSummary MakeSummary(const std::string& path, const TemplateValues& v) {
  TemplateSummary s;
  s.Path = path;
  s.Comment = v.Comment;
  s.Genre = v.Genre;
  s.OutputImageForm = v.OutputImageForm.empty() ? "" : "\"" + v.OutputImageForm + "\"";
  s.PrinterModel = v.PrinterModel;
  s.PaperSize = v.PaperSize;
  s.PaperSource = v.PaperSource;
  s.PrinterFilter = s.PaperSizeFilter = s.PaperSourceFilter = s.TreeFlag = 1;
  return s;
}

}  // namespace tl::test
