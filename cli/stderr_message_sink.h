// The command line's message sink: every message goes to standard error,
// and questions get their headless answer.
#pragma once

#include "document/message_box.h"

namespace tl::cli {

class StderrMessageSink final : public MessageSink {
 public:
  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer headless) override;
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace tl::cli
