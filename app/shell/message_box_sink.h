// The program's MessageSink: every message of the engine shown in a
// QMessageBox with the icon and buttons the caller asked for, over the
// window that is active, and the error beep through QApplication::beep().
#pragma once

#include "document/message_box.h"

namespace tl {

class QtMessageSink final : public MessageSink {
 public:
  MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons,
                     MessageAnswer headless) override;
  MessageAnswer ShowTitled(std::string_view title, std::string_view text, MessageIcon icon, MessageButtons buttons,
                           MessageAnswer headless) override;
  void Beep() override;
};

}  // namespace tl
