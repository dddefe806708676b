#include "document/message_box.h"

#include "resources/string_table.h"

namespace tl {
namespace {

// Touched only by the user interface thread, like every other piece of
// application-wide state.
MessageSink* g_sink = nullptr;

}  // namespace

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = g_sink;
  g_sink = sink;
  return previous;
}

MessageAnswer ShowMessageText(std::string_view text, MessageIcon icon, MessageButtons buttons,
                              MessageAnswer headless) {
  return g_sink ? g_sink->Show(text, icon, buttons, headless) : headless;
}

MessageAnswer ShowMessage(int stringId, MessageIcon icon, MessageButtons buttons, MessageAnswer headless) {
  return ShowMessageText(StringText(stringId), icon, buttons, headless);
}

void ErrorBeep() {
  if (g_sink) g_sink->Beep();
}

}  // namespace tl
