// LoadLayoutFile on arbitrary bytes: every input ends in a document or in
// null, with everything freed. The input is also tried inside a valid
// header so that the layout and object readers see most of it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "persistence/layout_reader.h"
#include "persistence/template_summary.h"

namespace {

std::string WriteInput(const std::string& text) {
  const std::string path = "/tmp/tl-fuzz-" + std::to_string(getpid()) + ".qlf";
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  return path;
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
  Load("<root><header><Version>1</Version><Platform>W</Platform><OSVersion>x</OSVersion></header><layout>" + input +
       "</layout><object>" + input + "</object></root>");
  return 0;
}
