// What the application tests share: one QApplication for the test program
// (offscreen), a private home for each test (configuration, data and cache
// folders in a temporary folder), and a message sink that records every
// message and answers from a script.
#pragma once

#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

#include "document/message_box.h"

namespace tl::test {

// Points XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME into a fresh
// temporary folder for its lifetime, and puts the old values back.
class PrivateHome {
 public:
  PrivateHome();
  ~PrivateHome();
  PrivateHome(const PrivateHome&) = delete;
  PrivateHome& operator=(const PrivateHome&) = delete;

  std::string Path() const;  // the temporary folder

 private:
  QTemporaryDir dir_;
  std::vector<std::pair<std::string, std::string>> saved_;
};

struct ShownMessage {
  std::string Text;
  MessageIcon Icon;
  MessageButtons Buttons;
};

// Installed for its lifetime. Answers come from Script in order; when the
// script is empty the caller's headless answer is given.
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
