// What the template library tests share: a private home (configuration and
// data folders in a temporary folder, so that the user's Templates folder
// and TemplatePrefIni are the test's own), template files written by hand,
// summaries made in memory, and a message sink that answers from a script.
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "document/message_box.h"
#include "persistence/template_summary.h"
#include "tests/imaging/fixtures.h"

namespace tl::test {

// XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME inside a temporary
// folder for its lifetime; TESSALINE_DATA_DIR at its "data" folder.
class TemplateHome {
 public:
  TemplateHome();
  ~TemplateHome();
  TemplateHome(const TemplateHome&) = delete;
  TemplateHome& operator=(const TemplateHome&) = delete;

  std::string Path() const { return folder_.Path(); }
  std::string File(const std::string& name) const { return folder_.File(name); }

 private:
  TempFolder folder_;
  std::vector<std::pair<std::string, std::string>> saved_;
};

// A template file at `path` (folders made) with these layout values.
struct TemplateValues {
  std::string Genre = {}, OutputImageForm = {}, PrinterModel = {}, PaperSize = {}, PaperSource = {}, Comment = {};
};
bool WriteTemplateFile(const std::string& path, const TemplateValues& values);

// A summary as ReadTemplateSummary gives it (filter and tree flags 1), with
// the output image form stored in quotes as the writer stores it.
TemplateSummary MakeSummary(const std::string& path, const TemplateValues& values);

// Records every message and answers from Script, then with the caller's
// headless answer.
class AnsweringSink : public MessageSink {
 public:
  AnsweringSink() : scope_(this) {}
  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer headless) override;
  void Beep() override { ++Beeps; }
  int Count(int stringId) const;

  std::deque<MessageAnswer> Script;
  std::vector<std::string> Texts;
  std::vector<MessageIcon> Icons;
  std::vector<MessageButtons> Buttons;
  int Beeps = 0;

 private:
  ScopedMessageSink scope_;
};

}  // namespace tl::test
