// MessageWatch: passes messages on to the sink in force and keeps the last
// one, so that a command whose work failed without a message can still
// name the failure.
#pragma once

#include <string>
#include <string_view>

#include "document/message_box.h"

namespace tl::cli {

class MessageWatch final : public MessageSink {
 public:
  MessageWatch() : previous_(SetMessageSink(this)) {}
  ~MessageWatch() override { SetMessageSink(previous_); }
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;

  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer headless) override {
    last_ = std::string(text);
    return previous_ ? previous_->Show(text, icon, buttons, headless) : headless;
  }
  void Forget() { last_.clear(); }
  const std::string& Last() const { return last_; }

 private:
  MessageSink* previous_;
  std::string last_;
};

}  // namespace tl::cli
