// Messages to the user. Operations of every layer report through one
// process-wide MessageSink: the application shows message boxes, the command
// line prints to standard error, tests record. Without a sink nothing is
// shown and every question gets the caller's headless answer. Work done on
// a worker thread captures its messages instead, for the interface thread
// to show later in the order the work would have shown them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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
  // The same under a title of its own instead of the program's; a sink
  // without titles shows the text alone.
  virtual MessageAnswer ShowTitled(std::string_view /*title*/, std::string_view text, MessageIcon icon,
                                   MessageButtons buttons, MessageAnswer headless) {
    return Show(text, icon, buttons, headless);
  }
  // The error beep of minor refusals.
  virtual void Beep() {}
};

// Installs `sink` for the process (null: none) and returns the previous one.
MessageSink* SetMessageSink(MessageSink* sink);

MessageAnswer ShowMessage(int stringId, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                          MessageAnswer headless = MessageAnswer::Ok);
MessageAnswer ShowMessageText(std::string_view text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok,
                              MessageAnswer headless = MessageAnswer::Ok);
// A message whose box carries `title` instead of the program's name.
MessageAnswer ShowTitledMessageText(std::string_view title, std::string_view text, MessageIcon icon,
                                    MessageButtons buttons = MessageButtons::Ok,
                                    MessageAnswer headless = MessageAnswer::Ok);
void ErrorBeep();

// A message (or the error beep) that captured work would have shown.
struct CapturedMessage {
  bool IsBeep = false;
  std::string Text;
  MessageIcon Icon = MessageIcon::None;
  MessageButtons Buttons = MessageButtons::Ok;
  MessageAnswer Headless = MessageAnswer::Ok;
};
using CapturedMessages = std::vector<CapturedMessage>;

// For one scope, every message and beep of the calling thread goes into
// `messages` instead of the sink, and each question gets its headless
// answer. The sink belongs to the interface thread, so work run on another
// thread captures. Scopes nest; other threads are not affected.
class ScopedMessageCapture {
 public:
  explicit ScopedMessageCapture(CapturedMessages& messages);
  ~ScopedMessageCapture();
  ScopedMessageCapture(const ScopedMessageCapture&) = delete;
  ScopedMessageCapture& operator=(const ScopedMessageCapture&) = delete;

 private:
  CapturedMessages* previous_;
};

// Shows captured messages now, in their order (through the sink, or into
// the calling thread's own capture).
void ShowCapturedMessages(const CapturedMessages& messages);

// Whether one of them was a question: its headless answer stood in for the
// user's, so the captured work may not have gone as it would have.
bool AsksQuestion(const CapturedMessages& messages);

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
