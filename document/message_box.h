// Messages to the user. Operations of every layer report through one
// process-wide MessageSink: the application shows message boxes, the command
// line prints to standard error, tests record. Without a sink nothing is
// shown and every question gets the caller's headless answer.
#pragma once

#include <string>
#include <string_view>

namespace tl {

enum class MessageIcon { None, Stop, Exclamation, Question, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows `text` and returns the button chosen. `headless` is the answer
  // for a sink that cannot ask.
  virtual MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                             MessageAnswer headless) = 0;
  // The error beep of minor refusals.
  virtual void Beep() {}
};

// Installs `sink` for the process (null: none) and returns the previous one.
MessageSink* SetMessageSink(MessageSink* sink);

MessageAnswer ShowMessage(int stringId, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                          MessageAnswer headless = MessageAnswer::Ok);
MessageAnswer ShowMessageText(std::string_view text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                              MessageAnswer headless = MessageAnswer::Ok);
void ErrorBeep();

// Installs a sink for one scope and puts the previous one back.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink* sink) : previous_(SetMessageSink(sink)) {}
  ~ScopedMessageSink() { SetMessageSink(previous_); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink* previous_;
};

}  // namespace tl
