#include "document/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
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

// Work on a worker thread keeps its messages and beeps while the interface
// thread goes on reaching the sink; shown later, they come in their order.
TEST(MessageBox, AWorkersCaptureKeepsItsMessagesForTheInterfaceThread) {
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  CapturedMessages kept;
  MessageAnswer answer = MessageAnswer::Ok;
  std::thread worker([&] {
    ScopedMessageCapture capture(kept);
    ShowMessage(10413, MessageIcon::Stop);
    ErrorBeep();
    answer = ShowMessage(10424, MessageIcon::Question, MessageButtons::OkCancel, MessageAnswer::Cancel);
  });
  ShowMessage(10417, MessageIcon::Stop);
  worker.join();

  EXPECT_EQ(sink.texts, std::vector<std::string>{"Failed to open file."});
  EXPECT_EQ(sink.beeps, 0);
  EXPECT_EQ(answer, MessageAnswer::Cancel);  // the headless answer, not the sink's
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].Icon, MessageIcon::Stop);
  EXPECT_TRUE(kept[1].IsBeep);
  EXPECT_EQ(kept[2].Buttons, MessageButtons::OkCancel);
  EXPECT_TRUE(AsksQuestion(kept));
  EXPECT_FALSE(AsksQuestion({kept[0], kept[1]}));

  ShowCapturedMessages(kept);
  EXPECT_EQ(sink.texts, (std::vector<std::string>{"Failed to open file.", "Not enough memory.",
                                                  "Auto alignment discards the current \n\rimage positions. Continue?"}));
  EXPECT_EQ(sink.beeps, 1);
}

// An inner capture takes the messages of its scope only; replaying inside
// a capture captures again; after the last scope the sink sees them.
TEST(MessageBox, CapturesNestAndEndWithTheirScopes) {
  RecordingSink sink;
  ScopedMessageSink scope(&sink);
  CapturedMessages outer, inner;
  {
    ScopedMessageCapture a(outer);
    {
      ScopedMessageCapture b(inner);
      ShowMessage(10413, MessageIcon::Stop);
    }
    ShowMessage(10417, MessageIcon::Stop);
    ShowCapturedMessages(inner);
  }
  ASSERT_EQ(inner.size(), 1u);
  ASSERT_EQ(outer.size(), 2u);
  EXPECT_EQ(outer[0].Text, "Failed to open file.");
  EXPECT_EQ(outer[1].Text, "Not enough memory.");
  EXPECT_TRUE(sink.texts.empty());
  ShowMessage(10401, MessageIcon::Stop);
  EXPECT_EQ(sink.texts, std::vector<std::string>{"Not supported file."});
}

}  // namespace
}  // namespace tl
