#include "document/message_box.h"

#include "resources/string_table.h"

namespace tl {
namespace {

// Touched only by the user interface thread, like every other piece of
// application-wide state.
MessageSink* g_sink = nullptr;

// Where the calling thread's messages go instead of the sink, when set.
thread_local CapturedMessages* t_capture = nullptr;

}  // namespace

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = g_sink;
  g_sink = sink;
  return previous;
}

MessageAnswer ShowMessageText(std::string_view text, MessageIcon icon, MessageButtons buttons,
                              MessageAnswer headless) {
  if (t_capture) {
    t_capture->push_back({false, std::string(text), icon, buttons, headless});
    return headless;
  }
  return g_sink ? g_sink->Show(text, icon, buttons, headless) : headless;
}

MessageAnswer ShowTitledMessageText(std::string_view title, std::string_view text, MessageIcon icon,
                                    MessageButtons buttons, MessageAnswer headless) {
  // Captured messages are shown later under the program's title.
  if (t_capture || !g_sink) return ShowMessageText(text, icon, buttons, headless);
  return g_sink->ShowTitled(title, text, icon, buttons, headless);
}

MessageAnswer ShowMessage(int stringId, MessageIcon icon, MessageButtons buttons, MessageAnswer headless) {
  return ShowMessageText(StringText(stringId), icon, buttons, headless);
}

void ErrorBeep() {
  if (t_capture) t_capture->push_back({true, {}, MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
  else if (g_sink) g_sink->Beep();
}

ScopedMessageCapture::ScopedMessageCapture(CapturedMessages& messages) : previous_(t_capture) {
  t_capture = &messages;
}

ScopedMessageCapture::~ScopedMessageCapture() { t_capture = previous_; }

void ShowCapturedMessages(const CapturedMessages& messages) {
  for (const CapturedMessage& m : messages) {
    if (m.IsBeep) ErrorBeep();
    else ShowMessageText(m.Text, m.Icon, m.Buttons, m.Headless);
  }
}

bool AsksQuestion(const CapturedMessages& messages) {
  for (const CapturedMessage& m : messages)
    if (!m.IsBeep && m.Buttons != MessageButtons::Ok) return true;
  return false;
}

}  // namespace tl
