#include "tests/document/scripted_sink.h"

#include "resources/string_table.h"

namespace tl::test {

MessageAnswer ScriptedSink::Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                                 MessageAnswer headless) {
  Shown.push_back({std::string(text), icon, buttons});
  if (Script.empty()) return headless;
  const MessageAnswer answer = Script.front();
  Script.pop_front();
  return answer;
}

int ScriptedSink::Count(int stringId) const {
  int n = 0;
  for (const ShownMessage& m : Shown) n += m.Text == StringText(stringId);
  return n;
}

}  // namespace tl::test
