#include "document/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tl {
namespace {

struct RecordingSink final : MessageSink {
  std::vector<std::string> texts;
  MessageAnswer answer = MessageAnswer::Cancel;
  int beeps = 0;
  MessageAnswer Show(std::string_view text, MessageIcon, MessageButtons, MessageAnswer) override {
    texts.emplace_back(text);
    return answer;
  }
  void Beep() override { ++beeps; }
};

TEST(MessageBox, WithoutASinkQuestionsGetTheirHeadlessAnswer) {
  EXPECT_EQ(ShowMessage(10424, MessageIcon::Question, MessageButtons::OkCancel, MessageAnswer::Cancel),
            MessageAnswer::Cancel);
  ErrorBeep();  // nothing to beep with; must not crash
}

TEST(MessageBox, ASinkSeesTheTextOfTheStringIdUntilItsScopeEnds) {
  RecordingSink sink;
  {
    ScopedMessageSink scope(&sink);
    EXPECT_EQ(ShowMessage(10413, MessageIcon::Stop), MessageAnswer::Cancel);
    ErrorBeep();
  }
  ShowMessage(10417, MessageIcon::Stop);  // after the scope: not recorded
  EXPECT_EQ(sink.texts, std::vector<std::string>{"Not enough memory."});
  EXPECT_EQ(sink.beeps, 1);
}

}  // namespace
}  // namespace tl
