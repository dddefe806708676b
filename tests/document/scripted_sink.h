// A message sink for tests: records every message shown (text, icon,
// buttons) and every error beep, and answers from a script; when the script
// is empty it gives the caller's headless answer.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "document/message_box.h"

namespace tl::test {

struct ShownMessage {
  std::string Text;
  MessageIcon Icon;
  MessageButtons Buttons;
};

class ScriptedSink : public MessageSink {
 public:
  ScriptedSink() : scope_(this) {}
  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer headless) override;
  void Beep() override { ++beeps; }

  // How many messages had the text of string `stringId`.
  int Count(int stringId) const;
  bool Saw(int stringId) const { return Count(stringId) > 0; }

  std::deque<MessageAnswer> Script;
  std::vector<ShownMessage> Shown;
  int beeps = 0;

 private:
  ScopedMessageSink scope_;
};

}  // namespace tl::test
