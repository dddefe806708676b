// Shared helpers of the template library tests.
#include "tests/templates/templates_fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "resources/string_table.h"
#include "tests/persistence/persistence_fixtures.h"

namespace tl::test {
namespace {

constexpr const char* kVariables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TESSALINE_DATA_DIR"};
constexpr const char* kFolders[] = {"config", "data-home", "cache", "data"};

// The text in double quotes, as the writer stores texts; empty stays empty.
std::string Quoted(const std::string& text) { return text.empty() ? text : "\"" + text + "\""; }

// An element, or nothing for an empty value.
std::string Row(const std::string& name, const std::string& value) {
  return value.empty() ? std::string() : "<" + name + ">" + value + "</" + name + ">";
}

}  // namespace

TemplateHome::TemplateHome() {
  for (size_t i = 0; i < std::size(kVariables); ++i) {
    const char* value = std::getenv(kVariables[i]);
    saved_.emplace_back(kVariables[i], value ? value : "");
    setenv(kVariables[i], File(kFolders[i]).c_str(), 1);
  }
}

TemplateHome::~TemplateHome() {
  for (const auto& [name, value] : saved_) {
    if (value.empty()) unsetenv(name.c_str());
    else setenv(name.c_str(), value.c_str(), 1);
  }
}

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

MessageAnswer AnsweringSink::Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                                  MessageAnswer headless) {
  Texts.emplace_back(text);
  Icons.push_back(icon);
  Buttons.push_back(buttons);
  if (Script.empty()) return headless;
  const MessageAnswer answer = Script.front();
  Script.pop_front();
  return answer;
}

int AnsweringSink::Count(int stringId) const {
  int n = 0;
  for (const std::string& t : Texts) n += t == StringText(stringId);
  return n;
}

}  // namespace tl::test
