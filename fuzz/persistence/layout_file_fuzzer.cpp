// LoadLayoutFile on arbitrary bytes: every input ends in a document or in
// null, with everything freed. The input is also tried inside a valid
// header so that the layout and object readers see most of it.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input_file.h"
#include "persistence/layout_reader.h"
#include "persistence/template_summary.h"

namespace {

std::string WriteInput(const std::string& text) {
  return tl::fuzz::WriteInput(reinterpret_cast<const uint8_t*>(text.data()), text.size(), ".qlf");
}

void Load(const std::string& text) {
  tl::LayoutReadOptions options;
  options.RecordSummary = false;
  tl::DocumentPtr document = tl::LoadLayoutFile(WriteInput(text), options);
  tl::TemplateSummary summary;
  tl::ReadTemplateSummary(WriteInput(text), summary);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  Load(input);
  Load(
      "<root><header><Version>1</Version><Platform>W</Platform><OSVersion>x</"
      "OSVersion></header><layout>" +
      input + "</layout><object>" + input + "</object></root>");
  return 0;
}
