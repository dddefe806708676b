// What the template library tests share: a private home whose Templates
// folders and TemplatePrefIni are the test's own, template files written by
// hand, and summaries made in memory.
#pragma once

#include <string>
#include <vector>

#include "tests/document/scripted_sink.h"
#include "persistence/template_summary.h"
#include "tests/imaging/fixtures.h"
#include "tests/resources/private_home.h"

namespace tl::test {

// The tests' own home, with installed templates of their own.
class TemplateHome : public PrivateHome {
 public:
  TemplateHome() : PrivateHome(kOwnData) {}
};

// A template file at `path` (folders made) with these layout values.
struct TemplateValues {
  std::string Genre = {}, OutputImageForm = {}, PrinterModel = {}, PaperSize = {}, PaperSource = {}, Comment = {};
};
bool WriteTemplateFile(const std::string& path, const TemplateValues& values);

// A summary as ReadTemplateSummary gives it (filter and tree flags 1), with
// the output image form stored in quotes as the writer stores it.
TemplateSummary MakeSummary(const std::string& path, const TemplateValues& values);

}  // namespace tl::test
